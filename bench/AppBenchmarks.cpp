// The program's own work: start-up to the ready window, and the full listing again.
#include "app/Unit1.h"
#include "app/library/CleanMessageText.h"
#include "framework/core/TApplication.h"

#include "RatioReporter.h"
#include <QFile>
#include <algorithm>

#include <benchmark/benchmark.h>
#include <memory>

namespace {
constexpr int kLibraryRows = 26753;

bool Ready(TForm1& form) {
    return form.ADOQuery1->RecordCount() == kLibraryRows && !form.TJ->Text().isEmpty();
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

void Startup(benchmark::State& state) {
    long resident = 0;
    for (auto _ : state) {
        auto form = std::make_unique<TForm1>(Application);
        if (!Ready(*form)) {
            state.SkipWithError("the form did not reach the ready state");
            break;
        }
        resident = std::max(resident, ResidentKilobytes());
    }
    state.counters["resident_kB"] = static_cast<double>(resident);
}
BENCHMARK(Startup)->Unit(benchmark::kMillisecond)->Apply(MedianOfFive);

void FullReopen(benchmark::State& state) {
    TForm1 form(Application);
    if (!Ready(form)) {
        state.SkipWithError("the form did not reach the ready state");
        return;
    }
    for (auto _ : state) {
        form.ReopenQuery(QStringLiteral("Select * from data"));
        benchmark::DoNotOptimize(form.ADOQuery1->RecordCount());
    }
    if (!Ready(form))
        state.SkipWithError("the listing lost rows");
}
BENCHMARK(FullReopen)->Unit(benchmark::kMillisecond);

// The search button's whole handler for a keyword: statement, reopening, status text, and for a
// keyword without hits the box (recorded, not shown) and the second listing.
void RunSearch(benchmark::State& state, const QString& keyword, bool expectHits) {
    TForm1 form(Application);
    form.searchkeyword->SetText(keyword);
    for (auto _ : state) {
        form.suitempButton4Click(form.Button4);
        benchmark::DoNotOptimize(form.TJ->Text());
    }
    const bool listedAll = form.ADOQuery1->RecordCount() == kLibraryRows;
    if (listedAll == expectHits)
        state.SkipWithError("the search did not end with the expected listing");
}

void SpringFestivalSearch(benchmark::State& state) {
    RunSearch(state, QStringLiteral("春节"), true);
}
BENCHMARK(SpringFestivalSearch)->Unit(benchmark::kMillisecond);

void NoHitSearch(benchmark::State& state) {
    RunSearch(state, QStringLiteral("没有这样的短信"), false);
}
BENCHMARK(NoHitSearch)->Unit(benchmark::kMillisecond);

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
