#include "QuotaPlan.h"

#include "LibraryTargets.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

namespace duanxin::libgen {

std::string_view QuotaPlan::ShortcutWord(std::string_view categoryName) {
    for (const ShortcutFestival& f : kShortcutFestivals)
        if (categoryName == f.word || categoryName == std::string(f.word) + "节")
            return f.word;
    return {};
}

unsigned QuotaPlan::WeightOf(std::string_view categoryName) {
    const std::string_view word = ShortcutWord(categoryName);
    for (const ShortcutFestival& f : kShortcutFestivals)
        if (f.word == word)
            return f.weightPercent;
    return kOrdinaryWeightPercent;
}

std::vector<std::size_t> QuotaPlan::RowsPerCategory(const std::vector<Category>& categories,
                                                    std::size_t total) {
    // Largest remainder: floor shares first, then one more row to the largest remainders,
    // earlier categories first on a tie, so the plan is fixed by the material alone.
    std::vector<unsigned long long> weights;
    for (const Category& c : categories)
        weights.push_back(WeightOf(c.name));
    const unsigned long long sum = std::accumulate(weights.begin(), weights.end(), 0ULL);
    std::vector<std::size_t> rows;
    std::vector<std::pair<unsigned long long, std::size_t>> remainders;
    std::size_t given = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        rows.push_back(static_cast<std::size_t>(weights[i] * total / sum));
        remainders.emplace_back(weights[i] * total % sum, i);
        given += rows.back();
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; given < total; ++k, ++given)
        ++rows[remainders[k].second];
    return rows;
}

} // namespace duanxin::libgen
