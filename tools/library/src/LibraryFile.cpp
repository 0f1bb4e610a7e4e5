#include "LibraryFile.h"

#include <memory>
#include <sqlite3.h>
#include <stdexcept>

namespace duanxin::libgen {

namespace {

// UTF-16 stores each Chinese character in two bytes instead of three: the file stays small,
// and readers get UTF-8 from SQLite all the same.
constexpr const char* kCreateStatements = "PRAGMA page_size = 4096;"
                                          "PRAGMA encoding = 'UTF-16le';"
                                          "CREATE TABLE data (短信内容 TEXT);";
constexpr const char* kInsertStatement = "INSERT INTO data (短信内容) VALUES (?)";
constexpr const char* kSelectStatement = "SELECT 短信内容 FROM data ORDER BY rowid";

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
    throw std::runtime_error(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

Database Open(const std::filesystem::path& path, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    Database db(raw, &sqlite3_close);
    if (rc != SQLITE_OK)
        Fail(raw, "cannot open " + path.string());
    return db;
}

void Exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(db, sql);
}

Statement Prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        Fail(db, sql);
    return Statement(raw, &sqlite3_finalize);
}

void Insert(sqlite3* db, const std::vector<std::string>& rows) {
    const Statement insert = Prepare(db, kInsertStatement);
    for (const std::string& row : rows) {
        sqlite3_bind_text(insert.get(), 1, row.data(), static_cast<int>(row.size()), SQLITE_STATIC);
        const int rc = sqlite3_step(insert.get());
        sqlite3_reset(insert.get());
        if (rc != SQLITE_DONE)
            Fail(db, kInsertStatement);
    }
}

} // namespace

void LibraryFile::Write(const std::vector<std::string>& rows, const std::filesystem::path& path) {
    const std::filesystem::path temp = path.string() + ".part";
    std::filesystem::remove(temp);
    try {
        {
            const Database db = Open(temp, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            Exec(db.get(), kCreateStatements);
            Exec(db.get(), "BEGIN");
            Insert(db.get(), rows);
            Exec(db.get(), "COMMIT");
            Exec(db.get(), "VACUUM");
        }
        std::filesystem::rename(temp, path);
    } catch (...) {
        std::filesystem::remove(temp);
        throw;
    }
}

std::vector<std::string> LibraryFile::Read(const std::filesystem::path& path) {
    const Database db = Open(path, SQLITE_OPEN_READONLY);
    const Statement select = Prepare(db.get(), kSelectStatement);
    std::vector<std::string> rows;
    int rc;
    while ((rc = sqlite3_step(select.get())) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(select.get(), 0));
        rows.emplace_back(text ? text : "");
    }
    if (rc != SQLITE_DONE)
        Fail(db.get(), kSelectStatement);
    return rows;
}

} // namespace duanxin::libgen
