// The program's own work: start-up to the ready window, and the full listing again.
#include "app/Unit1.h"
#include "framework/core/TApplication.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {
constexpr int kLibraryRows = 26753;

bool Ready(TForm1& form) {
    return form.ADOQuery1->RecordCount() == kLibraryRows && !form.TJ->Text().isEmpty();
}

void Startup(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<TForm1>(Application);
        if (!Ready(*form)) {
            state.SkipWithError("the form did not reach the ready state");
            break;
        }
    }
}
BENCHMARK(Startup)->Unit(benchmark::kMillisecond);

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
} // namespace
