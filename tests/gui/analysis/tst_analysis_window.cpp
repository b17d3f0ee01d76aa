// The analysis window's model layer and window: the tables through QAbstractItemModelTester, the
// statistics of a selection against the core, exclusions that add and remove back to the same
// figures, a click on a row selecting its period, every statistic in sight with its unit, the
// exclusion file, the Files list and its failures, the spreadsheet's file types, and the
// "Analysis" command of the main window.

#include "analysis/analyse.h"
#include "analysis/exclusion_file.h"
#include "app/analysis_window.h"
#include "app/mdi_form_main.h"
#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/marks/mark_table_model.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/plot/chart_zoom_view.h"
#include "views/texts/analysis_text.h"

#include <QAbstractItemModelTester>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QLineSeries>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

const QString kSample = QStringLiteral(VRD_SAMPLES_DIR "/sample.vrd");

// Clicks the row of view as a user does: it is highlighted, and its period selected.
void ClickRow(QTableView& view, int row) {
    const QRect cell = view.visualRect(view.model()->index(row, 1));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

// Whether the whole of cell shows in view, without scrolling.
bool Shows(const QTableView& view, const QModelIndex& cell) {
    return view.viewport()->rect().contains(view.visualRect(cell));
}

} // namespace

class TestAnalysisWindow final : public QObject {
    Q_OBJECT

  private slots:
    void modelsPassTheTesterThroughEveryChange();
    void statisticsOfASelectionAreTheCoresFigures();
    void excludingAndRemovingRestoresTheFiguresExactly();
    void aClickOnARowSelectsItsPeriod();
    void aDayWithOnlyItsNightSelectsAndShowsIt();
    void everyStatisticShowsAtTheDesignedSizeWithItsUnit();
    void columnsFitTheirTextAndTellItWhenNarrowed();
    void typedSelectionAndBadTimes();
    void theExclusionFileRoundTrips();
    void aFailedFileIsNamedBeforeAReportAndCanBeRemoved();
    void theSpreadsheetTypeChosenGivesTheSuffix();
    void aDragOnTheChartSelectsAndTheLineBreaksAtGaps();
    void theAnalysisCommandOpensOneWindowThatFollowsOpens();
};

void TestAnalysisWindow::modelsPassTheTesterThroughEveryChange() {
    EditedAnalysis edited;
    AnalysisSession& session = edited.Session();
    DaysTableModel days(session);
    HoursTableModel hours(session);
    StatisticsModel statistics(session);
    MarkTableModel exclusions(edited);
    ReportFileListModel files(session);
    const auto mode = QAbstractItemModelTester::FailureReportingMode::QtTest;
    QAbstractItemModelTester t1(&days, mode);
    QAbstractItemModelTester t2(&hours, mode);
    QAbstractItemModelTester t3(&statistics, mode);
    QAbstractItemModelTester t4(&exclusions, mode);
    QAbstractItemModelTester t5(&files, mode);
    QCOMPARE(days.rowCount(), 0);

    session.SetReports(Reports(ThreeDays()));
    // The nights of 11/05 (for 00:00-07:00) to 14/05.
    QCOMPARE(days.rowCount(), 4);
    QCOMPARE(days.index(1, DaysTableModel::Date).data().toString(), QStringLiteral("2011-05-12"));
    QCOMPARE(hours.rowCount(), 71);
    QCOMPARE(hours.index(0, HoursTableModel::Start).data().toString(),
             QStringLiteral("2011-05-12 00:00"));
    QCOMPARE(hours.index(1, HoursTableModel::Minutes).data().toLongLong(), 59); // the gap
    QCOMPARE(files.rowCount(), 1);

    session.SetThreshold(60);
    session.AddExclusion({Span(At(0, 14), At(0, 16)), "rain"});
    QCOMPARE(exclusions.rowCount(), 1);
    QVERIFY(exclusions.index(0, MarkTableModel::Reason).data().toString() ==
            QStringLiteral("rain"));
    vrd::Periods periods;
    periods.day = 6;
    periods.evening = 18;
    periods.night = 22;
    QVERIFY(session.SetPeriods(periods));
    periods.evening = 5;
    QVERIFY(!session.SetPeriods(periods));
    session.Select({At(1, 0), At(1, 12)});
    session.RemoveExclusion(0);
    QCOMPARE(exclusions.rowCount(), 0);

    // The night of 11/05 (22:00 to 06:00) holds 359 measured minutes of 480: below 80 %.
    session.SetMinimumCoverage(0.8);
    QVERIFY(days.IsLow(0, DaysTableModel::Lnight));
    QVERIFY(days.index(0, DaysTableModel::CoverageNight).data().toString().endsWith(u'*'));
    QVERIFY(days.index(0, DaysTableModel::Lnight).data(Qt::BackgroundRole).isValid());
    QVERIFY(!days.IsLow(1, DaysTableModel::Lday));
    session.SetReports({});
    QCOMPARE(days.rowCount(), 0);
    QCOMPARE(hours.rowCount(), 0);
}

