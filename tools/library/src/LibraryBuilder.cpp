#include "LibraryBuilder.h"

#include "CategoryComposer.h"
#include "ClauseLedger.h"
#include "LibraryTargets.h"
#include "QuotaPlan.h"
#include "RowDecorator.h"
#include "SplitMix64.h"
#include "Utf8Text.h"
#include "app/library/SourceNotes.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

namespace duanxin::libgen {

std::vector<std::string> LibraryBuilder::Build(const std::vector<Category>& categories) {
    // Natural rows leave room for both notes, so a note never has to be refused for length.
    const std::size_t maxNaturalChars =
        kMaxRowChars - CodePointCount(LongSourceNote()) - CodePointCount(ShortSourceNote());
    const auto quotas = QuotaPlan::RowsPerCategory(categories, kRowCount);
    SplitMix64 rng(kSeed);
    ClauseLedger ledger(kClauseRowLimit);
    std::unordered_set<std::string> taken;
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        CategoryComposer composer(categories[i], QuotaPlan::ShortcutWord(categories[i].name),
                                  ledger, rng, taken, maxNaturalChars);
        for (std::string& row : composer.Compose(quotas[i]))
            rows.push_back(std::move(row));
    }
    RowDecorator decorator(rng, kMaxRowChars);
    decorator.AddPlaceholders(rows, kPlaceholderRows);
    decorator.AddNotes(rows, kNotedRows, kBothNotesRows);
    CheckShortcutWords(rows);
    return rows;
}

void LibraryBuilder::CheckShortcutWords(const std::vector<std::string>& rows) {
    std::size_t most = 0;
    for (const ShortcutFestival& f : kShortcutFestivals) {
        const auto n = static_cast<std::size_t>(
            std::count_if(rows.begin(), rows.end(), [&](const std::string& r) {
                return r.find(f.word) != std::string::npos;
            }));
        if (n < kMinShortcutWordRows)
            throw std::runtime_error(std::string(f.word) + " is in only " + std::to_string(n) +
                                     " rows, " + std::to_string(kMinShortcutWordRows) +
                                     " wanted: is its material missing?");
        if (f.word != kShortcutFestivals.front().word && n >= most)
            throw std::runtime_error(std::string(f.word) + " is in as many rows as " +
                                     std::string(kShortcutFestivals.front().word));
        most = std::max(most, n);
    }
}

} // namespace duanxin::libgen
