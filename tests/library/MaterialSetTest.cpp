// The material the library is built from, as checked in.
#include "MaterialLibrary.h"
#include "QuotaPlan.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

using duanxin::libgen::MaterialLibrary;
using duanxin::libgen::QuotaPlan;

TEST(MaterialSet, HasEnoughCategoriesAndHandWrittenLines) {
    const auto categories = MaterialLibrary::Load(DUANXIN_MATERIAL_DIR);
    EXPECT_GE(categories.size(), 30u);
    EXPECT_GE(MaterialLibrary::EntryCount(categories), 3000u);
}

TEST(MaterialSet, GivesTheSixShortcutFestivalsTheLargestSharesAndSpringFestivalTheMost) {
    const auto categories = MaterialLibrary::Load(DUANXIN_MATERIAL_DIR);
    const auto rows = QuotaPlan::RowsPerCategory(categories, 26753);
    std::set<std::string> festivals;
    std::size_t smallestFestival = SIZE_MAX;
    std::size_t largestOrdinary = 0;
    std::size_t springFestival = 0;
    std::size_t largestOtherFestival = 0;
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const std::string word(QuotaPlan::ShortcutWord(categories[i].name));
        if (word.empty()) {
            largestOrdinary = std::max(largestOrdinary, rows[i]);
            continue;
        }
        festivals.insert(word);
        smallestFestival = std::min(smallestFestival, rows[i]);
        if (word == "春节")
            springFestival = rows[i];
        else
            largestOtherFestival = std::max(largestOtherFestival, rows[i]);
    }
    EXPECT_EQ(festivals, (std::set<std::string>{"春节", "元旦", "圣诞", "愚人", "母亲", "父亲"}));
    EXPECT_GT(smallestFestival, largestOrdinary);
    EXPECT_GT(springFestival, largestOtherFestival);
}

} // namespace
