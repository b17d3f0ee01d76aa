// Reading a week of a meter's 1-s levels from its CSV export (604,800 rows with an LA90, made in
// memory), and the first look a window takes at it.

#include "bench/seconds_csv.h"
#include "levels_csv/read_levels_csv.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace vrd::bench {
namespace {

// A week of seconds from 2025-03-22.
const std::string& WeekOfSeconds() {
    static const std::string bytes = bench::SecondsCsv(7, 22);
    return bytes;
}

void BM_ReadLevelsCsvWeek(benchmark::State& state) {
    const std::string& bytes = WeekOfSeconds();
    std::size_t held = 0;
    std::size_t samples = 0;
    for (auto _ : state) {
        const LevelsCsvRead read = ReadLevelsCsv(bytes, "week.csv");
        if (!read.levels) {
            state.SkipWithError(DescribeCsvRefusal(*read.refusal).c_str());
            break;
        }
        held = read.levels->samples.BytesHeld();
        samples = read.levels->samples.Size();
        benchmark::DoNotOptimize(read.levels->samples.Level(samples / 2));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["rows"] = static_cast<double>(samples);
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    state.counters["bytes_per_sample"] =
        samples == 0 ? 0.0 : static_cast<double>(held) / static_cast<double>(samples);
}
BENCHMARK(BM_ReadLevelsCsvWeek)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same week without its LA90 column: the 8 bytes a sample of the series.
void BM_ReadLevelsCsvWeekLevelOnly(benchmark::State& state) {
    const std::string& bytes = WeekOfSeconds();
    CsvReadOptions options;
    options.l90.by = CsvColumnChoice::By::None;
    std::size_t held = 0;
    std::size_t samples = 0;
    for (auto _ : state) {
        const LevelsCsvRead read = ReadLevelsCsv(bytes, "week.csv", options);
        held = read.levels ? read.levels->samples.BytesHeld() : 0;
        samples = read.levels ? read.levels->samples.Size() : 0;
        benchmark::DoNotOptimize(held);
    }
    state.counters["bytes_per_sample"] =
        samples == 0 ? 0.0 : static_cast<double>(held) / static_cast<double>(samples);
}
BENCHMARK(BM_ReadLevelsCsvWeekLevelOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DetectLevelsCsv(benchmark::State& state) {
    const std::string_view first = std::string_view(WeekOfSeconds()).substr(0, 256 << 10);
    for (auto _ : state)
        benchmark::DoNotOptimize(DetectLevelsCsv(first, "week.csv").step);
}
BENCHMARK(BM_DetectLevelsCsv)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
} // namespace vrd::bench
