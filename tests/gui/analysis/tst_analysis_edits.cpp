// The analysis as the window edits it: every edit one step of the undo stack, undone and redone
// to the same figures and the same "changed" star, the settings tab's boxes following an undo,
// a refused edit pushing nothing, and a new open starting a new history.

#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/analysis/window/frm_analysis.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QTest>

namespace {

// What an edit changes and its undo must put back.
struct Figures {
    std::vector<vrd::Mark> marks;
    std::optional<double> leq;
    std::int64_t sourceMinutes = 0;
    std::size_t reports = 0;
    std::size_t levels = 0;
};

Figures FiguresOf(const AnalysisSession& session) {
    Figures figures;
    figures.marks = session.AllMarks();
    figures.leq = session.Result().whole.lden;
    if (session.Assessed())
        figures.sourceMinutes = session.Assessed()->minutes.source;
    figures.reports = session.Reports().size();
    figures.levels = static_cast<std::size_t>(session.Series().LevelCount());
    return figures;
}

bool operator==(const vrd::Mark& a, const vrd::Mark& b) {
    return a.kind == b.kind && a.interval.from == b.interval.from &&
           a.interval.to == b.interval.to && a.reason == b.reason;
}

void ExpectSame(const Figures& a, const Figures& b) {
    QCOMPARE(a.marks.size(), b.marks.size());
    for (std::size_t i = 0; i < a.marks.size(); ++i)
        QVERIFY(a.marks[i] == b.marks[i]);
    QCOMPARE(a.leq.has_value(), b.leq.has_value());
    if (a.leq)
        QCOMPARE(*a.leq, *b.leq);
    QCOMPARE(a.sourceMinutes, b.sourceMinutes);
    QCOMPARE(a.reports, b.reports);
    QCOMPARE(a.levels, b.levels);
}

} // namespace

class TestAnalysisEdits final : public QObject {
    Q_OBJECT

  private slots:
    void MarksUndoAndRedoToTheSameFiguresAndStar() {
        frmAnalysis window;
        window.Session().SetReports(Reports(ThreeDays()));
        EditedAnalysis& analysis = window.Analysis();
        analysis.SetAssessmentSettings(vrd::AssessmentSettings{});
        window.AnalysisFile().StartAfresh();
        const Figures before = FiguresOf(window.Session());
        QVERIFY(!window.AnalysisFile().IsModified());

        QVERIFY(analysis.Select({At(0, 9), At(0, 11, 30)}));
        QVERIFY(!analysis.AddMark({vrd::MarkKind::Source, {At(0, 9), At(0, 11, 30)}, "fan"}));
        QVERIFY(!analysis.AddMark({vrd::MarkKind::Exclude, {At(1, 2), At(1, 3)}, "rain"}));
        const Figures marked = FiguresOf(window.Session());
        QCOMPARE(marked.marks.size(), std::size_t(2));
        QCOMPARE(marked.sourceMinutes, std::int64_t(150));
        QVERIFY(window.AnalysisFile().IsModified());
        QVERIFY(analysis.Stack().undoText().startsWith(QStringLiteral("mark as excluded")));

        analysis.Stack().undo();
        analysis.Stack().undo();
        ExpectSame(FiguresOf(window.Session()), before);
        // Back at the state opened: nothing to save, whatever the steps in between.
        QVERIFY(!window.AnalysisFile().IsModified());

        analysis.Stack().redo();
        analysis.Stack().redo();
        ExpectSame(FiguresOf(window.Session()), marked);
        QVERIFY(window.AnalysisFile().IsModified());
    }

    void ARefusedMarkPushesNothing() {
        frmAnalysis window;
        window.Session().SetReports(Reports(ThreeDays()));
        EditedAnalysis& analysis = window.Analysis();
        QVERIFY(!analysis.AddMark({vrd::MarkKind::Source, {At(0, 9), At(0, 10)}, ""}));
        const int steps = analysis.Stack().count();
        const std::optional<QString> refused =
            analysis.AddMark({vrd::MarkKind::Residual, {At(0, 9, 30), At(0, 12)}, ""});
        QVERIFY(refused.has_value());
        QCOMPARE(analysis.Stack().count(), steps);
        QCOMPARE(window.Session().AllMarks().size(), std::size_t(1));
    }