void TestAnalysisWindow::statisticsOfASelectionAreTheCoresFigures() {
    frmAnalysis window;
    AnalysisSession& session = window.Session();
    session.SetReports(Reports(ThreeDays()));
    session.SetThreshold(62.5);
    session.AddExclusion({Span(At(1, 3), At(1, 5)), "road works"});
    const vrd::Interval selection{At(0, 20, 17), At(2, 1, 3)};
    QVERIFY(session.Select(selection));

    // The core's own analysis of the same minutes.
    vrd::AnalysisSettings settings = session.Settings();
    settings.fromTime = vrd::MillisOf(selection.from);
    settings.toTime = vrd::MillisOf(selection.to);
    const vrd::AnalysisResult core = vrd::Analyse(session.Series(), settings);
    const vrd::RangeFigures& shown = session.SelectionFigures();
    QCOMPARE(shown.levels.leq, core.overall.leq);
    QCOMPARE(shown.levels.lmax, core.overall.lmax);
    QCOMPARE(shown.levels.lmin, core.overall.lmin);
    for (const int percent : vrd::kStatisticalPercents)
        QCOMPARE(shown.levels.L(percent), core.overall.L(percent));
    QCOMPARE(shown.measured, core.minutes.measured);
    QCOMPARE(vrd::MillisOf(shown.excluded), core.minutes.excludedTime);
    QVERIFY(shown.exceedance && core.exceedance);
    QCOMPARE(shown.exceedance->minutes, core.exceedance->minutes);
    QCOMPARE(shown.exceedance->events, core.exceedance->events);
    QCOMPARE(shown.exceedance->longest, core.exceedance->longest);

    // And the panel shows them.
    StatisticsModel& panel = *window.Statistics();
    QCOMPARE(panel.Value(QStringLiteral("Start")), QStringLiteral("2011-05-12 20:17"));
    QCOMPARE(panel.Value(QStringLiteral("End")), QStringLiteral("2011-05-14 01:03"));
    QCOMPARE(panel.Value(QStringLiteral("Leq")), LevelText(core.overall.leq, Language::English));
    QCOMPARE(panel.Value(QStringLiteral("L90")), LevelText(core.overall.L(90), Language::English));
    QCOMPARE(panel.Value(QStringLiteral("Coverage")),
             PercentText(core.coverage, Language::English));
    QCOMPARE(panel.Value(QStringLiteral("Events above threshold")),
             QString::number(core.exceedance->events));
    QCOMPARE(window.FromEdit()->text(), QStringLiteral("2011-05-12 20:17"));
}

