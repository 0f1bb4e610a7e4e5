// The program's own work: start-up to the ready window, the full listing again, the searches
// and cleaning every row.
#include "app/Unit1.h"
#include "app/library/CleanMessageText.h"
#include "framework/core/TApplication.h"

#include "LibraryFigures.h"
#include "RatioReporter.h"
#include <QFile>
#include <algorithm>

#include <benchmark/benchmark.h>
#include <memory>

namespace {
bool Ready(TForm1& form, const BenchLibrary& library) {
    return form.ADOQuery1->RecordCount() == library.rows && !form.TJ->Text().isEmpty();
}

// Resident memory of the process, in kB, from the kernel's account; 0 when unreadable.
long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void Startup(benchmark::State& state, const BenchLibrary& library) {
    long resident = 0;
    for (auto _ : state) {
        auto form = std::make_unique<TForm1>(Application);
        if (!Ready(*form, library)) {
            state.SkipWithError("the form did not reach the ready state");
            break;
        }
        resident = std::max(resident, ResidentKilobytes());
    }
    state.counters["resident_kB"] = static_cast<double>(resident);
}

void FullReopen(benchmark::State& state, const BenchLibrary& library) {
    TForm1 form(Application);
    if (!Ready(form, library)) {
        state.SkipWithError("the form did not reach the ready state");
        return;
    }
    for (auto _ : state) {
        form.ReopenQuery(QStringLiteral("Select * from data"));
        benchmark::DoNotOptimize(form.ADOQuery1->RecordCount());
    }
    if (!Ready(form, library))
        state.SkipWithError("the listing lost rows");
}

// The search button's whole handler for a keyword: statement, reopening, status text, and for a
// keyword without hits the box (recorded, not shown) and the second listing.
void RunSearch(benchmark::State& state, const BenchLibrary& library, const QString& keyword,
               bool expectHits) {
    TForm1 form(Application);
    form.searchkeyword->SetText(keyword);
    for (auto _ : state) {
        form.suitempButton4Click(form.Button4);
        benchmark::DoNotOptimize(form.TJ->Text());
    }
    const bool listedAll = form.ADOQuery1->RecordCount() == library.rows;
    if (listedAll == expectHits)
        state.SkipWithError("the search did not end with the expected listing");
}

void SpringFestivalSearch(benchmark::State& state, const BenchLibrary& library) {
    RunSearch(state, library, QStringLiteral("春节"), true);
}

void NoHitSearch(benchmark::State& state, const BenchLibrary& library) {
    RunSearch(state, library, QStringLiteral("没有这样的短信"), false);
}

const bool kShippedRegistered = (RegisterProgramFigures(1), true);

// Cleaning every row of the library, as if each were clicked once.
void CleanEveryRow(benchmark::State& state) {
    TForm1 form(Application);
    QStringList rows;
    for (int i = 0; i < form.ADOQuery1->RecordCount(); ++i)
        rows << form.ADOQuery1->CellText(i, 0);
    for (auto _ : state)
        for (const QString& row : rows)
            benchmark::DoNotOptimize(CleanMessageText(row));
}
BENCHMARK(CleanEveryRow)->Unit(benchmark::kMillisecond);
} // namespace

void RegisterProgramFigures(int copies) {
    RegisterAt("Startup", copies, Startup)->Apply(MedianOfFive);
    RegisterAt("FullReopen", copies, FullReopen);
    RegisterAt("SpringFestivalSearch", copies, SpringFestivalSearch);
    RegisterAt("NoHitSearch", copies, NoHitSearch);
}
