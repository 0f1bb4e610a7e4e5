// What start-up and listing cannot do without: reading every row with the bare SQLite API,
// showing an empty window, and writing the library's bytes to a file.
#include "framework/platform/RuntimeFolder.h"

#include "LibraryFigures.h"
#include "RatioReporter.h"
#include <QFile>
#include <QWidget>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {
// Steps through every row of a statement, reading the text of column 0 and its length; the
// row count.
int FetchRows(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        return -1;
    int rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        benchmark::DoNotOptimize(sqlite3_column_text(statement, 0));
        benchmark::DoNotOptimize(sqlite3_column_bytes(statement, 0));
        ++rows;
    }
    sqlite3_finalize(statement);
    return rows;
}

void RawFullFetch(benchmark::State& state, const BenchLibrary& library) {
    for (auto _ : state) {
        sqlite3* db = nullptr;
        const int opened =
            sqlite3_open_v2(library.file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        const int rows = opened == SQLITE_OK ? FetchRows(db, "Select * from data") : -1;
        sqlite3_close(db);
        if (rows <= 0) {
            state.SkipWithError("cannot read the library file");
            break;
        }
    }
}

// The search statement for 春节 on a connection that is already open, as the program's is.
void RawSpringFestivalSearch(benchmark::State& state, const BenchLibrary& library) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(library.file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        state.SkipWithError("cannot read the library file");
        return;
    }
    for (auto _ : state) {
        if (FetchRows(db, "Select 短信内容 from data where 短信内容 like '%春节%' ") <= 0) {
            state.SkipWithError("the search found nothing");
            break;
        }
    }
    sqlite3_close(db);
}

// A search without hits lists everything again: the no-hit statement, then the full listing,
// on a connection that is already open.
void RawNoHitSearch(benchmark::State& state, const BenchLibrary& library) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(library.file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        state.SkipWithError("cannot read the library file");
        return;
    }
    for (auto _ : state) {
        const int hits =
            FetchRows(db, "Select 短信内容 from data where 短信内容 like '%没有这样的短信%' ");
        if (hits != 0 || FetchRows(db, "Select * from data") <= 0) {
            state.SkipWithError("the statements did not give an empty and a full listing");
            break;
        }
    }
    sqlite3_close(db);
}

void BareWindow(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        window.show();
        benchmark::DoNotOptimize(window.isVisible());
    }
}

void FileWrite(benchmark::State& state, const BenchLibrary& library) {
    const QString path = RuntimeFolder::Path() + QStringLiteral("/bench-write");
    const auto size = static_cast<qint64>(library.bytes.size());
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(library.bytes.data()), size) != size) {
            state.SkipWithError("cannot write the runtime folder");
            break;
        }
    }
    QFile::remove(path);
}

const bool kShippedRegistered = (RegisterFloors(1), true);
} // namespace

void RegisterFloors(int copies) {
    RegisterAt("RawFullFetch", copies, RawFullFetch)->Apply(MedianOfFive);
    RegisterAt("RawSpringFestivalSearch", copies, RawSpringFestivalSearch);
    RegisterAt("RawNoHitSearch", copies, RawNoHitSearch);
    if (copies == 1)
        benchmark::RegisterBenchmark(kBareWindow, BareWindow)
            ->Unit(benchmark::kMillisecond)
            ->Apply(MedianOfFive);
    RegisterAt("FileWrite", copies, FileWrite)->Apply(MedianOfFive);
}
