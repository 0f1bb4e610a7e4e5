#include "LibraryFigures.h"

#include "app/library/LibraryStatements.h"
#include "framework/platform/ResourceStore.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <sqlite3.h>

namespace {
using LibraryStatements::kResourceName;
using LibraryStatements::kResourceType;

struct BuiltLibrary {
    QByteArray bytes;
    BenchLibrary library;
};

bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Runs `sql`, which gives no rows, with ?1 bound to `text` and ?2 to `number` where it has them.
bool Run(sqlite3* db, const char* sql, const std::string& text, sqlite3_int64 number = 0) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        return false;
    sqlite3_bind_text(statement, 1, text.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(statement, 2, number);
    const int rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    return rc == SQLITE_DONE;
}

sqlite3_int64 Number(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    const sqlite3_int64 number =
        sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    return number;
}

// A copy of the shipped library in its own format (text encoding, pages, schema).
bool CopyShipped(const std::string& file) {
    sqlite3* db = nullptr;
    const bool copied =
        sqlite3_open_v2(DUANXIN_LIBRARY_FILE, &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        Run(db, "Vacuum into ?1", file);
    sqlite3_close(db);
    return copied;
}

// The shipped library with its rows `copies` times over, in their order. Every copy after the
// first ends each message with its number, so no two rows are alike and a search hits as often
// in every copy.
bool WriteRepeated(const std::string& file, int copies) {
    if (!CopyShipped(file))
        return false;
    sqlite3* db = nullptr;
    bool written = sqlite3_open(file.c_str(), &db) == SQLITE_OK && Exec(db, "Begin");
    const sqlite3_int64 lastShipped = Number(db, "Select max(rowid) from data");
    for (int copy = 2; written && copy <= copies; ++copy)
        written = Run(db,
                      "Insert into data (短信内容) Select 短信内容 || ?1 from data "
                      "where rowid <= ?2 order by rowid",
                      " #" + std::to_string(copy), lastShipped);
    written = written && Exec(db, "Commit") &&
              Number(db, "Select count(*) from data") == copies * kShippedRows;
    sqlite3_close(db);
    return written;
}

const QTemporaryDir& BuildFolder() {
    static const QTemporaryDir folder;
    return folder;
}

bool Build(int copies, BuiltLibrary& built) {
    if (!BuildFolder().isValid())
        return false;
    const QString path = BuildFolder().filePath(QStringLiteral("library-x%1.db").arg(copies));
    const std::string file = QFile::encodeName(path).toStdString();
    QFile::remove(path); // what a failed attempt left
    QFile read(path);
    if (!WriteRepeated(file, copies) || !read.open(QIODevice::ReadOnly))
        return false;
    built.bytes = read.readAll();
    built.library = {copies * kShippedRows, file,
                     std::as_bytes(std::span(built.bytes.constData(), built.bytes.size()))};
    return true;
}
} // namespace

const BenchLibrary* LibraryOf(int copies) {
    static const BenchLibrary shipped{kShippedRows, DUANXIN_LIBRARY_FILE,
                                      ResourceStore::Find(kResourceName, kResourceType)};
    if (copies == 1)
        return &shipped;
    static std::map<int, BuiltLibrary> built;
    const auto [entry, fresh] = built.try_emplace(copies);
    if (fresh && !Build(copies, entry->second)) {
        built.erase(entry);
        return nullptr;
    }
    return &entry->second.library;
}

ProgramLibrary::ProgramLibrary(const BenchLibrary& library)
    : shipped_(ResourceStore::Find(kResourceName, kResourceType)) {
    ResourceStore::Register(kResourceName, kResourceType, library.bytes);
}

ProgramLibrary::~ProgramLibrary() {
    ResourceStore::Register(kResourceName, kResourceType, shipped_);
}

std::string NameAt(const char* figure, int copies) {
    return copies == 1 ? figure : figure + ("/x" + std::to_string(copies));
}

benchmark::internal::Benchmark* RegisterAt(const char* name, int copies, LibraryBenchmark figure) {
    return benchmark::RegisterBenchmark(NameAt(name, copies).c_str(),
                                        [copies, figure](benchmark::State& state) {
                                            const BenchLibrary* library = LibraryOf(copies);
                                            if (!library) {
                                                state.SkipWithError("cannot build the library");
                                                return;
                                            }
                                            const ProgramLibrary installed(*library);
                                            figure(state, *library);
                                        })
        ->Unit(benchmark::kMillisecond);
}

std::string LibraryFiguresFilter() {
    std::string names = kBareWindow;
    for (const LibraryFigure& figure : kLibraryFigures) {
        names += '|' + std::string(figure.program);
        for (const char* floor : figure.floors)
            if (floor)
                names += '|' + std::string(floor);
    }
    return "^(" + names + ")(/|$)";
}
