// The analysis window on a month of a meter's 1-s levels (2,592,000 samples, read once from a CSV
// export made in memory): the window opened over the month until its chart is drawn, and the
// carpet of the month made, turned into its picture and drawn. Targets: under 1 s and under
// 200 ms.
//
//   vrd_gui_csv_bench [--benchmark_repetitions=5 ...]
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "analysis/report_for_analysis.h"
#include "bench/seconds_csv.h"
#include "levels_csv/read_levels_csv.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/painting/carpet_painting.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kMonthSeconds = 30 * 24 * 3600;

// A month of seconds from 2025-03-01.
std::string MonthOfSeconds() {
    return vrd::bench::SecondsCsv(30, 1);
}

// The month as the window holds a file it has read, made once in main.
std::unique_ptr<vrd::ReportForAnalysis> month;

void BM_OpenMonthOfSeconds(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<frmAnalysis>();
        window->show();
        QApplication::processEvents();
        std::vector<vrd::ReportForAnalysis> files{*month};
        state.ResumeTiming();
        window->Session().SetReports(std::move(files));
        window->Chart()->Redraw();
        QApplication::processEvents();
        state.PauseTiming();
        if (window->Session().Series().Size() != static_cast<std::size_t>(kMonthSeconds))
            state.SkipWithError("the month's samples are not all in the session");
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_CarpetOfMonthOfSeconds(benchmark::State& state) {
    AnalysisSession session;
    session.SetReports({*month});
    const vrd::Interval whole = session.AnalysedPeriod();
    for (auto _ : state) {
        const vrd::Carpet cells =
            vrd::CarpetOf(session.Series(), whole, session.ExcludedIntervals());
        CarpetPicture picture;
        picture.scale = ScaleOf(cells);
        picture.image = CarpetImage(cells, picture.scale);
        picture.firstDate = cells.FirstDate();
        QImage drawn(1600, 900, QImage::Format_RGB32);
        QPainter painter(&drawn);
        PaintCarpet(painter, QRectF(drawn.rect()), picture, Language::English);
        painter.end();
        benchmark::DoNotOptimize(drawn.constBits());
    }
}

} // namespace

BENCHMARK(BM_OpenMonthOfSeconds)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_CarpetOfMonthOfSeconds)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    {
        const std::string bytes = MonthOfSeconds();
        vrd::LevelsCsvRead read = vrd::ReadLevelsCsv(bytes, "month.csv");
        if (!read.levels) {
            std::fprintf(stderr, "vrd_gui_csv_bench: %s\n",
                         vrd::DescribeCsvRefusal(*read.refusal).c_str());
            return 1;
        }
        month = std::make_unique<vrd::ReportForAnalysis>();
        month->path = "month.csv";
        month->csvLevels = true;
        month->levels = std::make_shared<const vrd::LevelSeries>(
            vrd::LevelSeriesFromCsv(std::move(*read.levels)));
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    month.reset();
    return 0;
}
