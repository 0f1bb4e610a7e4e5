#include "Utf8Text.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace duanxin::libgen {

namespace {

constexpr std::u32string_view kClauseEnds = U"，。！？；：…";
constexpr std::u32string_view kClauseTrim = U"，。！？；：…“”‘’、 ";

std::string EncodeUtf8(std::u32string_view cps) {
    std::string out;
    for (char32_t c : cps) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u32string_view Trimmed(std::u32string_view s) {
    while (!s.empty() && kClauseTrim.find(s.front()) != std::u32string_view::npos)
        s.remove_prefix(1);
    while (!s.empty() && kClauseTrim.find(s.back()) != std::u32string_view::npos)
        s.remove_suffix(1);
    return s;
}

} // namespace

std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t extra = lead < 0x80         ? 0
                                  : lead >> 5 == 0x6  ? 1
                                  : lead >> 4 == 0xE  ? 2
                                  : lead >> 3 == 0x1E ? 3
                                                      : 4;
        if (extra == 4 || i + extra >= text.size())
            return std::nullopt;
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + k]);
            if (cont >> 6 != 0x2)
                return std::nullopt;
            cp = cp << 6 | (cont & 0x3F);
        }
        constexpr char32_t kMinOfLength[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMinOfLength[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

std::size_t CodePointCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

bool IsGbkText(std::string_view text) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert UTF-8 to GBK on this machine");
    std::string in(text);
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return rc != static_cast<std::size_t>(-1) && inLeft == 0;
}

std::vector<std::string> SplitClauses(std::string_view text) {
    const auto cps = DecodeUtf8(text);
    if (!cps)
        return {};
    std::vector<std::string> clauses;
    std::size_t start = 0;
    const std::u32string_view all(cps->data(), cps->size());
    for (std::size_t i = 0; i <= all.size(); ++i) {
        const bool atEnd = i == all.size();
        if (!atEnd && kClauseEnds.find(all[i]) == std::u32string_view::npos)
            continue;
        // A run of punctuation (……, ！” ) closes one clause.
        while (!atEnd && i + 1 < all.size() &&
               kClauseTrim.find(all[i + 1]) != std::u32string_view::npos)
            ++i;
        const auto clause = Trimmed(all.substr(start, i + (atEnd ? 0 : 1) - start));
        if (!clause.empty())
            clauses.push_back(EncodeUtf8(clause));
        start = i + 1;
    }
    return clauses;
}

} // namespace duanxin::libgen
