// A console reporter that also keeps the real time of every benchmark by name, so that the
// ratios between the program and its baselines can be printed after the run.
#pragma once

#include "LibraryFigures.h"

#include <benchmark/benchmark.h>
#include <map>
#include <span>
#include <string>

// Figures that go through the disk vary from run to run: such a benchmark runs five times and
// counts with its median.
void MedianOfFive(benchmark::internal::Benchmark* benchmark);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints one line per ratio with its target and per time with its limit, marking a missed
    // one; false when a time is missing because a benchmark failed or was filtered out.
    bool PrintRatios() const;
    // Prints the library figures on the libraries of every number of copies in a table, with
    // how much more a row costs than at the first size; false when a ratio is missed or missing.
    bool PrintScaleTable(std::span<const int> copies) const;

private:
    struct Times {
        double real = 0; // seconds per iteration
        double cpu = 0;
    };
    // Zero when the benchmark did not run.
    Times TimesOf(const std::string& name) const;
    double Seconds(const std::string& name) const; // real time
    // The figure's floor on the library of `copies`; zero when a part of it did not run.
    Times FloorTimes(const LibraryFigure& figure, int copies) const;

    std::map<std::string, Times> times_;
    double residentKilobytes_ = 0; // after start-up, as the start-up benchmark counted it
};
