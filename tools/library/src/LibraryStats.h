// Figures that tell how varied a generated library is.
#pragma once

#include "LibraryTargets.h"

#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace duanxin::libgen {

class LibraryStats {
public:
    static LibraryStats Measure(const std::vector<std::string>& rows, std::size_t materialEntries);
    void Print(std::ostream& out) const;

private:
    void CountMarks(const std::string& row);
    void CountClauses(const std::vector<std::string>& natural);
    void CountSixGrams(const std::vector<std::string>& natural);

    std::size_t rows_ = 0;
    std::size_t materialEntries_ = 0;
    std::size_t chars_ = 0;
    std::size_t sixGrams_ = 0;
    std::size_t distinctSixGrams_ = 0;
    std::string topClause_;
    std::size_t topClauseRows_ = 0;
    std::size_t placeholderRows_ = 0;
    std::size_t notedRows_ = 0;
    std::size_t bothNotesRows_ = 0;
    std::array<std::size_t, kShortcutFestivals.size()> wordRows_{};
};

} // namespace duanxin::libgen
