// The material reader on small files written here, good and faulty.
#include "MaterialParser.h"
#include "MaterialError.h"
#include "MaterialLibrary.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

using duanxin::libgen::Category;
using duanxin::libgen::MaterialError;
using duanxin::libgen::MaterialLibrary;
using duanxin::libgen::MaterialParser;
using duanxin::libgen::Section;

struct SectionFill {
    const char* header;
    const char* tag;
    int count;
    const char* ending;
};
constexpr SectionFill kFills[] = {
    {"[whole]", "整", 25, "条完整的测试短信，愿你天天开心快乐。"},
    {"[opener]", "开", 15, "句开头，"},
    {"[body]", "中", 30, "句正文写在这里。"},
    {"[wish]", "祝", 25, "句祝你万事如意！"},
    {"[closing]", "结", 10, "句结尾。"},
};

// A well-formed file; extra lines go into the section named by where.
std::string GoodFile(const std::string& where = "", const std::string& extra = "") {
    std::string text = "# 测试用的素材\n\n@category 测试\n";
    for (const SectionFill& f : kFills) {
        text += std::string(f.header) + "\n";
        for (int i = 0; i < f.count; ++i)
            text += std::string(f.tag) + "第" + std::to_string(i) + f.ending + "\n";
        if (where == f.header)
            text += extra + "\n";
    }
    return text;
}

std::string ErrorOf(const std::string& text) {
    try {
        MaterialParser::Parse(text, "t.txt");
    } catch (const MaterialError& e) {
        return e.what();
    }
    return "no error";
}

TEST(MaterialParser, ReadsCategoryAndEntriesOfEverySection) {
    const Category c =
        MaterialParser::Parse(GoodFile("[body]", "  多出来的一句正文，前后有空格。  "), "t.txt");
    EXPECT_EQ(c.name, "测试");
    EXPECT_EQ(c.Lines(Section::Whole).size(), 25u);
    EXPECT_EQ(c.Lines(Section::Opener).size(), 15u);
    ASSERT_EQ(c.Lines(Section::Body).size(), 31u);
    EXPECT_EQ(c.Lines(Section::Body).back().text, "多出来的一句正文，前后有空格。");
    EXPECT_EQ(c.Lines(Section::Wish).size(), 25u);
    EXPECT_EQ(c.Lines(Section::Closing).size(), 10u);
    EXPECT_EQ(c.Lines(Section::Whole).front().lineNumber, 5u);
}

TEST(MaterialParser, AcceptsByteOrderMarkAndWindowsLineEnds) {
    std::string text = "\xEF\xBB\xBF" + GoodFile();
    for (auto at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, "\r");
    EXPECT_EQ(MaterialParser::Parse(text, "t.txt").Lines(Section::Closing).size(), 10u);
}

TEST(MaterialParser, RequiresTheCategoryLineFirst) {
    EXPECT_EQ(ErrorOf("# 只有注释\n[whole]\n"),
              "t.txt:2: the first line must be \"@category NAME\"");
    EXPECT_EQ(ErrorOf("@category   \n"), "t.txt:1: the first line must be \"@category NAME\"");
    EXPECT_EQ(ErrorOf("# 空文件\n"), "t.txt:1: no \"@category NAME\" line");
}

TEST(MaterialParser, RefusesUnknownMisplacedAndMissingSections) {
    EXPECT_EQ(ErrorOf("@category 测试\n[greeting]\n"), "t.txt:2: unknown section [greeting]");
    EXPECT_EQ(ErrorOf("@category 测试\n[body]\n[opener]\n"),
              "t.txt:3: section [opener] out of order");
    EXPECT_EQ(ErrorOf("@category 测试\n没有小节的一行文字。\n"),
              "t.txt:2: an entry before the first section");
    EXPECT_EQ(ErrorOf("@category 测试\n[whole]\n@category 又一个\n"),
              "t.txt:3: a second directive");
    EXPECT_NE(ErrorOf("@category 测试\n[whole]\n一条完整的测试短信，长度刚好够二十个字了吧。\n")
                  .find("section [whole] holds 1 entries, fewer than 25"),
              std::string::npos);
}

