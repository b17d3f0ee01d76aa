// The analysis window marking a year: the assessment and every view following an edit of the
// marks, with 500 source and residual marks over the year and the French neighbourhood standard
// chosen. Each benchmark times one edit until the window has taken it in (its events processed):
// 100 marks given another kind at once, that step undone, and redone; the runs above 65 dB marked
// as sources in one step and undone in one. The target is under 50 ms each.
//
//   vrd_gui_marks_bench [--benchmark_repetitions=9 ...]
//
// The year is made with the test kit's generator (the seed scripts/bench.sh uses). Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "analysis/report_for_analysis.h"
#include "testkit/report_generator.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/analysis/window/frm_analysis.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kMarks = 500;
constexpr int kChanged = 100;

// The window over the year with its 500 marks, made once for every benchmark.
struct MarkedYear {
    MarkedYear() {
        vrd::testkit::ReportOptions options;
        options.seed = 2011;
        options.minutes = 525600;
        const std::string report = vrd::testkit::GenerateReport(options);
        const QString path = folder.filePath(QStringLiteral("year.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(report.data(), static_cast<qint64>(report.size())) !=
                static_cast<qint64>(report.size()))
            qFatal("vrd_gui_marks_bench: the year could not be made");
        file.close();
        window.Session().SetReports({vrd::OpenReportForAnalysis({path.toStdString(), false})});
        window.Analysis().SetAssessmentSettings(vrd::AssessmentSettings{});
        const vrd::Interval whole = window.Session().AnalysedPeriod();
        const vrd::Minute spacing = (whole.to - whole.from) / kMarks;
        std::vector<vrd::Mark> marks;
        for (int i = 0; i < kMarks; ++i)
            marks.push_back(
                {i % 2 == 0 ? vrd::MarkKind::Source : vrd::MarkKind::Residual,
                 vrd::SpanOfMinutes({whole.from + i * spacing, whole.from + i * spacing + 60}),
                 "fan"});
        window.Analysis().SetMarks(std::move(marks), QStringLiteral("marks"));
        window.show();
        QApplication::processEvents();
    }

    QTemporaryDir folder;
    frmAnalysis window;
};

// Made in main, and gone before the application is.
std::unique_ptr<MarkedYear> year;

MarkedYear& Year() {
    return *year;
}

void Settle() {
    QApplication::processEvents();
}

// 100 residual marks, by their rows: made sources, they overlap nothing.
std::vector<std::size_t> HundredResiduals() {
    std::vector<std::size_t> rows;
    for (std::size_t row = 1; rows.size() < kChanged; row += 2)
        rows.push_back(row);
    return rows;
}

void BM_ChangeOfHundredMarks(benchmark::State& state) {
    EditedAnalysis& analysis = Year().window.Analysis();
    const std::vector<std::size_t> rows = HundredResiduals();
    for (auto _ : state) {
        if (analysis.SetMarksKind(rows, vrd::MarkKind::Source))
            state.SkipWithError("the change was refused");
        Settle();
        state.PauseTiming();
        analysis.Stack().undo();
        Settle();
        state.ResumeTiming();
    }
}

void BM_UndoOfHundredMarks(benchmark::State& state) {
    EditedAnalysis& analysis = Year().window.Analysis();
    const std::vector<std::size_t> rows = HundredResiduals();
    for (auto _ : state) {
        state.PauseTiming();
        analysis.SetMarksKind(rows, vrd::MarkKind::Source);
        Settle();
        state.ResumeTiming();
        analysis.Stack().undo();
        Settle();
    }
}

void BM_RedoOfHundredMarks(benchmark::State& state) {
    EditedAnalysis& analysis = Year().window.Analysis();
    analysis.SetMarksKind(HundredResiduals(), vrd::MarkKind::Source);
    analysis.Stack().undo();
    Settle();
    for (auto _ : state) {
        analysis.Stack().redo();
        Settle();
        state.PauseTiming();
        analysis.Stack().undo();
        Settle();
        state.ResumeTiming();
    }
}

// The runs above 65 dB of the year as sources, over the sources alone (the residual marks would
// overlap some runs): thousands of marks in one step (timed when marking is true), and one undo
// (timed otherwise).
void RunsMarkedAndUndone(benchmark::State& state, bool marking) {
    frmAnalysis& window = Year().window;
    window.Session().SetThreshold(65);
    window.SetRunsAsker([](QWidget*, const vrd::RunMarking& first,
                           const MarkActions::RunsCounter&) { return first; });
    std::vector<vrd::Mark> sources;
    for (const vrd::Mark& mark : window.Session().AllMarks())
        if (mark.kind == vrd::MarkKind::Source)
            sources.push_back(mark);
    window.Analysis().SetMarks(sources, QStringLiteral("sources"));
    Settle();
    const std::size_t before = window.Session().AllMarks().size();
    for (auto _ : state) {
        if (!marking)
            state.PauseTiming();
        if (!window.MarkRuns())
            state.SkipWithError("the runs were not marked");
        Settle();
        state.counters["runs"] = static_cast<double>(window.Session().AllMarks().size() - before);
        if (marking)
            state.PauseTiming();
        else
            state.ResumeTiming();
        window.Analysis().Stack().undo();
        Settle();
        if (marking)
            state.ResumeTiming();
        if (window.Session().AllMarks().size() != before)
            state.SkipWithError("one undo did not take the runs back");
    }
    window.Analysis().Stack().undo();
    window.Session().SetThreshold(std::nullopt);
    Settle();
}

void BM_RunsMarked(benchmark::State& state) {
    RunsMarkedAndUndone(state, true);
}

void BM_UndoOfTheRunsMarked(benchmark::State& state) {
    RunsMarkedAndUndone(state, false);
}

} // namespace

BENCHMARK(BM_ChangeOfHundredMarks)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_UndoOfHundredMarks)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_RedoOfHundredMarks)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_RunsMarked)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_UndoOfTheRunsMarked)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    year = std::make_unique<MarkedYear>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    year.reset();
    return 0;
}
