// The whole vrdtool commands on the year .vrd, run in-process; bytes are .vrd bytes.

#include "bench/null_stream.h"
#include "bench/year_files.h"

#include "tools/vrdtool/commands.h"

#include <benchmark/benchmark.h>

namespace vrd::bench {
namespace {

void Finish(benchmark::State& state, int status) {
    if (status != 0)
        state.SkipWithError("the command failed");
}

void SetVrdBytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Year().vrd.size()));
}

void BM_VrdtoolShow(benchmark::State& state) {
    NullStream out, err;
    for (auto _ : state)
        Finish(state, RunShow({Year().vrdPath, false}, false, out, err));
    SetVrdBytes(state);
}
BENCHMARK(BM_VrdtoolShow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VrdtoolShowJson(benchmark::State& state) {
    NullStream out, err;
    for (auto _ : state)
        Finish(state, RunShow({Year().vrdPath, false}, true, out, err));
    SetVrdBytes(state);
}
BENCHMARK(BM_VrdtoolShowJson)->Unit(benchmark::kMillisecond)->UseRealTime();

// As `vrdtool txt FILE -o /dev/null` and `vrdtool csv FILE -o /dev/null`.
void BM_VrdtoolTxt(benchmark::State& state) {
    NullStream out, err;
    for (auto _ : state)
        Finish(state,
               RunExport({Year().vrdPath, false}, ExportFormat::Text, "/dev/null", out, err));
    SetVrdBytes(state);
}
BENCHMARK(BM_VrdtoolTxt)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VrdtoolCsv(benchmark::State& state) {
    NullStream out, err;
    for (auto _ : state)
        Finish(state, RunExport({Year().vrdPath, false}, ExportFormat::Csv, "/dev/null", out, err));
    SetVrdBytes(state);
}
BENCHMARK(BM_VrdtoolCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vrd::bench
