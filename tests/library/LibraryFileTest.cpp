// The library file itself: format, schema, size, and that the generator reproduces it exactly.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Column(const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(DUANXIN_LIBRARY_DB, &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    std::vector<std::string> values;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sql;
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        std::string row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            row += (i ? "|" : "") + std::string(t ? t : "NULL");
        }
        values.push_back(row);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return values;
}

int RunGenerator(const std::string& args, const fs::path& errors) {
    const std::string cmd =
        std::string("\"") + DUANXIN_LIBGEN + "\" " + args + " 2>\"" + errors.string() + "\"";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class TempFolder {
public:
    TempFolder() {
        char name[] = "/tmp/duanxin-library-test-XXXXXX";
        path_ = mkdtemp(name);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

TEST(LibraryFile, IsAnSqliteFileOfFourKilobytePagesUnderSixMegabytes) {
    const std::string bytes = Bytes(DUANXIN_LIBRARY_DB);
    ASSERT_GE(bytes.size(), 100u);
    EXPECT_EQ(bytes.substr(0, 16), std::string("SQLite format 3\0", 16));
    EXPECT_EQ(Column("PRAGMA page_size"), std::vector<std::string>{"4096"});
    EXPECT_EQ(bytes.size() % 4096, 0u);
    EXPECT_LT(bytes.size(), 6u * 1024 * 1024);
}

TEST(LibraryFile, HoldsOneTableWithOneNullableTextColumnAndNoIndex) {
    EXPECT_EQ(Column("SELECT type, name, sql FROM sqlite_master"),
              std::vector<std::string>{"table|data|CREATE TABLE data (短信内容 TEXT)"});
    // cid, name, type, notnull, default, pk
    EXPECT_EQ(Column("PRAGMA table_info(data)"),
              std::vector<std::string>{"0|短信内容|TEXT|0|NULL|0"});
}

TEST(LibraryGenerator, WritesTheSameBytesOnEveryRun) {
    TempFolder temp;
    const std::string material = DUANXIN_MATERIAL_DIR;
    for (const char* name : {"first.mdb", "second.mdb"})
        ASSERT_EQ(RunGenerator("\"" + material + "\" \"" + (temp.path() / name).string() + "\"",
                               temp.path() / "errors.txt"),
                  0)
            << Bytes(temp.path() / "errors.txt");
    const std::string first = Bytes(temp.path() / "first.mdb");
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, Bytes(temp.path() / "second.mdb"));
    EXPECT_EQ(first, Bytes(DUANXIN_LIBRARY_DB));
}

TEST(LibraryGenerator, RefusesFaultyMaterialNamingTheLineAndLeavesNoFile) {
    TempFolder temp;
    fs::create_directory(temp.path() / "material");
    std::ofstream(temp.path() / "material" / "bad.txt") << "# test\n@category 测试\n[greeting]\n";
    const fs::path out = temp.path() / "out.mdb";
    EXPECT_EQ(
        RunGenerator("\"" + (temp.path() / "material").string() + "\" \"" + out.string() + "\"",
                     temp.path() / "errors.txt"),
        1);
    EXPECT_NE(Bytes(temp.path() / "errors.txt").find("bad.txt:3: unknown section [greeting]"),
              std::string::npos)
        << Bytes(temp.path() / "errors.txt");
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(out.string() + ".part"));
}

TEST(LibraryGenerator, RefusesTooLittleMaterialWithoutWritingHalfALibrary) {
    // Enough for the parser, far too little for the library: composition fails late.
    TempFolder temp;
    fs::create_directory(temp.path() / "material");
    std::ofstream file(temp.path() / "material" / "chunjie.txt");
    file << "@category 春节\n";
    const std::vector<std::tuple<const char*, char, int>> sections{{"[whole]", 'A', 25},
                                                                   {"[opener]", 'B', 15},
                                                                   {"[body]", 'C', 30},
                                                                   {"[wish]", 'D', 25},
                                                                   {"[closing]", 'E', 10}};
    for (const auto& [header, tag, count] : sections) {
        file << header << "\n";
        for (int i = 0; i < count; ++i)
            file << tag << i << "号春节条目，这是一句足够长的测试文字啊。\n";
    }
    file.close();
    const fs::path out = temp.path() / "out.mdb";
    EXPECT_EQ(
        RunGenerator("\"" + (temp.path() / "material").string() + "\" \"" + out.string() + "\"",
                     temp.path() / "errors.txt"),
        1);
    EXPECT_FALSE(Bytes(temp.path() / "errors.txt").empty());
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(out.string() + ".part"));
}

} // namespace