void TestAnalysisWindow::excludingAndRemovingRestoresTheFiguresExactly() {
    frmAnalysis window;
    AnalysisSession& session = window.Session();
    session.SetReports(Reports(ThreeDays()));
    session.SetThreshold(60);
    const vrd::AnalysisResult before = session.Result();
    const vrd::RangeFigures beforeSelection = session.SelectionFigures();
    QVERIFY(before.overall.leq.has_value());

    QVERIFY(session.Select({At(1, 8), At(1, 11)}));
    window.ReasonEdit()->setText(QStringLiteral("rain"));
    window.ExcludeSelection();
    QCOMPARE(session.Exclusions().size(), std::size_t{1});
    QCOMPARE(session.Exclusions()[0].reason, std::string("rain"));
    QCOMPARE(session.Result().minutes.excludedTime, vrd::MillisOf(180));
    QVERIFY(session.Result().overall.leq != before.overall.leq);
    QVERIFY(session.Result().days.At(2).levels.lday != before.days.At(2).levels.lday);
    QCOMPARE(session.SelectionFigures().measured, std::int64_t{0});
    QCOMPARE(window.Statistics()->Value(QStringLiteral("Leq")), QString());

    session.RemoveExclusion(0);
    session.Select(session.AnalysedPeriod());
    const vrd::AnalysisResult& after = session.Result();
    QCOMPARE(after.overall.leq, before.overall.leq);
    QCOMPARE(after.whole.lden, before.whole.lden);
    QCOMPARE(after.minutes.excludedTime, vrd::MillisOf(0));
    QCOMPARE(after.days.Size(), before.days.Size());
    for (std::int64_t i = 0; i < after.days.Size(); ++i) {
        QCOMPARE(after.days.At(i).levels.lday, before.days.At(i).levels.lday);
        QCOMPARE(after.days.At(i).levels.lden, before.days.At(i).levels.lden);
        QCOMPARE(after.days.At(i).coverageNight, before.days.At(i).coverageNight);
    }
    QCOMPARE(session.SelectionFigures().levels.leq, beforeSelection.levels.leq);
    QCOMPARE(session.SelectionFigures().exceedance->events, beforeSelection.exceedance->events);
}

void TestAnalysisWindow::aClickOnARowSelectsItsPeriod() {
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A day is its own periods: from 07:00 to 07:00 the next day, its night included.
    QTableView& days = *window.DaysView();
    ClickRow(days, 2);
    QCOMPARE(window.Session().Selection().from, At(1, 7));
    QCOMPARE(window.Session().Selection().to, At(2, 7));
    QCOMPARE(days.selectionModel()->selectedRows().size(), 1);

    // Another selection lets go of the row that no longer stands for it.
    QTableView& hours = *window.HoursView();
    ClickRow(hours, 30);
    QCOMPARE(window.Session().Selection().from, At(1, 6));
    QCOMPARE(window.Session().Selection().to, At(1, 7));
    QVERIFY(!days.selectionModel()->hasSelection());
    QCOMPARE(hours.selectionModel()->selectedRows().size(), 1);
    emit window.Chart()->View()->timeSpanSelected(60, 120);
    QVERIFY(!hours.selectionModel()->hasSelection());

    // The day start follows the settings.
    vrd::Periods periods;
    periods.day = 6;
    QVERIFY(window.Session().SetPeriods(periods));
    ClickRow(days, 1);
    QCOMPARE(window.Session().Selection().from, At(0, 6));
    QCOMPARE(window.Session().Selection().to, At(1, 6));
}

void TestAnalysisWindow::aDayWithOnlyItsNightSelectsAndShowsIt() {
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ChartZoomView& view = *window.Chart()->View();
    view.Show({1000, 1200}, view.ShownY());

    // 2011-05-11 has only its night, 00:00 to 07:00 of the 12th: 47.9 dB over 86 %.
    QTableView& days = *window.DaysView();
    QCOMPARE(days.model()->index(0, DaysTableModel::Date).data().toString(),
             QStringLiteral("2011-05-11"));
    ClickRow(days, 0);
    const vrd::RangeFigures& figures = window.Session().SelectionFigures();
    QVERIFY(figures.measured > 0);
    QCOMPARE(LevelText(figures.levels.leq, Language::English),
             days.model()->index(0, DaysTableModel::Lnight).data().toString());
    QCOMPARE(window.Statistics()->Value(QStringLiteral("Leq")), QStringLiteral("47.9"));
    // And the chart brings the night's minutes into view.
    QVERIFY(view.ShownX().min <= 0 && view.ShownX().max >= 7 * 60);
}

