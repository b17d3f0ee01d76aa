// Parsing the year report into lists, its chart rows and its semicolon-separated export.

#include "bench/year_files.h"

#include "export/csv_export.h"
#include "export/text_export.h"
#include "report/chart_data.h"
#include "report/declaration.h"
#include "report/parse_report.h"
#include "report/report_lists.h"

#include <benchmark/benchmark.h>

namespace vrd::bench {
namespace {

void SetReportBytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// The parse with running levels and maxima; bytes are report bytes.
void BM_ParseReport(benchmark::State& state) {
    const YearFiles& year = Year();
    Declaration declaration;
    declaration.DecodedReport = year.report;
    for (auto _ : state) {
        ReportLists lists;
        const std::optional<Failure> failure = ParseReport(declaration, lists, kTrimDecoded);
        benchmark::DoNotOptimize(lists.RowCount(ListId::Leq1));
        if (failure)
            state.SkipWithError(failure->reason.c_str());
    }
    SetReportBytes(state, year.report.size());
}
BENCHMARK(BM_ParseReport)->Unit(benchmark::kMillisecond)->UseRealTime();

// Bytes are those of the 1-minute lines the chart reads.
void BM_BuildChartData(benchmark::State& state) {
    const YearFiles& year = Year();
    Declaration declaration;
    declaration.DecodedReport = year.report;
    ReportLists lists;
    ParseReport(declaration, lists, kTrimDecoded);
    for (auto _ : state) {
        const std::vector<ChartRow> rows = BuildChartData(declaration.MinuteLines);
        benchmark::DoNotOptimize(rows.data());
    }
    SetReportBytes(state, declaration.MinuteLines.size());
}
BENCHMARK(BM_BuildChartData)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildCsvText(benchmark::State& state) {
    const YearFiles& year = Year();
    for (auto _ : state) {
        const std::optional<std::string> csv = BuildCsvText(year.report);
        benchmark::DoNotOptimize(csv->data());
    }
    SetReportBytes(state, year.report.size());
}
BENCHMARK(BM_BuildCsvText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TextFileBytes(benchmark::State& state) {
    const YearFiles& year = Year();
    for (auto _ : state) {
        const std::string text = TextFileBytes(year.report);
        benchmark::DoNotOptimize(text.data());
    }
    SetReportBytes(state, year.report.size());
}
BENCHMARK(BM_TextFileBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace vrd::bench
