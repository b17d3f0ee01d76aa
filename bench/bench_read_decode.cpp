// Reading and decoding the year .vrd, against a plain read of the same file.

#include "bench/year_files.h"

#include "report/declaration.h"
#include "report/decode.h"
#include "report/open_report.h"
#include "report/read_file.h"
#include "testkit/reference_decode.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace vrd::bench {
namespace {

// What `cat FILE > /dev/null` does: read() into one small buffer until the end. Every other figure
// is compared with this one.
void BM_PlainRead(benchmark::State& state) {
    const YearFiles& year = Year();
    std::vector<char> buffer(128 * 1024);
    for (auto _ : state) {
        const int fd = ::open(year.vrdPath.c_str(), O_RDONLY | O_CLOEXEC);
        std::size_t total = 0;
        for (;;) {
            const ssize_t got = ::read(fd, buffer.data(), buffer.size());
            if (got <= 0)
                break;
            total += static_cast<std::size_t>(got);
        }
        ::close(fd);
        benchmark::DoNotOptimize(total);
        if (total != year.vrd.size())
            state.SkipWithError("short read");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(year.vrd.size()));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadWholeFile(benchmark::State& state) {
    const YearFiles& year = Year();
    for (auto _ : state) {
        FileRead file = ReadWholeFile(year.vrdPath);
        benchmark::DoNotOptimize(file.bytes.data());
        if (file.failure || file.bytes.size() != year.vrd.size())
            state.SkipWithError("read failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(year.vrd.size()));
}
BENCHMARK(BM_ReadWholeFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Decoding the .vrd already in memory; bytes are .vrd bytes.
template <DecodeResult (*Decode)(std::string_view)> void DecodeInMemory(benchmark::State& state) {
    const YearFiles& year = Year();
    for (auto _ : state) {
        DecodeResult result = Decode(year.vrd);
        benchmark::DoNotOptimize(result.text.data());
        if (result.failure || result.text.size() != year.report.size())
            state.SkipWithError("decoding failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(year.vrd.size()));
}

DecodeResult DecodeFast(std::string_view file) {
    return DecodeEncodedText(file);
}

void BM_DecodeEncodedText(benchmark::State& state) {
    DecodeInMemory<DecodeFast>(state);
}
BENCHMARK(BM_DecodeEncodedText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeEncodedTextPlain(benchmark::State& state) {
    DecodeInMemory<DecodeEncodedTextPlain>(state);
}
BENCHMARK(BM_DecodeEncodedTextPlain)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading the file piece by piece and decoding each piece as it comes; bytes are .vrd bytes.
void BM_DecodeEncodedFile(benchmark::State& state) {
    const YearFiles& year = Year();
    for (auto _ : state) {
        DecodeResult result = DecodeEncodedFile(year.vrdPath);
        benchmark::DoNotOptimize(result.text.data());
        if (result.failure || result.text.size() != year.report.size())
            state.SkipWithError("decoding failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(year.vrd.size()));
}
BENCHMARK(BM_DecodeEncodedFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading and decoding as an open command does, from the file; bytes are .vrd bytes.
void BM_LoadReport(benchmark::State& state) {
    const YearFiles& year = Year();
    for (auto _ : state) {
        Declaration declaration;
        declaration.OpenedFileName = year.vrdPath;
        const OpenOutcome outcome = LoadReport(declaration, ReportKind::Encoded);
        benchmark::DoNotOptimize(declaration.DecodedReport.data());
        if (outcome.failure || declaration.DecodedReport.size() != year.report.size())
            state.SkipWithError("loading failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(year.vrd.size()));
}
BENCHMARK(BM_LoadReport)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vrd::bench