    void ManyMarksAtOnceAreOneStep() {
        frmAnalysis window;
        window.Session().SetReports(Reports(ThreeDays()));
        EditedAnalysis& analysis = window.Analysis();
        std::vector<vrd::Mark> marks;
        for (int hour = 0; hour < 24; ++hour)
            marks.push_back({vrd::MarkKind::Source, {At(1, hour), At(1, hour, 30)}, "run"});
        QVERIFY(!analysis.SetMarks(marks, QStringLiteral("load")));
        QCOMPARE(window.Session().AllMarks().size(), std::size_t(24));
        QCOMPARE(analysis.Stack().count(), 1);
        analysis.Stack().undo();
        QVERIFY(window.Session().AllMarks().empty());
    }

    void SettingsUndoneShowInTheirBoxes() {
        frmAnalysis window;
        window.Session().SetReports(Reports(ThreeDays()));
        EditedAnalysis& analysis = window.Analysis();
        auto* thresholdOn = window.findChild<QCheckBox*>(QStringLiteral("ThresholdOn"));
        auto* threshold = window.findChild<QDoubleSpinBox*>(QStringLiteral("Threshold"));
        QVERIFY(thresholdOn != nullptr && threshold != nullptr);
        const vrd::Periods periods = window.Session().Settings().periods;
        QVERIFY(analysis.SetSettings(62.5, periods, 0.5));
        QCOMPARE(window.Session().Settings().threshold, std::optional<double>(62.5));
        QVERIFY(thresholdOn->isChecked());
        analysis.Stack().undo();
        QVERIFY(!window.Session().Settings().threshold);
        QVERIFY(!thresholdOn->isChecked());
        analysis.Stack().redo();
        QCOMPARE(threshold->value(), 62.5);

        // A preset chosen and undone gives the periods set by hand back, under no preset.
        vrd::Periods byHand = periods;
        byHand.night = 22;
        QVERIFY(analysis.SetSettings(62.5, byHand, 0.5));
        QVERIFY(window.Session().Settings().preset.empty());
        QVERIFY(analysis.SetPreset("eu"));
        QVERIFY(window.Session().Settings().periods == periods);
        analysis.Stack().undo();
        QVERIFY(window.Session().Settings().periods == byHand);
        QVERIFY(window.Session().Settings().preset.empty());
    }

    void ReportsAddedAndRemovedComeBack() {
        frmAnalysis window;
        window.Session().SetReports(Reports(ThreeDays()));
        EditedAnalysis& analysis = window.Analysis();
        const Figures one = FiguresOf(window.Session());
        vrd::ReportForAnalysis second = ThreeDays();
        second.path = "second.txt";
        analysis.AddReport(std::move(second));
        QCOMPARE(window.Session().Reports().size(), std::size_t(2));
        analysis.RemoveReport(0);
        QCOMPARE(window.Session().Reports().front().path, std::string("second.txt"));
        analysis.Stack().undo();
        QCOMPARE(window.Session().Reports().front().path, std::string("three days.txt"));
        analysis.Stack().undo();
        ExpectSame(FiguresOf(window.Session()), one);
    }

    void ANewOpenStartsANewHistory() {
        frmAnalysis window;
        window.Session().SetReports(Reports(ThreeDays()));
        EditedAnalysis& analysis = window.Analysis();
        QVERIFY(!analysis.AddMark({vrd::MarkKind::Source, {At(0, 9), At(0, 10)}, ""}));
        QVERIFY(analysis.Stack().canUndo());
        window.Session().SetReports(Reports(ThreeDays()));
        QVERIFY(!analysis.Stack().canUndo());
    }
};

VRD_GUI_TEST_MAIN(TestAnalysisEdits)
#include "tst_analysis_edits.moc"
