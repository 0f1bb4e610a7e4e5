// Runs the benchmarks offscreen in a private runtime folder, then prints the ratios between the
// program's work and its baselines.
#include "RatioReporter.h"
#include "framework/core/TApplication.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime; // created 0700, removed at exit
    if (!runtime.isValid()) {
        std::fprintf(stderr, "cannot create a private runtime folder\n");
        return 1;
    }
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication toolkit(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TApplication application;
    int boxes = 0;
    application.SetMessageBoxPresenter(
        [&boxes](TMessageBoxKind, const QString&, const QString&) { ++boxes; });
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (boxes > 0)
        std::printf("%d message boxes were shown during the run\n", boxes);
    return reporter.PrintRatios() ? 0 : 2;
}