void TestAnalysisWindow::everyStatisticShowsAtTheDesignedSizeWithItsUnit() {
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    window.Session().SetThreshold(60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), window.sizeHint());

    const QTableView& view = *window.StatisticsView();
    const QAbstractItemModel& statistics = *view.model();
    const auto everyRowShows = [&] {
        for (int row = 0; row < statistics.rowCount(); ++row)
            for (int column = 0; column < statistics.columnCount(); ++column)
                QVERIFY2(Shows(view, statistics.index(row, column)),
                         qPrintable(statistics.index(row, 0).data().toString()));
    };
    everyRowShows();
    // The WHO rows too, below the others.
    const int plain = statistics.rowCount();
    window.Session().SetWhoSource(vrd::WhoSource::Road);
    QVERIFY(statistics.rowCount() > plain);
    QCoreApplication::processEvents();
    everyRowShows();
    window.Session().SetWhoSource(std::nullopt);

    QStringList withUnit;
    for (int row = 0; row < statistics.rowCount(); ++row)
        if (statistics.index(row, 1).data().toString().endsWith(QStringLiteral(" dB")))
            withUnit.append(statistics.index(row, 0).data().toString());
    QCOMPARE(withUnit,
             (QStringList{QStringLiteral("Leq"), QStringLiteral("Lmax"), QStringLiteral("Lmin"),
                          QStringLiteral("L1"), QStringLiteral("L5"), QStringLiteral("L10"),
                          QStringLiteral("L50"), QStringLiteral("L90"), QStringLiteral("L95"),
                          QStringLiteral("L99")}));
    // The value alone, as the tests and the report compare it.
    QVERIFY(!window.Statistics()->Value(QStringLiteral("Leq")).endsWith(QStringLiteral("dB")));
    QCOMPARE(window.Days()->headerData(DaysTableModel::Lden, Qt::Horizontal).toString(),
             QStringLiteral("Lden (dB)"));
    QCOMPARE(window.Hours()->headerData(HoursTableModel::Lmin, Qt::Horizontal).toString(),
             QStringLiteral("Lmin (dB)"));
}

void TestAnalysisWindow::columnsFitTheirTextAndTellItWhenNarrowed() {
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    window.Session().AddExclusion(
        {Span(At(0, 14), At(0, 16)), "party next door, music until late"});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (QTableView* table : {window.DaysView(), window.HoursView()}) {
        const QHeaderView& header = *table->horizontalHeader();
        const QAbstractItemModel& model = *table->model();
        for (int column = 0; column < model.columnCount(); ++column) {
            const QString name = model.headerData(column, Qt::Horizontal).toString();
            QVERIFY2(header.sectionSize(column) > header.fontMetrics().horizontalAdvance(name),
                     qPrintable(name));
            QCOMPARE(model.headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString(), name);
            const QModelIndex cell = model.index(1, column);
            QVERIFY(model.data(cell, Qt::ToolTipRole)
                        .toString()
                        .startsWith(model.data(cell).toString()));
        }
    }
    // The whole reason, in the table and in its tooltip.
    const QModelIndex exclusion =
        window.ExclusionsView()->model()->index(0, MarkTableModel::Reason);
    QCOMPARE(exclusion.data().toString(), QStringLiteral("party next door, music until late"));
    QCOMPARE(
        exclusion.data(Qt::ToolTipRole).toString(),
        QStringLiteral("excluded 2011-05-12 14:00 – 16:00 (party next door, music until late)"));
}

