#include "LibraryStats.h"

#include "RowDecorator.h"
#include "Utf8Text.h"
#include "app/library/SourceNotes.h"

#include <algorithm>
#include <iomanip>
#include <map>
#include <set>
#include <unordered_set>

namespace duanxin::libgen {

namespace {

constexpr std::size_t kGram = 6;
constexpr std::array<std::string_view, 3> kMarks{"|☆|", "|〓|", "|※|"};

double Percent(std::size_t part, std::size_t whole) {
    return whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

} // namespace

LibraryStats LibraryStats::Measure(const std::vector<std::string>& rows,
                                   std::size_t materialEntries) {
    LibraryStats stats;
    stats.rows_ = rows.size();
    stats.materialEntries_ = materialEntries;
    std::vector<std::string> natural;
    for (const std::string& row : rows) {
        stats.CountMarks(row);
        natural.push_back(RowDecorator::Restore(row));
        stats.chars_ += CodePointCount(natural.back());
    }
    stats.CountClauses(natural);
    stats.CountSixGrams(natural);
    return stats;
}

void LibraryStats::CountMarks(const std::string& row) {
    const bool hasLong = row.find(LongSourceNote()) != std::string::npos;
    const bool hasShort = row.find(ShortSourceNote()) != std::string::npos;
    notedRows_ += hasLong || hasShort;
    bothNotesRows_ += hasLong && hasShort;
    placeholderRows_ += std::any_of(kMarks.begin(), kMarks.end(), [&](std::string_view m) {
        return row.find(m) != std::string::npos;
    });
    for (std::size_t i = 0; i < kShortcutFestivals.size(); ++i)
        wordRows_[i] += row.find(kShortcutFestivals[i].word) != std::string::npos;
}

void LibraryStats::CountClauses(const std::vector<std::string>& natural) {
    std::map<std::string, std::size_t> rowsOf;
    for (const std::string& row : natural) {
        const auto clauses = SplitClauses(row);
        for (const std::string& c : std::set<std::string>(clauses.begin(), clauses.end()))
            if (CodePointCount(c) >= kMinCountedClauseChars)
                ++rowsOf[c];
    }
    for (const auto& [clause, n] : rowsOf)
        if (n > topClauseRows_) {
            topClause_ = clause;
            topClauseRows_ = n;
        }
}

void LibraryStats::CountSixGrams(const std::vector<std::string>& natural) {
    std::unordered_set<std::u32string> grams;
    for (const std::string& row : natural) {
        const auto cps = DecodeUtf8(row).value_or(std::vector<char32_t>{});
        for (std::size_t i = 0; i + kGram <= cps.size(); ++i, ++sixGrams_)
            grams.emplace(cps.begin() + static_cast<std::ptrdiff_t>(i),
                          cps.begin() + static_cast<std::ptrdiff_t>(i + kGram));
    }
    distinctSixGrams_ = grams.size();
}

void LibraryStats::Print(std::ostream& out) const {
    out << std::fixed << std::setprecision(2);
    out << "rows                     " << rows_ << "\n";
    out << "mean length (natural)    " << (rows_ ? static_cast<double>(chars_) / rows_ : 0.0)
        << " characters\n";
    out << "distinct 6-grams         " << distinctSixGrams_ << " of " << sixGrams_ << " ("
        << Percent(distinctSixGrams_, sixGrams_) << "%)\n";
    out << "most frequent clause     " << topClause_ << " in " << topClauseRows_ << " rows ("
        << Percent(topClauseRows_, rows_) << "%)\n";
    out << "distinct material lines  " << materialEntries_ << "\n";
    out << "rows with a placeholder  " << placeholderRows_ << "\n";
    out << "rows with a source note  " << notedRows_ << " (both notes: " << bothNotesRows_ << ")\n";
    for (std::size_t i = 0; i < kShortcutFestivals.size(); ++i)
        out << "rows with " << kShortcutFestivals[i].word << "            " << wordRows_[i] << "\n";
}

} // namespace duanxin::libgen
