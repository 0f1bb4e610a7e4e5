#include "RatioReporter.h"

#include <cstdio>

void MedianOfFive(benchmark::internal::Benchmark* benchmark) {
    benchmark->Repetitions(5)->ReportAggregatesOnly(true);
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if ((run.run_type != Run::RT_Iteration && !median) || run.error_occurred)
            continue;
        const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
        times_[median ? run.run_name.function_name : run.benchmark_name()] = {
            run.GetAdjustedRealTime() / perSecond, run.GetAdjustedCPUTime() / perSecond};
        if (const auto resident = run.counters.find("resident_kB"); resident != run.counters.end())
            residentKilobytes_ = resident->second;
    }
}

RatioReporter::Times RatioReporter::TimesOf(const std::string& name) const {
    const auto found = times_.find(name);
    return found == times_.end() ? Times{} : found->second;
}

double RatioReporter::Seconds(const std::string& name) const {
    return TimesOf(name).real;
}

RatioReporter::Times RatioReporter::FloorTimes(const LibraryFigure& figure, int copies) const {
    std::vector<std::string> parts;
    if (figure.withBareWindow)
        parts.emplace_back(kBareWindow);
    for (const char* floor : figure.floors)
        if (floor)
            parts.push_back(NameAt(floor, copies));
    Times total;
    for (const std::string& part : parts) {
        const Times times = TimesOf(part);
        if (times.real <= 0.0)
            return {};
        total = {total.real + times.real, total.cpu + times.cpu};
    }
    return total;
}

namespace {
constexpr double kRatioTarget = 1.3;

bool PrintRatio(const char* label, double measured, double baseline, double target) {
    if (measured <= 0.0 || baseline <= 0.0) {
        std::printf("%s ratio unavailable (target <= %.1f)\n", label, target);
        return false;
    }
    const double ratio = measured / baseline;
    std::printf("%s ratio %.2f (target <= %.1f)%s\n", label, ratio, target,
                ratio <= target ? "" : " MISSED");
    return true;
}

bool PrintLimit(const char* label, double measured, double limit) {
    if (measured <= 0.0) {
        std::printf("%s time unavailable (limit %g ms)\n", label, limit * 1e3);
        return false;
    }
    std::printf("%s %.3f ms (limit %g ms)%s\n", label, measured * 1e3, limit * 1e3,
                measured <= limit ? "" : " MISSED");
    return true;
}
// Paints that run on every mouse move must stay within 1 % of a 60 Hz frame.
constexpr double kFrame = 1.0 / 60.0;
constexpr double kFrameShare = 0.01;

bool PrintFrameShare(const char* label, double measured) {
    if (measured <= 0.0) {
        std::printf("%s time unavailable (limit %.0f us)\n", label, kFrame * kFrameShare * 1e6);
        return false;
    }
    const double share = measured / kFrame;
    std::printf("%s %.1f us, %.2f %% of a 60 Hz frame (limit %.0f %%)%s\n", label, measured * 1e6,
                share * 100, kFrameShare * 100, share <= kFrameShare ? "" : " MISSED");
    return true;
}
} // namespace

bool RatioReporter::PrintRatios() const {
    bool libraryKnown = true;
    for (const LibraryFigure& figure : kLibraryFigures)
        libraryKnown = PrintRatio(figure.label, Seconds(figure.program), FloorTimes(figure, 1).real,
                                  kRatioTarget) &&
                       libraryKnown;
    std::printf("resident memory after start-up %.1f MB\n", residentKilobytes_ / 1024.0);
    const bool menuKnown =
        PrintLimit("owner-drawn popup menu", Seconds("OwnerDrawnPopupMenu"), 0.002);
    const bool buttonKnown = PrintFrameShare("skinned button paint", Seconds("SkinnedButtonPaint"));
    const bool editKnown = PrintFrameShare("skinned edit paint", Seconds("SkinnedEditPaint"));
    const bool denseButtonKnown = PrintFrameShare("skinned button paint at a pixel ratio of 2",
                                                  Seconds("SkinnedButtonPaintAtRatio2"));
    const bool barKnown = PrintFrameShare("title bar paint", Seconds("TitleBarPaint"));
    const bool denseBarKnown =
        PrintFrameShare("title bar paint at a pixel ratio of 2", Seconds("TitleBarPaintAtRatio2"));
    const bool systemMenuKnown = PrintFrameShare("system menu paint", Seconds("SystemMenuPaint"));
    return libraryKnown && menuKnown && buttonKnown && denseButtonKnown && editKnown && barKnown &&
           denseBarKnown && systemMenuKnown;
}

namespace {
// Processor time hardly moves with the load of a shared machine, which real time follows: a
// row's cost compares processor times, and a row that costs over a tenth more than at the first
// size is taken to grow faster than the rows.
constexpr double kRowCostMargin = 1.1;

// A row's cost at `copies` over its cost at the first size; 0 when either time is missing.
double RowCost(double seconds, int copies, double firstSeconds, int firstCopies) {
    if (seconds <= 0.0 || firstSeconds <= 0.0)
        return 0.0;
    return (seconds / copies) / (firstSeconds / firstCopies);
}

std::string CostText(double cost) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", cost);
    return cost > 0.0 ? text : "-";
}
} // namespace

bool RatioReporter::PrintScaleTable(std::span<const int> copies) const {
    std::printf(
        "\nlibrary figures on the shipped rows repeated: real time and its ratio (target <= "
        "%.1f), processor time, and a row's processor time over its time at %d rows "
        "(marked over %.1f)\n",
        kRatioTarget, copies.front() * kShippedRows, kRowCostMargin);
    std::printf("%8s  %-14s %22s  %22s  %16s\n", "", "", "real ms", "processor ms", "row cost");
    std::printf("%8s  %-14s %8s %7s %5s  %8s %7s %5s  %8s %7s\n", "rows", "figure", "program",
                "floor", "ratio", "program", "floor", "ratio", "program", "floor");
    bool held = true;
    for (const LibraryFigure& figure : kLibraryFigures) {
        const Times firstProgram = TimesOf(NameAt(figure.program, copies.front()));
        const Times firstFloor = FloorTimes(figure, copies.front());
        for (const int copy : copies) {
            const Times program = TimesOf(NameAt(figure.program, copy));
            const Times floor = FloorTimes(figure, copy);
            const int rows = copy * kShippedRows;
            if (program.real <= 0.0 || floor.real <= 0.0) {
                std::printf("%8d  %-14s unavailable\n", rows, figure.label);
                held = false;
                continue;
            }
            const double ratio = program.real / floor.real;
            const double cost = RowCost(program.cpu, copy, firstProgram.cpu, copies.front());
            held = held && ratio <= kRatioTarget;
            std::printf("%8d  %-14s %8.2f %7.2f %5.2f  %8.2f %7.2f %5.2f  %8s %7s%s%s\n", rows,
                        figure.label, program.real * 1e3, floor.real * 1e3, ratio,
                        program.cpu * 1e3, floor.cpu * 1e3, program.cpu / floor.cpu,
                        CostText(cost).c_str(),
                        CostText(RowCost(floor.cpu, copy, firstFloor.cpu, copies.front())).c_str(),
                        ratio <= kRatioTarget ? "" : "  ratio MISSED",
                        cost <= kRowCostMargin ? "" : "  grows faster than the rows");
        }
    }
    return held;
}
