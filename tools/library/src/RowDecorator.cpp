#include "RowDecorator.h"

#include "Utf8Text.h"
#include "app/library/SourceNotes.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <stdexcept>

namespace duanxin::libgen {

namespace {

struct Placeholder {
    std::string_view pronoun;
    std::string_view mark;
};
constexpr std::array<Placeholder, 3> kPlaceholders{{
    {"我", "|☆|"},
    {"你", "|〓|"},
    {"他", "|※|"},
}};

// Words whose 我/你/他 names no person; a placeholder there would read wrongly once filled in
// with a name-like pronoun, so they keep their character.
constexpr std::array<std::string_view, 7> kNotPersonal{"其他", "吉他", "他乡",    "他日",
                                                       "自我", "忘我", "你追我赶"};

bool InsideNotPersonal(std::string_view text, std::size_t offset, std::string_view pronoun) {
    for (std::string_view word : kNotPersonal)
        for (std::size_t at = word.find(pronoun); at != std::string_view::npos;
             at = word.find(pronoun, at + 1))
            if (offset >= at && text.substr(offset - at, word.size()) == word)
                return true;
    return false;
}

// Byte offsets just after a sentence end that is not the row's last character.
std::vector<std::size_t> SentenceBreaks(std::string_view text) {
    std::vector<std::size_t> breaks;
    for (std::string_view end : {"。", "！", "？"})
        for (std::size_t at = text.find(end); at != std::string_view::npos;
             at = text.find(end, at + 1))
            if (at + end.size() < text.size())
                breaks.push_back(at + end.size());
    std::sort(breaks.begin(), breaks.end());
    return breaks;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

std::vector<RowDecorator::Pronoun> RowDecorator::PronounsOf(std::string_view text) {
    std::vector<Pronoun> found;
    for (std::size_t kind = 0; kind < kPlaceholders.size(); ++kind) {
        const std::string_view p = kPlaceholders[kind].pronoun;
        for (std::size_t at = text.find(p); at != std::string_view::npos; at = text.find(p, at + 1))
            if (!InsideNotPersonal(text, at, p))
                found.push_back({at, kind});
    }
    std::sort(found.begin(), found.end(),
              [](const Pronoun& a, const Pronoun& b) { return a.offset < b.offset; });
    return found;
}

std::string RowDecorator::WithPlaceholders(std::string_view text,
                                           const std::vector<Pronoun>& pronouns) {
    // Half the rows mark every pronoun, the others a random part of them, at least one.
    std::vector<bool> marked(pronouns.size(), true);
    if (!rng_.Chance(500)) {
        bool any = false;
        for (std::size_t i = 0; i < marked.size(); ++i)
            any |= marked[i] = rng_.Chance(500);
        if (!any)
            marked[rng_.Below(marked.size())] = true;
    }
    std::string out;
    std::size_t copied = 0;
    for (std::size_t i = 0; i < pronouns.size(); ++i) {
        if (!marked[i])
            continue;
        const Placeholder& ph = kPlaceholders[pronouns[i].kind];
        out += text.substr(copied, pronouns[i].offset - copied);
        out += ph.mark;
        copied = pronouns[i].offset + ph.pronoun.size();
    }
    out += text.substr(copied);
    return out;
}

std::vector<std::size_t> RowDecorator::ShuffledIndices(std::size_t n) {
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    rng_.Shuffle(order);
    return order;
}

bool RowDecorator::Fits(std::string_view text) const {
    return CodePointCount(text) <= maxChars_;
}

void RowDecorator::AddPlaceholders(std::vector<std::string>& rows, std::size_t count) {
    std::size_t done = 0;
    for (std::size_t i : ShuffledIndices(rows.size())) {
        if (done == count)
            return;
        const auto pronouns = PronounsOf(rows[i]);
        if (pronouns.empty())
            continue;
        std::string marked = WithPlaceholders(rows[i], pronouns);
        if (!Fits(marked))
            continue;
        rows[i] = std::move(marked);
        ++done;
    }
    if (done < count)
        throw std::runtime_error("only " + std::to_string(done) + " rows can hold a placeholder, " +
                                 std::to_string(count) + " wanted");
}

void RowDecorator::AddNotes(std::vector<std::string>& rows, std::size_t count,
                            std::size_t bothCount) {
    const std::array<std::string, 2> notes{LongSourceNote(), ShortSourceNote()};
    std::size_t done = 0;
    std::size_t both = 0;
    for (std::size_t i : ShuffledIndices(rows.size())) {
        if (done == count)
            break;
        const std::size_t endNote = rng_.Below(2);
        std::string noted = rows[i] + notes[endNote];
        if (both < bothCount) {
            const auto breaks = SentenceBreaks(rows[i]);
            if (breaks.empty())
                continue;
            noted.insert(breaks[rng_.Below(breaks.size())], notes[1 - endNote]);
        }
        if (!Fits(noted))
            continue;
        both += both < bothCount;
        rows[i] = std::move(noted);
        ++done;
    }
    if (done < count || both < bothCount)
        throw std::runtime_error("only " + std::to_string(done) + " rows can take a source note");
}

std::string RowDecorator::Restore(std::string_view stored) {
    std::string text(stored);
    ReplaceAll(text, LongSourceNote(), "");
    ReplaceAll(text, ShortSourceNote(), "");
    for (const Placeholder& ph : kPlaceholders)
        ReplaceAll(text, ph.mark, ph.pronoun);
    return text;
}

} // namespace duanxin::libgen