void TestAnalysisWindow::typedSelectionAndBadTimes() {
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    window.FromEdit()->setText(QStringLiteral("2011-05-13 07:00"));
    window.ToEdit()->setText(QStringLiteral("2011-05-13T19:00"));
    QVERIFY(window.SelectTyped());
    QCOMPARE(window.Session().Selection().from, At(1, 7));
    QCOMPARE(window.Session().Selection().to, At(1, 19));
    window.ToEdit()->setText(QStringLiteral("2011-05-13 06:00"));
    QVERIFY(!window.SelectTyped());
    QVERIFY(TakeWarning(window).contains(QStringLiteral("yyyy-mm-dd hh:mm")));
    QCOMPARE(window.Session().Selection().from, At(1, 7));
    // Times to the second select the minutes whose start they hold; a bad second is refused.
    window.FromEdit()->setText(QStringLiteral("2011-05-13 07:00:30"));
    window.ToEdit()->setText(QStringLiteral("2011-05-13 09:00:01"));
    QVERIFY(window.SelectTyped());
    QCOMPARE(window.Session().Selection().from, At(1, 7, 1));
    QCOMPARE(window.Session().Selection().to, At(1, 9, 1));
    window.FromEdit()->setText(QStringLiteral("2011-05-13 07:00:60"));
    QVERIFY(!window.SelectTyped());
    QVERIFY(!TakeWarning(window).isEmpty());
    // Within one minute and after its start: no minute starts there.
    window.FromEdit()->setText(QStringLiteral("2011-05-13 07:00:10"));
    window.ToEdit()->setText(QStringLiteral("2011-05-13 07:00:50"));
    QVERIFY(!window.SelectTyped());
    QVERIFY(!TakeWarning(window).isEmpty());
    QCOMPARE(window.Session().Selection().from, At(1, 7, 1));
}

void TestAnalysisWindow::theExclusionFileRoundTrips() {
    TestFiles files;
    frmAnalysis window;
    QList<QString> answers;
    QList<frmAnalysis::PathRequest> asked;
    window.SetPathChooser([&](QWidget*, const frmAnalysis::PathRequest& request) {
        asked.append(request);
        return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
    });
    window.Session().SetReports(Reports(ThreeDays()));
    window.Session().AddExclusion({Span(At(0, 14), At(0, 16, 30)), "rain"});
    window.Session().AddExclusion({Span(At(1, 7), At(1, 12)), "road works"});

    const QString path = files.Path(QStringLiteral("excluded.txt"));
    answers.append(path);
    QVERIFY(window.SaveExclusions());
    QCOMPARE(TestFiles::Read(path), std::string("2011-05-12T14:00/2011-05-12T16:30 rain\n"
                                                "2011-05-13T07:00/2011-05-13T12:00 road works\n"));
    window.Session().SetExclusions({});
    answers.append(path);
    QVERIFY(window.LoadExclusions());
    QCOMPARE(window.Session().Exclusions().size(), std::size_t{2});
    QCOMPARE(window.Session().Exclusions()[1].reason, std::string("road works"));
    QCOMPARE(window.Session().Result().minutes.excludedTime, vrd::MillisOf(150 + 300));

    // A bad line keeps what was there, and says where.
    const QString bad = files.Write(QStringLiteral("bad.txt"), "2011-05-12T14:00/nonsense rain\n");
    answers.append(bad);
    QVERIFY(!window.LoadExclusions());
    const QString warning = TakeWarning(window);
    QVERIFY2(warning.contains(bad) && warning.contains(QStringLiteral("line 1")),
             qPrintable(warning));
    QCOMPARE(window.Session().Exclusions().size(), std::size_t{2});
    // A cancelled dialog does nothing.
    QVERIFY(!window.LoadExclusions());
    QVERIFY(!asked.last().save);
}

