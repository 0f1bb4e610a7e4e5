// How many rows each category gets: shares by weight, the shortcut festivals weighing more.
#pragma once

#include "Material.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace duanxin::libgen {

class QuotaPlan {
public:
    // The shortcut word of a festival category (春节 for 春节, 愚人 for 愚人节), else empty.
    static std::string_view ShortcutWord(std::string_view categoryName);
    // Rows per category, adding up to total exactly.
    static std::vector<std::size_t> RowsPerCategory(const std::vector<Category>& categories,
                                                    std::size_t total);

private:
    static unsigned WeightOf(std::string_view categoryName);
};

} // namespace duanxin::libgen
