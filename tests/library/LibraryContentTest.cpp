// The generated library as the program reads it: rows, texts, marks and the search shortcuts.
#include "app/library/SourceNotes.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <iconv.h>
#include <map>
#include <set>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kRows = 26753;
constexpr std::size_t kTwoPercent = kRows * 2 / 100;
constexpr std::array<const char*, 3> kPlaceholders{"|☆|", "|〓|", "|※|"};
constexpr std::array<const char*, 3> kPronouns{"我", "你", "他"};
constexpr std::array<const char*, 6> kShortcutWords{"春节", "元旦", "圣诞", "愚人", "母亲", "父亲"};

struct Row {
    bool isNull;
    std::string text;
};

sqlite3* OpenLibrary() {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(DUANXIN_LIBRARY_DB, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        ADD_FAILURE() << "cannot open " << DUANXIN_LIBRARY_DB;
    return db;
}

std::vector<Row> Query(const std::string& sql) {
    sqlite3* db = OpenLibrary();
    sqlite3_stmt* stmt = nullptr;
    std::vector<Row> rows;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sql;
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        rows.push_back({sqlite3_column_type(stmt, 0) == SQLITE_NULL, text ? text : ""});
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

const std::vector<Row>& AllRows() {
    static const std::vector<Row> rows = Query("Select * from data");
    return rows;
}

// Decodes the code point at i of well-formed UTF-8 and moves i past it.
char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = n == 1 ? b : b & (0xFF >> (n + 1));
    for (int k = 1; k < n; ++k)
        c = c << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += n;
    return c;
}

std::u32string CodePoints(const std::string& s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();)
        out += NextCodePoint(s, i);
    return out;
}

bool FitsGbk(const std::string& s) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    std::string in = s;
    std::string out(s.size() * 2 + 8, '\0');
    char* ip = in.data();
    char* op = out.data();
    std::size_t il = in.size();
    std::size_t ol = out.size();
    const bool ok = iconv(cd, &ip, &il, &op, &ol) != static_cast<std::size_t>(-1) && il == 0;
    iconv_close(cd);
    return ok;
}

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

std::string Erase(std::string text, const std::string& part) {
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at))
        text.erase(at, part.size());
    return text;
}

std::string Natural(const std::string& stored) {
    std::string text = Erase(Erase(stored, duanxin::LongSourceNote()), duanxin::ShortSourceNote());
    for (std::size_t i = 0; i < kPlaceholders.size(); ++i)
        for (auto at = text.find(kPlaceholders[i]); at != std::string::npos;
             at = text.find(kPlaceholders[i], at))
            text.replace(at, std::string(kPlaceholders[i]).size(), kPronouns[i]);
    return text;
}

TEST(LibraryRows, HoldsExactlyTheShippedNumberOfDistinctFilledRows) {
    const auto& rows = AllRows();
    ASSERT_EQ(rows.size(), kRows);
    std::set<std::string> distinct;
    for (const Row& r : rows) {
        EXPECT_FALSE(r.isNull);
        EXPECT_FALSE(r.text.empty());
        distinct.insert(r.text);
    }
    EXPECT_EQ(distinct.size(), kRows);
}

TEST(LibraryRows, FitTheColumnAndCodePage936WithoutControlCharacters) {
    for (const Row& r : AllRows()) {
        const std::u32string cps = CodePoints(r.text);
        EXPECT_LE(cps.size(), 255u) << r.text;
        EXPECT_TRUE(FitsGbk(r.text)) << r.text;
        EXPECT_TRUE(std::none_of(cps.begin(), cps.end(), [](char32_t c) {
            return c < 0x20 || (c >= 0x7F && c < 0xA0);
        })) << r.text;
    }
}

TEST(LibraryShortcuts, EveryFestivalWordIsFoundOftenAndSpringFestivalMost) {
    std::map<std::string, std::size_t> hits;
    for (const Row& r : AllRows())
        for (const char* word : kShortcutWords)
            hits[word] += r.text.find(word) != std::string::npos;
    for (const char* word : kShortcutWords) {
        EXPECT_GE(hits[word], 300u) << word;
        if (std::string(word) != "春节") {
            EXPECT_GT(hits["春节"], hits[word]) << word;
        }
    }
}

TEST(LibraryShortcuts, KeywordStatementFindsExactlyTheRowsHoldingTheWord) {
    const auto found = Query("Select 短信内容 from data where 短信内容 like '%春节%' ");
    std::vector<std::string> expected;
    for (const Row& r : AllRows())
        if (r.text.find("春节") != std::string::npos)
            expected.push_back(r.text);
    std::vector<std::string> got;
    for (const Row& r : found)
        got.push_back(r.text);
    EXPECT_EQ(got, expected);
}

TEST(LibraryMarks, PlaceholdersStandForPronounsAndLeaveNoBarOnceFilled) {
    std::size_t rowsWithPlaceholder = 0;
    std::size_t rowsWithRepeatedPlaceholder = 0;
    for (const Row& r : AllRows()) {
        std::size_t most = 0;
        for (const char* p : kPlaceholders)
            most = std::max(most, CountOf(r.text, p));
        rowsWithPlaceholder += most > 0;
        rowsWithRepeatedPlaceholder += most > 1;
        EXPECT_EQ(Natural(r.text).find('|'), std::string::npos) << r.text;
    }
    EXPECT_GE(rowsWithPlaceholder, 1000u);
    EXPECT_GT(rowsWithRepeatedPlaceholder, 0u);
}

TEST(LibraryMarks, SourceNotesComeOnlyInTheirTwoFormsAndCloseTheRow) {
    const std::string longNote = duanxin::LongSourceNote();
    const std::string shortNote = duanxin::ShortSourceNote();
    std::size_t ending = 0;
    std::size_t both = 0;
    for (const Row& r : AllRows()) {
        const bool endsWithNote = r.text.ends_with(longNote) || r.text.ends_with(shortNote);
        ending += endsWithNote;
        both += r.text.find(longNote) != std::string::npos &&
                r.text.find(shortNote) != std::string::npos;
        const std::string rest = Erase(Erase(r.text, longNote), shortNote);
        EXPECT_EQ(rest.find_first_of("()"), std::string::npos) << r.text;
        EXPECT_EQ(rest.find("本信息有"), std::string::npos) << r.text;
        if (rest != r.text) {
            EXPECT_TRUE(endsWithNote) << r.text;
        }
    }
    EXPECT_GE(ending, 1000u);
    EXPECT_GE(both, 50u);
}

TEST(LibraryVariety, NoClauseRecursInMoreThanTwoPercentOfRows) {
    // Clauses of four characters or more; shorter ones are vocatives and interjections.
    const std::u32string ends = U"，。！？；：…";
    const std::u32string trim = U"“”‘’、";
    std::map<std::string, std::size_t> rowsOf;
    for (const Row& r : AllRows()) {
        const std::string text = Natural(r.text) + "。";
        std::set<std::string> clauses;
        std::string current;
        std::size_t chars = 0;
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t start = i;
            const char32_t c = NextCodePoint(text, i);
            if (ends.find(c) == std::u32string::npos) {
                if (trim.find(c) == std::u32string::npos) {
                    current.append(text, start, i - start);
                    ++chars;
                }
                continue;
            }
            if (chars >= 4)
                clauses.insert(current);
            current.clear();
            chars = 0;
        }
        for (const auto& c : clauses)
            ++rowsOf[c];
    }
    ASSERT_GT(rowsOf.size(), 3000u);
    for (const auto& [clause, n] : rowsOf)
        EXPECT_LE(n, kTwoPercent) << clause;
}

} // namespace
