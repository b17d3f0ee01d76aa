// The analysis of the year of minutes: the series, the whole analysis, the figures of a sub-range
// as the analysis window asks for them on every mouse move, the runs above a level marked, vrdtool
// stats in-process, and the assessment of a source heard 500 times over the year, alone and as
// vrdtool assess.

#include "bench/null_stream.h"
#include "bench/year_files.h"

#include "analysis/analyse.h"
#include "analysis/assess.h"
#include "analysis/exclusion_file.h"
#include "analysis/minute_marks.h"
#include "analysis/open_files.h"
#include "analysis/range_statistics.h"
#include "analysis/runs_above.h"
#include "tools/vrdtool/assess_command.h"
#include "tools/vrdtool/stats_command.h"

#include <benchmark/benchmark.h>

#include <random>

namespace vrd::bench {
namespace {

const std::string& YearMinuteLines() {
    static const std::string lines = OpenMinuteLines({Year().txtPath, true}).minuteLines;
    return lines;
}

const MinuteSeries& YearSeries() {
    static const MinuteSeries series = SeriesOfMinuteLines(YearMinuteLines());
    return series;
}

AnalysisSettings YearSettings() {
    AnalysisSettings settings;
    settings.threshold = 85;
    return settings;
}

void BM_SeriesOfMinuteLines(benchmark::State& state) {
    const std::string& lines = YearMinuteLines();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const MinuteSeries series = SeriesOfMinuteLines(lines);
        bytes = series.BytesHeld();
        benchmark::DoNotOptimize(series.Size());
    }
    state.counters["bytes_per_minute"] =
        static_cast<double>(bytes) / static_cast<double>(YearSeries().Size());
}
BENCHMARK(BM_SeriesOfMinuteLines)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Analyse(benchmark::State& state) {
    const MinuteSeries& series = YearSeries();
    const AnalysisSettings settings = YearSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(Analyse(series, settings).overall.leq);
}
BENCHMARK(BM_Analyse)->Unit(benchmark::kMillisecond)->UseRealTime();

// Everything after the open: the series from the records, then the whole analysis.
void BM_AnalysisAfterOpen(benchmark::State& state) {
    const std::string& lines = YearMinuteLines();
    const AnalysisSettings settings = YearSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(Analyse(SeriesOfMinuteLines(lines), settings).overall.leq);
}
BENCHMARK(BM_AnalysisAfterOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RangeStatisticsIndex(benchmark::State& state) {
    const MinuteSeries& series = YearSeries();
    for (auto _ : state) {
        const RangeStatistics statistics(series, 85.0);
        benchmark::DoNotOptimize(&statistics);
    }
}
BENCHMARK(BM_RangeStatisticsIndex)->Unit(benchmark::kMillisecond)->UseRealTime();

// One arbitrary interval of the year with three exclusions in it, a new one each call.
void BM_RangeFigures(benchmark::State& state) {
    const MinuteSeries& series = YearSeries();
    const RangeStatistics statistics(series, 85.0);
    const Minute first = *series.First();
    const Minute span = *series.End() - first;
    std::mt19937_64 random(1);
    for (auto _ : state) {
        Minute from = first + static_cast<Minute>(random() % static_cast<std::uint64_t>(span));
        Minute to = first + static_cast<Minute>(random() % static_cast<std::uint64_t>(span));
        if (from > to)
            std::swap(from, to);
        std::vector<Exclusion> exclusions;
        for (int e = 0; e < 3; ++e) {
            const Minute at =
                from + static_cast<Minute>(random() % static_cast<std::uint64_t>(to - from + 1));
            exclusions.push_back({SpanOfMinutes({at, at + 120}), "rain"});
        }
        benchmark::DoNotOptimize(
            statistics.Figures({from, to}, MinutesStartingIn(MergeExclusions(exclusions)))
                .levels.leq);
    }
}
BENCHMARK(BM_RangeFigures)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The whole year, which the window shows first.
void BM_RangeFiguresWholeYear(benchmark::State& state) {
    const MinuteSeries& series = YearSeries();
    const RangeStatistics statistics(series, 85.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            statistics.Figures({*series.First(), *series.End()}, {}).levels.leq);
}
BENCHMARK(BM_RangeFiguresWholeYear)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The marks of the runs above 65 dB over the whole year with three exclusions, as the runs dialog
// counts them on every keystroke: as they are, then joined across 5 minutes and 10 minutes long.
void MarkedRunsOfTheYear(benchmark::State& state, Minute joinMinutes, Minute minMinutes) {
    const MinuteSeries& series = YearSeries();
    const Interval year{*series.First(), *series.End()};
    const Minute third = year.Length() / 3;
    const std::vector<TimeSpan> excluded = MergeExclusions(
        {{SpanOfMinutes({year.from + third, year.from + third + 600}), "rain"},
         {SpanOfMinutes({year.from + 2 * third, year.from + 2 * third + 600}), "rain"},
         {SpanOfMinutes({year.to - 600, year.to}), "rain"}});
    RunMarking marking;
    marking.threshold = 65;
    marking.joinMinutes = joinMinutes;
    marking.minMinutes = minMinutes;
    std::size_t marks = 0;
    for (auto _ : state) {
        marks = MarkedRuns(series, SpanOfMinutes(year), excluded, marking).size();
        benchmark::DoNotOptimize(marks);
    }
    state.counters["marks"] = static_cast<double>(marks);
}

void BM_MarkedRuns(benchmark::State& state) {
    MarkedRunsOfTheYear(state, 0, 1);
}
BENCHMARK(BM_MarkedRuns)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MarkedRunsJoined(benchmark::State& state) {
    MarkedRunsOfTheYear(state, 5, 10);
}
BENCHMARK(BM_MarkedRunsJoined)->Unit(benchmark::kMillisecond)->UseRealTime();

// As `vrdtool stats FILE --json --threshold 85`, next to BM_VrdtoolShow.
void BM_VrdtoolStatsJson(benchmark::State& state) {
    NullStream out, err;
    StatsArguments arguments;
    arguments.files = {Year().vrdPath};
    arguments.json = true;
    arguments.threshold = "85";
    for (auto _ : state)
        if (RunStats(arguments, out, err) != 0)
            state.SkipWithError("the command failed");
}
BENCHMARK(BM_VrdtoolStatsJson)->Unit(benchmark::kMillisecond)->UseRealTime();

// 500 source intervals of 45 minutes spread evenly over the year, as --source arguments.
constexpr int kSourceIntervals = 500;

std::vector<std::string> YearSources() {
    const MinuteSeries& series = YearSeries();
    const Minute first = *series.First();
    const Minute step = (*series.End() - first) / kSourceIntervals;
    std::vector<std::string> sources;
    for (int i = 0; i < kSourceIntervals; ++i) {
        const Minute from = first + i * step + 17;
        sources.push_back(FormatSpan(SpanOfMinutes({from, from + 45})));
    }
    return sources;
}

void BM_AssessEmergence(benchmark::State& state) {
    const MinuteSeries& series = YearSeries();
    AnalysisSettings settings;
    for (const std::string& source : YearSources())
        AddMarks(settings, {{MarkKind::Source, *ParseSpan(source), ""}});
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Assess(series, settings, {Standard::FrNeighbourhood, false}).minutes.source);
}
BENCHMARK(BM_AssessEmergence)->Unit(benchmark::kMillisecond)->UseRealTime();

// As `vrdtool assess FILE --json --standard S --source ...` (500 of them), next to
// BM_VrdtoolShow.
void VrdtoolAssessJson(benchmark::State& state, const char* standard) {
    NullStream out, err;
    AssessArguments arguments;
    arguments.files = {Year().vrdPath};
    arguments.json = true;
    arguments.standard = standard;
    arguments.sources = YearSources();
    for (auto _ : state)
        if (RunAssess(arguments, out, err) != 0)
            state.SkipWithError("the command failed");
}

void BM_VrdtoolAssessJson(benchmark::State& state) {
    VrdtoolAssessJson(state, "fr-neighbourhood");
}
BENCHMARK(BM_VrdtoolAssessJson)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VrdtoolAssessBackgroundJson(benchmark::State& state) {
    VrdtoolAssessJson(state, "bs4142");
}
BENCHMARK(BM_VrdtoolAssessBackgroundJson)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vrd::bench
