// The composition steps on their own: clause cutting, quotas, marks and their undoing.
#include "LibraryTargets.h"
#include "QuotaPlan.h"
#include "RowDecorator.h"
#include "SplitMix64.h"
#include "Utf8Text.h"
#include "app/library/SourceNotes.h"

#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace {

using namespace duanxin::libgen;

Category Named(const std::string& name) {
    Category c;
    c.name = name;
    return c;
}

TEST(SourceNotes, AreBuiltFromASixCharacterNameAndAnElevenCharacterDomain) {
    EXPECT_EQ(CodePointCount(duanxin::kSourceName), 6u);
    EXPECT_EQ(duanxin::kSourceDomain.size(), 11u);
    EXPECT_TRUE(duanxin::kSourceDomain.ends_with(".example"));
    EXPECT_EQ(duanxin::LongSourceNote(), "(本信息有掌上祝福书屋收集整理 zfw.example)");
    EXPECT_EQ(duanxin::ShortSourceNote(), "(本信息有zfw.example收集整理)");
}

TEST(Utf8Text, CutsClausesAtChinesePunctuationAndDropsIt) {
    EXPECT_EQ(SplitClauses("新春到，福来到！他说：“过年好。”祝你快乐……好运"),
              (std::vector<std::string>{"新春到", "福来到", "他说", "过年好", "祝你快乐", "好运"}));
    EXPECT_TRUE(SplitClauses("！！").empty());
    EXPECT_EQ(CodePointCount("春节ab"), 4u);
    EXPECT_FALSE(DecodeUtf8("\xC0\xAF").has_value());     // overlong
    EXPECT_FALSE(DecodeUtf8("\xED\xA0\x80").has_value()); // surrogate
    EXPECT_TRUE(IsGbkText("祝你春节快乐！“”……"));
    EXPECT_FALSE(IsGbkText("☺"));
}

TEST(QuotaPlan, GivesShortcutFestivalsTheLargestSharesAndAddsUpExactly) {
    EXPECT_EQ(QuotaPlan::ShortcutWord("愚人节"), "愚人");
    EXPECT_EQ(QuotaPlan::ShortcutWord("春节"), "春节");
    EXPECT_EQ(QuotaPlan::ShortcutWord("春节拜年"), "");
    const std::vector<Category> categories{Named("生日"), Named("春节"), Named("母亲节"),
                                           Named("中秋")};
    const auto rows = QuotaPlan::RowsPerCategory(categories, kRowCount);
    EXPECT_EQ(std::accumulate(rows.begin(), rows.end(), std::size_t{0}), kRowCount);
    EXPECT_GT(rows[1], rows[2]);
    EXPECT_GT(rows[2], rows[0]);
    EXPECT_LE(rows[0] > rows[3] ? rows[0] - rows[3] : rows[3] - rows[0], 1u);
}

TEST(SplitMix64, RepeatsItsSequenceAndStaysInBounds) {
    SplitMix64 a(42);
    SplitMix64 b(42);
    for (int i = 0; i < 100; ++i) {
        const auto x = a.Below(7);
        EXPECT_EQ(x, b.Below(7));
        EXPECT_LT(x, 7u);
    }
    SplitMix64 c(0);
    EXPECT_EQ(c.Next(), 0xE220A8397B1DCDAFULL); // the published first splitmix64 output
}

TEST(RowDecorator, MarksCanBeUndoneToTheNaturalText) {
    std::vector<std::string> natural;
    for (int i = 0; i < 200; ++i)
        natural.push_back("第" + std::to_string(i) + "条：我祝你和他新年快乐！你们其他人也快乐。");
    auto rows = natural;
    SplitMix64 rng(7);
    RowDecorator decorator(rng, kMaxRowChars);
    decorator.AddPlaceholders(rows, 120);
    decorator.AddNotes(rows, 100, 30);
    std::size_t marked = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(RowDecorator::Restore(rows[i]), natural[i]);
        EXPECT_NE(rows[i].find("其他"), std::string::npos) << "其他 names no person";
        marked += rows[i] != natural[i];
    }
    EXPECT_GE(marked, 120u);
}

TEST(RowDecorator, FailsWhenTooFewRowsCanTakeTheMarks) {
    std::vector<std::string> rows{"没有人称代词的一句话。", "另一句同样没有的话。"};
    SplitMix64 rng(1);
    RowDecorator decorator(rng, kMaxRowChars);
    EXPECT_THROW(decorator.AddPlaceholders(rows, 1), std::runtime_error);
    EXPECT_THROW(decorator.AddNotes(rows, 2, 2), std::runtime_error);
}

} // namespace