void TestAnalysisWindow::aFailedFileIsNamedBeforeAReportAndCanBeRemoved() {
    TestFiles files;
    frmAnalysis window;
    QList<QString> answers;
    int asked = 0;
    window.SetPathChooser([&](QWidget*, const frmAnalysis::PathRequest&) {
        ++asked;
        return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
    });
    QStringList questions;
    bool goOn = false;
    window.SetConfirmer([&](QWidget*, const QString& question, const QString&) {
        questions.append(question);
        return goOn;
    });
    window.Session().SetReports(Reports(ThreeDays()));
    const vrd::AnalysisResult before = window.Session().Result();

    const QString missing = files.Path(QStringLiteral("missing.vrd"));
    answers.append(missing);
    QVERIFY(!window.AddFile());
    QVERIFY(TakeWarning(window).contains(missing));
    const QAbstractItemModel& listed = *window.FilesView()->model();
    QCOMPARE(listed.rowCount(), 2);
    QVERIFY(listed.index(1, 0).data(Qt::ForegroundRole).isValid());

    // A report now asks first, naming the file; cancelled, no file is even asked for.
    asked = 0;
    QVERIFY(!window.SaveReportAsPdf());
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions.last().contains(missing), qPrintable(questions.last()));
    QCOMPARE(asked, 0);
    QVERIFY(!window.Print());
    QCOMPARE(questions.size(), 2);
    // Going on writes it.
    goOn = true;
    const QString pdf = files.Path(QStringLiteral("with a failure.pdf"));
    answers.append(pdf);
    QVERIFY(window.SaveReportAsPdf());
    QVERIFY(QFileInfo::exists(pdf));

    // Removed, the failure asks nothing more and the figures are those before it.
    window.FilesView()->setCurrentIndex(listed.index(1, 0));
    window.findChild<QPushButton*>(QStringLiteral("RemoveFile"))->click();
    QCOMPARE(window.Session().Reports().size(), std::size_t{1});
    QCOMPARE(listed.rowCount(), 1);
    QCOMPARE(window.Session().Result().overall.leq, before.overall.leq);
    answers.append(pdf);
    QVERIFY(window.SaveReportAsPdf());
    QCOMPARE(questions.size(), 3);

    // A report read can go as well; nothing chosen, nothing removed.
    window.FilesView()->setCurrentIndex(QModelIndex());
    QVERIFY(!window.RemoveFile());
    window.FilesView()->setCurrentIndex(listed.index(0, 0));
    QVERIFY(window.RemoveFile());
    QVERIFY(window.Session().Reports().empty());
    QCOMPARE(window.Session().Result().minutes.measured, std::int64_t{0});
}

void TestAnalysisWindow::theSpreadsheetTypeChosenGivesTheSuffix() {
    TestFiles files;
    FakeFileDialogs dialogs;
    frmAnalysis window;
    UseFileDialogs(window, dialogs);
    window.Session().SetReports(Reports(ThreeDays()));

    // Both types are offered to choose from.
    dialogs.saveAnswers.append(files.Path(QStringLiteral("week")));
    dialogs.saveTypeAnswers.append(1);
    QVERIFY(window.SaveTables());
    const QString offered = dialogs.saveCalls.last().filter;
    QVERIFY2(offered.contains(QStringLiteral("*.xlsx")) &&
                 offered.contains(QStringLiteral("*.csv")),
             qPrintable(offered));
    // The comma-separated type chosen, with no suffix typed: the days and the hours as CSV.
    QVERIFY(QFileInfo::exists(files.Path(QStringLiteral("week.csv"))));
    QVERIFY(QFileInfo::exists(files.Path(QStringLiteral("week hours.csv"))));
    QVERIFY(!QFileInfo::exists(files.Path(QStringLiteral("week"))));

    dialogs.saveAnswers.append(files.Path(QStringLiteral("book")));
    dialogs.saveTypeAnswers.append(0);
    QVERIFY(window.SaveTables());
    QVERIFY(QFileInfo::exists(files.Path(QStringLiteral("book.xlsx"))));
    // A suffix typed is kept whatever the type chosen.
    dialogs.saveAnswers.append(files.Path(QStringLiteral("typed.CSV")));
    dialogs.saveTypeAnswers.append(0);
    QVERIFY(window.SaveTables());
    QVERIFY(QFileInfo::exists(files.Path(QStringLiteral("typed.CSV"))));
    QVERIFY(!QFileInfo::exists(files.Path(QStringLiteral("typed.CSV.xlsx"))));

    // Opening offers every type as well.
    QVERIFY(!window.AddFile());
    QCOMPARE(
        dialogs.openCalls.last().filter,
        QStringLiteral(
            "Reports and level exports (*.vrd *.txt *.csv)|*.vrd *.txt *.csv;;All files (*)|*"));
}

