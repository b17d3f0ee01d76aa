// The analysis as the window edits it: every edit one step of the undo stack, undone and redone
// to the same figures and the same "changed" star, by the Edit menu's keys as by the stack; the
// settings tab's boxes following an undo, a refused edit pushing nothing, a new open starting a
// new history; the marks table sorted by time and filtered, many marks chosen and removed or
// given another kind in one step, a mark edited in place and refused when it would overlap.

#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/campaign/carpet_view.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/marks/mark_table_model.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/analysis/window/edit_actions.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/plot/chart_zoom_view.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
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
    figures.levels = static_cast<std::size_t>(session.Series().Size());
    return figures;
}

bool operator==(const vrd::Mark& a, const vrd::Mark& b) {
    return a.kind == b.kind && a.span == b.span && a.reason == b.reason;
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

// The window over three days, shown and active so that its keys act, with marks out of time
// order: a source at 09:00 on the second day, an exclusion on the first, a residual on the third.
struct MarkedWindow {
    MarkedWindow() {
        window.Session().SetReports(Reports(ThreeDays()));
        window.Analysis().SetAssessmentSettings(vrd::AssessmentSettings{});
        QVERIFY(!window.Session().SetMarks({
            {vrd::MarkKind::Source, Span(At(1, 9), At(1, 11)), "fan"},
            {vrd::MarkKind::Exclude, Span(At(0, 14), At(0, 15)), "rain"},
            {vrd::MarkKind::Residual, Span(At(2, 2), At(2, 4)), "quiet"},
            {vrd::MarkKind::Source, Span(At(0, 20), At(0, 21)), "fan at night"},
        }));
        window.AnalysisFile().StartAfresh();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QTableView& Table() { return *window.ExclusionsView(); }
    // The start of the mark on the table's row.
    vrd::Minute StartAt(int row) {
        return Table()
            .model()
            ->index(row, MarkTableModel::From)
            .data(kPeriodStartRole)
            .toLongLong();
    }
    void Choose(std::initializer_list<int> rows) {
        Table().setFocus();
        Table().clearSelection();
        for (const int row : rows)
            Table().selectionModel()->select(Table().model()->index(row, 0),
                                             QItemSelectionModel::Select |
                                                 QItemSelectionModel::Rows);
    }

    frmAnalysis window;
};

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
        QVERIFY(!analysis.AddMark({vrd::MarkKind::Source, Span(At(0, 9), At(0, 11, 30)), "fan"}));
        QVERIFY(!analysis.AddMark({vrd::MarkKind::Exclude, Span(At(1, 2), At(1, 3)), "rain"}));
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
        QVERIFY(!analysis.AddMark({vrd::MarkKind::Source, Span(At(0, 9), At(0, 10)), ""}));
        const int steps = analysis.Stack().count();
        const std::optional<QString> refused =
            analysis.AddMark({vrd::MarkKind::Residual, Span(At(0, 9, 30), At(0, 12)), ""});
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
            marks.push_back({vrd::MarkKind::Source, Span(At(1, hour), At(1, hour, 30)), "run"});
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
        QVERIFY(!analysis.AddMark({vrd::MarkKind::Source, Span(At(0, 9), At(0, 10)), ""}));
        QVERIFY(analysis.Stack().canUndo());
        window.Session().SetReports(Reports(ThreeDays()));
        QVERIFY(!analysis.Stack().canUndo());
    }

    void TheKeysUndoAndRedoTheStepTheyName() {
        MarkedWindow marked;
        frmAnalysis& window = marked.window;
        const Figures before = FiguresOf(window.Session());
        QVERIFY(window.Analysis().Select({At(0, 9), At(0, 11, 30)}));
        QVERIFY(window.MarkSelection(vrd::MarkKind::Residual));
        const Figures after = FiguresOf(window.Session());
        QAction* undo = window.Edits().Undo();
        QCOMPARE(undo->text(), QStringLiteral("Undo mark as residual 2011-05-12 09:00 – 11:30"));
        QVERIFY(window.AnalysisFile().IsModified());
        QVERIFY(window.windowTitle().endsWith(u'*'));

        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        // Back to the marks before: the step named; the selection stays, and stars nothing.
        ExpectSame(FiguresOf(window.Session()), before);
        QVERIFY(!window.AnalysisFile().IsModified());
        QVERIFY(!window.windowTitle().endsWith(u'*'));
        QCOMPARE(window.Edits().Redo()->text(),
                 QStringLiteral("Redo mark as residual 2011-05-12 09:00 – 11:30"));
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        ExpectSame(FiguresOf(window.Session()), after);
        QVERIFY(window.AnalysisFile().IsModified());
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        ExpectSame(FiguresOf(window.Session()), after);
        // A box being typed in keeps its own undo.
        window.ReasonEdit()->setFocus();
        QTest::keyClicks(window.ReasonEdit(), QStringLiteral("rain"));
        QTest::keyClick(window.ReasonEdit(), Qt::Key_Z, Qt::ControlModifier);
        ExpectSame(FiguresOf(window.Session()), after);
    }

    void TheTableIsInTimeOrderAndFiltered() {
        MarkedWindow marked;
        QAbstractItemModel& table = *marked.Table().model();
        QCOMPARE(table.rowCount(), 4);
        for (int row = 1; row < table.rowCount(); ++row)
            QVERIFY(marked.StartAt(row - 1) < marked.StartAt(row));
        QCOMPARE(table.index(0, MarkTableModel::Reason).data().toString(), QStringLiteral("rain"));

        // By kind: the exclusion, the sources in time order, the residual.
        marked.Table().sortByColumn(MarkTableModel::Kind, Qt::AscendingOrder);
        QCOMPARE(marked.StartAt(0), At(0, 14));
        QCOMPARE(marked.StartAt(1), At(0, 20));
        QCOMPARE(marked.StartAt(2), At(1, 9));
        QCOMPARE(marked.StartAt(3), At(2, 2));
        marked.Table().sortByColumn(MarkTableModel::From, Qt::AscendingOrder);

        auto* filter = marked.window.findChild<QLineEdit*>(QStringLiteral("MarkFilter"));
        QVERIFY(filter != nullptr);
        filter->setText(QStringLiteral("FAN"));
        QCOMPARE(table.rowCount(), 2);
        filter->setText(QStringLiteral("residual"));
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(marked.StartAt(0), At(2, 2));
        filter->clear();
        QCOMPARE(table.rowCount(), 4);
    }

    void ManyChosenMarksAreRemovedAndRekindedInOneStep() {
        MarkedWindow marked;
        frmAnalysis& window = marked.window;
        const Figures before = FiguresOf(window.Session());
        const int steps = window.Analysis().Stack().count();
        // The exclusion and the source of the first day, then the residual: Delete in the table.
        marked.Choose({0, 1, 3});
        QTest::keyClick(&marked.Table(), Qt::Key_Delete);
        QCOMPARE(window.Session().AllMarks().size(), std::size_t{1});
        QCOMPARE(window.Session().AllMarks()[0].reason, std::string("fan"));
        QCOMPARE(window.Analysis().Stack().count(), steps + 1);
        QCOMPARE(window.Edits().Undo()->text(), QStringLiteral("Undo remove 3 mark(s)"));
        window.Analysis().Stack().undo();
        ExpectSame(FiguresOf(window.Session()), before);
        QVERIFY(!window.AnalysisFile().IsModified());

        // Both sources made residual at once; with the residual of the third day they overlap
        // nothing, and come back as sources in one undo.
        marked.Choose({1, 2});
        QVERIFY(window.ChangeChosenKind(vrd::MarkKind::Residual));
        QCOMPARE(window.Session().Marks().size(), std::size_t{3});
        for (const vrd::Mark& mark : window.Session().Marks())
            QCOMPARE(mark.kind, vrd::MarkKind::Residual);
        QCOMPARE(window.Analysis().Stack().undoText(), QStringLiteral("make 2 mark(s) residual"));
        window.Analysis().Stack().undo();
        ExpectSame(FiguresOf(window.Session()), before);
        // The exclusion and the residual made sources: the residual is gone, nothing overlaps.
        QVERIFY(!window.Analysis().SetMarksKind({0, 2}, vrd::MarkKind::Source));
        QCOMPARE(window.Session().Exclusions().size(), std::size_t{0});
        QCOMPARE(window.Session().Marks().size(), std::size_t{4});
    }

    void AMarkEditedInPlaceIsOneStepAndRefusedWhenItWouldOverlap() {
        MarkedWindow marked;
        frmAnalysis& window = marked.window;
        QAbstractItemModel& table = *marked.Table().model();
        const Figures before = FiguresOf(window.Session());
        // The source of the second day (row 2) now from 08:00, for another reason.
        QVERIFY(table.setData(table.index(2, MarkTableModel::From),
                              QStringLiteral("2011-05-13 08:00")));
        QVERIFY(table.setData(table.index(2, MarkTableModel::Reason), QStringLiteral("the fan")));
        const vrd::Mark& edited = window.Session().Marks()[0];
        QCOMPARE(edited.span, Span(At(1, 8), At(1, 11)));
        QCOMPARE(edited.reason, std::string("the fan"));
        QCOMPARE(window.Session().Assessed()->minutes.source, before.sourceMinutes + 60);
        QVERIFY(window.Analysis().Stack().undoText().startsWith(QStringLiteral("change source")));

        // Past the residual of the third day: refused with both marks named, nothing changed.
        const int steps = window.Analysis().Stack().count();
        QVERIFY(
            !table.setData(table.index(2, MarkTableModel::To), QStringLiteral("2011-05-14 03:00")));
        QString warning = TakeWarning(window);
        QVERIFY2(warning.contains(QStringLiteral("overlaps the residual mark 2011-05-14 02:00")),
                 qPrintable(warning));
        // Before its start, and a time that is none: refused, saying why.
        QVERIFY(
            !table.setData(table.index(2, MarkTableModel::To), QStringLiteral("2011-05-13 07:00")));
        warning = TakeWarning(window);
        QVERIFY2(warning.contains(QStringLiteral("not after its start at 2011-05-13 08:00")),
                 qPrintable(warning));
        QVERIFY(!table.setData(table.index(2, MarkTableModel::To), QStringLiteral("noon")));
        QVERIFY(TakeWarning(window).contains(QStringLiteral("\"noon\" is not a time")));
        QCOMPARE(window.Analysis().Stack().count(), steps);
        QCOMPARE(window.Session().Marks()[0].span.end, vrd::MillisOf(At(1, 11)));

        window.Analysis().Stack().undo();
        window.Analysis().Stack().undo();
        ExpectSame(FiguresOf(window.Session()), before);
        QVERIFY(!window.AnalysisFile().IsModified());
    }

    void AMarkEditedToTheSecondShowsItsSeconds() {
        MarkedWindow marked;
        frmAnalysis& window = marked.window;
        QAbstractItemModel& table = *marked.Table().model();
        // The end of the second day's source (row 2), written either way, to the second.
        QVERIFY(table.setData(table.index(2, MarkTableModel::To),
                              QStringLiteral("13/05/2011 10:59:30")));
        QCOMPARE(window.Session().Marks()[0].span.end, vrd::MillisOf(At(1, 10, 59)) + 30'000);
        QCOMPARE(table.index(2, MarkTableModel::To).data().toString(), QStringLiteral("10:59:30"));
        QCOMPARE(table.index(2, MarkTableModel::To).data(Qt::EditRole).toString(),
                 QStringLiteral("2011-05-13 10:59:30"));
        // Zero seconds show as a minute; a bad second is refused and changes nothing.
        QVERIFY(table.setData(table.index(2, MarkTableModel::To),
                              QStringLiteral("2011-05-13 11:00:00")));
        QCOMPARE(table.index(2, MarkTableModel::To).data().toString(), QStringLiteral("11:00"));
        for (const char* bad : {"2011-05-13 10:60", "2011-05-13 10:59:60", "2011-05-13 10:59:5"}) {
            QVERIFY(!table.setData(table.index(2, MarkTableModel::To), QString::fromLatin1(bad)));
            QVERIFY(TakeWarning(window).contains(QStringLiteral("is not a time")));
        }
        QCOMPARE(window.Session().Marks()[0].span.end, vrd::MillisOf(At(1, 11)));
    }

    void AClickOnAMarkSelectsItAndADoubleClickZoomsToIt() {
        MarkedWindow marked;
        QTableView& table = marked.Table();
        const QModelIndex row = table.model()->index(2, MarkTableModel::Reason);
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(row).center());
        QCOMPARE(marked.window.Session().Selection().from, At(1, 9));
        QCOMPARE(marked.window.Session().Selection().to, At(1, 11));
        QCOMPARE(marked.window.Carpet()->Picture().selection->from, At(1, 9));

        const QModelIndex residual = table.model()->index(3, MarkTableModel::Reason);
        // A double click: the first click, then the second.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                          table.visualRect(residual).center());
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {},
                           table.visualRect(residual).center());
        QCOMPARE(marked.window.Session().Selection().from, At(2, 2));
        const AxisRange shown = marked.window.Chart()->View()->ShownX();
        const auto origin = static_cast<double>(marked.window.Chart()->Origin());
        QVERIFY(shown.min <= static_cast<double>(At(2, 2)) - origin);
        QVERIFY(shown.max >= static_cast<double>(At(2, 4)) - origin);
        QVERIFY(shown.Span() < 3 * 60);
    }
};

VRD_GUI_TEST_MAIN(TestAnalysisEdits)
#include "tst_analysis_edits.moc"
