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
        seconds_[median ? run.run_name.function_name : run.benchmark_name()] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (const auto resident = run.counters.find("resident_kB"); resident != run.counters.end())
            residentKilobytes_ = resident->second;
    }
}

double RatioReporter::Seconds(const std::string& name) const {
    const auto found = seconds_.find(name);
    return found == seconds_.end() ? 0.0 : found->second;
}

namespace {
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
    const double startupBaseline =
        Seconds("BareWindow") + Seconds("RawFullFetch") + Seconds("FileWrite");
    const bool startupKnown = PrintRatio("startup", Seconds("Startup"), startupBaseline, 1.3);
    std::printf("resident memory after start-up %.1f MB\n", residentKilobytes_ / 1024.0);
    const bool reopenKnown =
        PrintRatio("full reopen", Seconds("FullReopen"), Seconds("RawFullFetch"), 1.3);
    const bool searchKnown = PrintRatio("search", Seconds("SpringFestivalSearch"),
                                        Seconds("RawSpringFestivalSearch"), 1.3);
    const bool noHitKnown =
        PrintRatio("no-hit search", Seconds("NoHitSearch"), Seconds("RawNoHitSearch"), 1.3);
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
    return startupKnown && reopenKnown && searchKnown && noHitKnown && menuKnown && buttonKnown &&
           denseButtonKnown && editKnown && barKnown && denseBarKnown && systemMenuKnown;
}