void TestAnalysisWindow::aDragOnTheChartSelectsAndTheLineBreaksAtGaps() {
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AnalysisChart& chart = *window.Chart();
    chart.Redraw();
    // Over the three days the gap at 01:40 is narrower than a pixel column: drawn through.
    QCOMPARE(chart.LevelSeries().size(), 1);
    // Zoomed into the first three hours it breaks the line.
    chart.View()->Show({0, 180}, chart.View()->ShownY());
    chart.Redraw();
    QCOMPARE(chart.LevelSeries().size(), 2);

    QSignalSpy dragged(&chart, &AnalysisChart::periodDragged);
    emit chart.View()->timeSpanSelected(60, 120.4);
    QCOMPARE(dragged.size(), 1);
    QCOMPARE(window.Session().Selection().from, At(0, 1));
    QCOMPARE(window.Session().Selection().to, At(0, 2));
}

void TestAnalysisWindow::theAnalysisCommandOpensOneWindowThatFollowsOpens() {
    TestFiles files;
    const QString first = files.Write(QStringLiteral("first.txt"), BuildReport(120, ClimbingLevel));
    const QString second =
        files.Write(QStringLiteral("second.txt"), BuildReport(300, ClimbingLevel));
    FakeFileDialogs dialogs;
    MDIFormMain main(dialogs, {0ms, {}});
    QSignalSpy started(&main, &MDIFormMain::startUpFinished);
    main.MDIForm_Load();
    QVERIFY(started.wait(5000));
    QVERIFY(!main.Menus().mnuAnalysis->isEnabled());

    QSignalSpy ended(&main, &MDIFormMain::loadEnded);
    main.OpenFile(first);
    QVERIFY(ended.wait(10000));
    QVERIFY(main.Menus().mnuAnalysis->isEnabled());
    main.Menus().mnuAnalysis->trigger();
    frmAnalysis* analysis = main.AnalysisWindow();
    QVERIFY(analysis != nullptr);
    QCOMPARE(analysis->Session().Result().minutes.measured, std::int64_t{119});
    QCOMPARE(analysis->Session().Site(), QStringLiteral("Site Test"));
    analysis->Session().AddExclusion({Span(At(0, 1), At(0, 1, 30)), "rain"});
    main.Menus().mnuAnalysis->trigger();
    QCOMPARE(main.AnalysisWindow(), analysis);
    // The same report again keeps what the user marked.
    QCOMPARE(analysis->Session().Exclusions().size(), std::size_t{1});

    // A new open asks about the exclusion made, then replaces it.
    int asked = 0;
    analysis->AnalysisFile().SetQuestion([&asked](QWidget*, const QString&) {
        ++asked;
        return AnalysisFileState::Answer::Discard;
    });
    main.OpenFile(second);
    QVERIFY(ended.wait(10000));
    QCOMPARE(asked, 1);
    QCOMPARE(main.AnalysisWindow(), analysis);
    QCOMPARE(analysis->Session().Result().minutes.measured, std::int64_t{299});
    QCOMPARE(analysis->Session().Reports().size(), std::size_t{1});
    QVERIFY(analysis->Session().Exclusions().empty());
    QVERIFY(TakeWarning(main).isEmpty());
}

VRD_GUI_TEST_MAIN(TestAnalysisWindow)
#include "tst_analysis_window.moc"
