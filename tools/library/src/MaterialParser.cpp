#include "MaterialParser.h"

#include "MaterialError.h"
#include "Utf8Text.h"

#include <cstdio>
#include <optional>

namespace duanxin::libgen {

namespace {

constexpr std::string_view kCategoryDirective = "@category ";
// Reserved for the generator's placeholders, or outside what a phone shows well.
constexpr std::u32string_view kForbiddenSymbols = U"☆〓※★•☺♥～\uFEFF";

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::optional<Section> SectionOfHeader(std::string_view header) {
    for (const SectionRule& rule : kSectionRules)
        if (rule.header == header)
            return rule.section;
    return std::nullopt;
}

std::string Describe(char32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

} // namespace

Category MaterialParser::Parse(std::string_view text, const std::string& fileName) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    Category category;
    category.fileName = fileName;
    std::optional<Section> current;
    std::size_t lineNumber = 0;
    std::size_t lastLine = 0;
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        const std::string_view raw = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        ++lineNumber;
        const std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == '#')
            continue;
        lastLine = lineNumber;
        if (category.name.empty()) {
            if (!line.starts_with(kCategoryDirective) ||
                TrimBlanks(line.substr(kCategoryDirective.size())).empty())
                throw MaterialError(fileName, lineNumber,
                                    "the first line must be \"@category NAME\"");
            category.name = TrimBlanks(line.substr(kCategoryDirective.size()));
            continue;
        }
        if (line.front() == '[') {
            const auto section = SectionOfHeader(line);
            if (!section)
                throw MaterialError(fileName, lineNumber, "unknown section " + std::string(line));
            if (current && *section <= *current)
                throw MaterialError(fileName, lineNumber,
                                    "section " + std::string(line) + " out of order");
            current = section;
            continue;
        }
        if (line.front() == '@')
            throw MaterialError(fileName, lineNumber, "a second directive");
        if (!current)
            throw MaterialError(fileName, lineNumber, "an entry before the first section");
        CheckEntry(line, RuleOf(*current), fileName, lineNumber);
        category.sections[static_cast<std::size_t>(*current)].push_back(
            {std::string(line), lineNumber});
    }
    if (category.name.empty())
        throw MaterialError(fileName, lineNumber, "no \"@category NAME\" line");
    for (const SectionRule& rule : kSectionRules)
        if (category.Lines(rule.section).size() < rule.minEntries)
            throw MaterialError(fileName, lastLine,
                                "section " + std::string(rule.header) + " holds " +
                                    std::to_string(category.Lines(rule.section).size()) +
                                    " entries, fewer than " + std::to_string(rule.minEntries));
    return category;
}

void MaterialParser::CheckEntry(std::string_view entry, const SectionRule& rule,
                                const std::string& fileName, std::size_t line) {
    const auto cps = DecodeUtf8(entry);
    if (!cps)
        throw MaterialError(fileName, line, "not well-formed UTF-8");
    for (char32_t c : *cps) {
        const bool asciiAllowed =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || (c < 0x80 && !asciiAllowed) ||
            kForbiddenSymbols.find(c) != std::u32string_view::npos)
            throw MaterialError(fileName, line, "forbidden character " + Describe(c));
    }
    if (!IsGbkText(entry))
        throw MaterialError(fileName, line, "a character outside GBK (code page 936)");
    if (cps->size() < rule.minChars || cps->size() > rule.maxChars)
        throw MaterialError(fileName, line,
                            std::to_string(cps->size()) + " characters, " +
                                std::string(rule.header) + " entries take " +
                                std::to_string(rule.minChars) + " to " +
                                std::to_string(rule.maxChars));
    std::size_t last = cps->size() - 1;
    while (last > 0 && ((*cps)[last] == U'”' || (*cps)[last] == U'’'))
        --last;
    if (rule.endings.find((*cps)[last]) == std::u32string_view::npos)
        throw MaterialError(fileName, line,
                            "a " + std::string(rule.header) + " entry ends with " +
                                Describe((*cps)[last]));
}

} // namespace duanxin::libgen
