#include "CategoryComposer.h"

#include "LibraryTargets.h"
#include "Utf8Text.h"

#include <stdexcept>

namespace duanxin::libgen {

namespace {

constexpr std::array kComposedSections{Section::Opener, Section::Body, Section::Wish,
                                       Section::Closing};

} // namespace

CategoryComposer::CategoryComposer(const Category& category, std::string_view keyword,
                                   ClauseLedger& ledger, SplitMix64& rng,
                                   std::unordered_set<std::string>& taken, std::size_t maxChars)
    : category_(category), keyword_(keyword), ledger_(ledger), rng_(rng), taken_(taken),
      maxChars_(maxChars) {
    for (std::size_t s = 0; s < kSectionCount; ++s)
        for (const MaterialLine& line : category.sections[s])
            pools_[s].push_back(
                {&line, ClauseLedger::KeysOf(line.text),
                 !keyword_.empty() && line.text.find(keyword_) != std::string::npos});
}

std::vector<std::string> CategoryComposer::Compose(std::size_t quota) {
    std::vector<std::string> rows;
    for (const Candidate& whole : PoolOf(Section::Whole)) {
        if (rows.size() == quota)
            break;
        if (Accept(whole.line->text, whole.keys))
            rows.push_back(whole.line->text);
    }
    while (rows.size() < quota) {
        std::optional<std::string> row;
        for (unsigned attempt = 0; !row && attempt < kComposeAttempts; ++attempt)
            row = TryCompose(attempt);
        if (!row)
            throw std::runtime_error(category_.fileName + ": category " + category_.name +
                                     " gives only " + std::to_string(rows.size()) + " of " +
                                     std::to_string(quota) +
                                     " rows without repeating a row or a clause too often");
        rows.push_back(std::move(*row));
    }
    rng_.Shuffle(rows);
    return rows;
}

const CategoryComposer::Candidate* CategoryComposer::Pick(const Pool& pool, unsigned slack,
                                                          const Candidate* exclude,
                                                          bool keywordOnly) {
    // The least-used lines, widened by slack when earlier draws gave a repeated row.
    std::vector<std::pair<std::size_t, const Candidate*>> eligible;
    std::size_t least = SIZE_MAX;
    for (const Candidate& c : pool) {
        if (&c == exclude || (keywordOnly && !c.hasKeyword) || !ledger_.Admits(c.keys))
            continue;
        const std::size_t peak = ledger_.Peak(c.keys);
        eligible.emplace_back(peak, &c);
        least = std::min(least, peak);
    }
    std::vector<const Candidate*> best;
    for (const auto& [peak, c] : eligible)
        if (peak <= least + slack)
            best.push_back(c);
    return best.empty() ? nullptr : best[rng_.Below(best.size())];
}

const CategoryComposer::Candidate* CategoryComposer::PickKeywordLine(unsigned slack,
                                                                     Section& section) {
    const Candidate* chosen = nullptr;
    std::size_t chosenPeak = SIZE_MAX;
    for (Section s : kComposedSections) {
        const Candidate* c = Pick(PoolOf(s), slack, nullptr, true);
        // Equal peaks go to the later section only by chance, so no section is favoured.
        if (c && (ledger_.Peak(c->keys) < chosenPeak ||
                  (ledger_.Peak(c->keys) == chosenPeak && rng_.Chance(500)))) {
            chosen = c;
            chosenPeak = ledger_.Peak(c->keys);
            section = s;
        }
    }
    return chosen;
}

std::optional<CategoryComposer::Picks> CategoryComposer::Choose(unsigned slack) {
    Picks picks;
    auto& [opener, body, secondBody, wish, closing] = picks.parts;
    const bool twoBodies = rng_.Chance(kSecondBodyPerMille);
    const bool withClosing = rng_.Chance(kClosingPerMille);
    if (!keyword_.empty()) {
        Section section = Section::Opener;
        const Candidate* forced = PickKeywordLine(slack, section);
        if (!forced)
            return std::nullopt;
        (section == Section::Opener ? opener
         : section == Section::Body ? body
         : section == Section::Wish ? wish
                                    : closing) = forced;
    }
    if (!opener)
        opener = Pick(PoolOf(Section::Opener), slack, nullptr, false);
    if (!body)
        body = Pick(PoolOf(Section::Body), slack, nullptr, false);
    if (twoBodies)
        secondBody = Pick(PoolOf(Section::Body), slack, body, false);
    if (!wish)
        wish = Pick(PoolOf(Section::Wish), slack, nullptr, false);
    if (withClosing && !closing)
        closing = Pick(PoolOf(Section::Closing), slack, nullptr, false);
    if (!opener || !body || !wish || (twoBodies && !secondBody) || (withClosing && !closing))
        return std::nullopt;
    return picks;
}

bool CategoryComposer::Accept(const std::string& text, const std::vector<std::string>& keys) {
    if (CodePointCount(text) > maxChars_ || taken_.contains(text) || !ledger_.Admits(keys))
        return false;
    ledger_.Record(keys);
    taken_.insert(text);
    return true;
}

std::optional<std::string> CategoryComposer::TryCompose(unsigned slack) {
    const auto picks = Choose(slack);
    if (!picks)
        return std::nullopt;
    std::string text;
    std::vector<std::string> keys;
    for (const Candidate* part : picks->parts) {
        if (!part)
            continue;
        text += part->line->text;
        keys.insert(keys.end(), part->keys.begin(), part->keys.end());
    }
    if (!Accept(text, keys))
        return std::nullopt;
    return text;
}

} // namespace duanxin::libgen
