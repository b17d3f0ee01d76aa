// The analysis window's model layer and window: the tables through QAbstractItemModelTester, the
// statistics of a selection against the core, exclusions that add and remove back to the same
// figures, a click on a row selecting its period, the exclusion file, and the "Analysis" command
// of the main window.

#include "analysis/analyse.h"
#include "analysis/exclusion_file.h"
#include "app/mdi_form_main.h"
#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/analysis_chart.h"
#include "views/analysis/analysis_table_models.h"
#include "views/analysis/analysis_text.h"
#include "views/analysis/frm_analysis.h"
#include "views/plot/chart_zoom_view.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QLineSeries>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

class TestAnalysisWindow final : public QObject {
    Q_OBJECT

  private slots:
    void modelsPassTheTesterThroughEveryChange();
    void statisticsOfASelectionAreTheCoresFigures();
    void excludingAndRemovingRestoresTheFiguresExactly();
    void aClickOnARowSelectsItsPeriod();
    void typedSelectionAndBadTimes();
    void theExclusionFileRoundTrips();
    void aDragOnTheChartSelectsAndTheLineBreaksAtGaps();
    void theAnalysisCommandOpensOneWindowThatFollowsOpens();
};

void TestAnalysisWindow::modelsPassTheTesterThroughEveryChange() {
    AnalysisSession session;
    DaysTableModel days(session);
    HoursTableModel hours(session);
    StatisticsModel statistics(session);
    ExclusionListModel exclusions(session);
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
    session.AddExclusion({{At(0, 14), At(0, 16)}, "rain"});
    QCOMPARE(exclusions.rowCount(), 1);
    QVERIFY(exclusions.index(0).data().toString().endsWith(QStringLiteral("rain")));
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
    session.AddExclusion({{At(1, 3), At(1, 5)}, "road works"});
    const vrd::Interval selection{At(0, 20, 17), At(2, 1, 3)};
    QVERIFY(session.Select(selection));

    // The core's own analysis of the same minutes.
    vrd::AnalysisSettings settings = session.Settings();
    settings.from = selection.from;
    settings.to = selection.to;
    const vrd::AnalysisResult core = vrd::Analyse(session.Series(), settings);
    const vrd::RangeFigures& shown = session.SelectionFigures();
    QCOMPARE(shown.levels.leq, core.overall.leq);
    QCOMPARE(shown.levels.lmax, core.overall.lmax);
    QCOMPARE(shown.levels.lmin, core.overall.lmin);
    for (const int percent : vrd::kStatisticalPercents)
        QCOMPARE(shown.levels.L(percent), core.overall.L(percent));
    QCOMPARE(shown.measured, core.minutes.measured);
    QCOMPARE(shown.excluded, core.minutes.excluded);
    QVERIFY(shown.exceedance && core.exceedance);
    QCOMPARE(shown.exceedance->minutes, core.exceedance->minutes);
    QCOMPARE(shown.exceedance->events, core.exceedance->events);
    QCOMPARE(shown.exceedance->longest, core.exceedance->longest);

    // And the panel shows them.
    StatisticsModel& panel = *window.Statistics();
    QCOMPARE(panel.Value(QStringLiteral("Start")), QStringLiteral("2011-05-12 20:17"));
    QCOMPARE(panel.Value(QStringLiteral("End")), QStringLiteral("2011-05-14 01:03"));
    QCOMPARE(panel.Value(QStringLiteral("Leq")), LevelText(core.overall.leq));
    QCOMPARE(panel.Value(QStringLiteral("L90")), LevelText(core.overall.L(90)));
    QCOMPARE(panel.Value(QStringLiteral("Coverage")), PercentText(core.coverage));
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
    QCOMPARE(session.Result().minutes.excluded, std::int64_t{180});
    QVERIFY(session.Result().overall.leq != before.overall.leq);
    QVERIFY(session.Result().days.At(2).levels.lday != before.days.At(2).levels.lday);
    QCOMPARE(session.SelectionFigures().measured, std::int64_t{0});
    QCOMPARE(window.Statistics()->Value(QStringLiteral("Leq")), QString());

    session.RemoveExclusion(0);
    session.Select(session.AnalysedPeriod());
    const vrd::AnalysisResult& after = session.Result();
    QCOMPARE(after.overall.leq, before.overall.leq);
    QCOMPARE(after.whole.lden, before.whole.lden);
    QCOMPARE(after.minutes.excluded, std::int64_t{0});
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
    QTableView* days = window.DaysView();
    emit days->clicked(days->model()->index(2, DaysTableModel::Lday));
    QCOMPARE(window.Session().Selection().from, At(1, 0));
    QCOMPARE(window.Session().Selection().to, At(2, 0));
    QTableView* hours = window.HoursView();
    emit hours->clicked(hours->model()->index(30, HoursTableModel::Leq));
    QCOMPARE(window.Session().Selection().from, At(1, 6));
    QCOMPARE(window.Session().Selection().to, At(1, 7));
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
    window.Session().AddExclusion({{At(0, 14), At(0, 16, 30)}, "rain"});
    window.Session().AddExclusion({{At(1, 7), At(1, 12)}, "road works"});

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
    QCOMPARE(window.Session().Result().minutes.excluded, std::int64_t{150 + 300});

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
    analysis->Session().AddExclusion({{At(0, 1), At(0, 1, 30)}, "rain"});
    main.Menus().mnuAnalysis->trigger();
    QCOMPARE(main.AnalysisWindow(), analysis);
    // The same report again keeps what the user marked.
    QCOMPARE(analysis->Session().Exclusions().size(), std::size_t{1});

    main.OpenFile(second);
    QVERIFY(ended.wait(10000));
    QCOMPARE(main.AnalysisWindow(), analysis);
    QCOMPARE(analysis->Session().Result().minutes.measured, std::int64_t{299});
    QCOMPARE(analysis->Session().Reports().size(), std::size_t{1});
    QVERIFY(analysis->Session().Exclusions().empty());
    QVERIFY(TakeWarning(main).isEmpty());
}

VRD_GUI_TEST_MAIN(TestAnalysisWindow)
#include "tst_analysis_window.moc"