TEST(MaterialParser, RefusesForbiddenCharacters) {
    EXPECT_EQ(ErrorOf(GoodFile("[body]", "一句带有半角逗号,的正文。")),
              "t.txt:77: forbidden character U+002C");
    EXPECT_EQ(ErrorOf(GoodFile("[body]", "一句带有竖线|的正文。")),
              "t.txt:77: forbidden character U+007C");
    EXPECT_EQ(ErrorOf(GoodFile("[body]", "一句带有(括号)的正文。")),
              "t.txt:77: forbidden character U+0028");
    EXPECT_EQ(ErrorOf(GoodFile("[body]", "一句带有☆星号的正文。")),
              "t.txt:77: forbidden character U+2606");
    EXPECT_EQ(ErrorOf(GoodFile("[body]", "一句带有\t制表符的正文。")),
              "t.txt:77: forbidden character U+0009");
    EXPECT_EQ(ErrorOf(GoodFile("[body]", "一句中间 有空格的正文。")),
              "t.txt:77: forbidden character U+0020");
}

TEST(MaterialParser, RefusesTextOutsideUtf8OrGbk) {
    EXPECT_EQ(ErrorOf(GoodFile("[body]", "一句坏掉的\xE4\xB8正文。")),
              "t.txt:77: not well-formed UTF-8");
    EXPECT_EQ(ErrorOf(GoodFile("[body]", "一句带有表情😀的正文。")),
              "t.txt:77: a character outside GBK (code page 936)");
}

TEST(MaterialParser, HoldsEntriesToTheLengthAndEndingOfTheirSection) {
    EXPECT_EQ(ErrorOf(GoodFile("[opener]", "太短了，")),
              "t.txt:46: 4 characters, [opener] entries take 5 to 30");
    std::string longWish;
    for (int i = 0; i < 45; ++i)
        longWish += "祝";
    EXPECT_EQ(ErrorOf(GoodFile("[wish]", longWish + "！")),
              "t.txt:103: 46 characters, [wish] entries take 8 to 45");
    EXPECT_EQ(ErrorOf(GoodFile("[wish]", "祝你天天开心快乐？")),
              "t.txt:103: a [wish] entry ends with U+FF1F");
    EXPECT_EQ(ErrorOf(GoodFile("[body]", "他说：“明天见！”")), "no error");
}

class MaterialFolder : public testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/duanxin-material-test-XXXXXX";
        folder_ = mkdtemp(name);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    void Write(const std::string& file, const std::string& text) {
        std::ofstream(folder_ / file) << text;
    }
    std::filesystem::path folder_;
};

TEST_F(MaterialFolder, ReadsTextFilesInNameOrderAndIgnoresOthers) {
    std::string second = GoodFile();
    for (auto at = second.find("第"); at != std::string::npos; at = second.find("第", at + 6))
        second.replace(at, 3, "号");
    Write("b.txt", GoodFile());
    Write("a.txt", std::string(second).replace(second.find("测试\n"), 7, "甲类\n"));
    Write("notes.md", "不是素材");
    const auto categories = MaterialLibrary::Load(folder_);
    ASSERT_EQ(categories.size(), 2u);
    EXPECT_EQ(categories[0].fileName, "a.txt");
    EXPECT_EQ(categories[0].name, "甲类");
    EXPECT_EQ(categories[1].fileName, "b.txt");
    EXPECT_EQ(MaterialLibrary::EntryCount(categories), 2u * 105);
}

TEST_F(MaterialFolder, ReportsEveryRepeatedLineWithBothPlaces) {
    Write("a.txt", GoodFile("[body]", "整第3条完整的测试短信，愿你天天开心快乐。"));
    std::string other = GoodFile();
    other.replace(other.find("测试\n"), 7, "乙类\n");
    Write("b.txt", other);
    try {
        MaterialLibrary::Load(folder_);
        FAIL() << "repeated lines were accepted";
    } catch (const MaterialError& e) {
        const std::string report = e.what();
        EXPECT_NE(report.find("a.txt:77: repeats a.txt:8: 整第3条"), std::string::npos) << report;
        EXPECT_NE(report.find("b.txt:5: repeats a.txt:5: 整第0条"), std::string::npos) << report;
        EXPECT_NE(report.find("b.txt:113: repeats a.txt:114: 结第9句结尾。"), std::string::npos)
            << report;
    }
}

TEST_F(MaterialFolder, RefusesAFolderWithoutMaterial) {
    Write("readme.md", "空");
    EXPECT_THROW(MaterialLibrary::Load(folder_), MaterialError);
    EXPECT_THROW(MaterialLibrary::Load(folder_ / "missing"), MaterialError);
}

} // namespace
