#include "LibraryRows.h"

#include <sqlite3.h>

QStringList LibraryRows() {
    QStringList rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(DUANXIN_LIBRARY_FILE, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT 短信内容 FROM data ORDER BY rowid", -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        rows << QString::fromUtf8(text ? text : "");
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}
