// Runs the benchmarks offscreen in a private runtime folder, then prints the ratios between the
// program's work and its baselines. With --scale it runs only the library figures, on the
// shipped library and on larger ones made of its rows, and prints them in a table.
#include "LibraryFigures.h"
#include "RatioReporter.h"
#include "framework/core/TApplication.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {
// Takes `flag` out of the arguments; whether it was there.
bool TakeFlag(int& argc, char** argv, const char* flag) {
    char** const end = std::remove_if(argv + 1, argv + argc, [flag](const char* argument) {
        return std::strcmp(argument, flag) == 0;
    });
    const bool found = end != argv + argc;
    argc = static_cast<int>(end - argv);
    return found;
}

void PrepareScaleRun() {
    for (const int copies : kScaleRunCopies) {
        if (copies == 1)
            continue; // registered with the other benchmarks
        RegisterProgramFigures(copies);
        RegisterFloors(copies);
    }
    if (benchmark::GetBenchmarkFilter().empty())
        benchmark::SetBenchmarkFilter(LibraryFiguresFilter());
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime; // created 0700, removed at exit
    if (!runtime.isValid()) {
        std::fprintf(stderr, "cannot create a private runtime folder\n");
        return 1;
    }
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const bool scaleRun = TakeFlag(argc, argv, "--scale");
    QApplication toolkit(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (scaleRun)
        PrepareScaleRun();
    TApplication application;
    int boxes = 0;
    application.SetMessageBoxPresenter(
        [&boxes](TMessageBoxKind, const QString&, const QString&) { ++boxes; });
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (boxes > 0)
        std::printf("%d message boxes were shown during the run\n", boxes);
    const bool held = scaleRun ? reporter.PrintScaleTable(kScaleRunCopies) : reporter.PrintRatios();
    return held ? 0 : 2;
}
