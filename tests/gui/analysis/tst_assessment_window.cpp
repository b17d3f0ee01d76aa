// Marking and assessing in the analysis window: source and residual marks kept, refused when they
// overlap, changed, removed back to the same figures and saved in the marks file; the runs above
// the threshold marked as the runs dialog asks, counted as its values are typed; the assessment
// table against what vrdtool assess
// --json prints for the same file and marks; a click on a period selecting it.

#include "analysis/exclusion_file.h"
#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/assessment/assessment_models.h"
#include "views/analysis/assessment/assessment_tab.h"
#include "views/analysis/marks/mark_runs_dialog.h"
#include "views/analysis/marks/mark_table_model.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/analysis/window/frm_analysis.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

// Two days from 12/05/2011: a quiet place (40 to 44 dB) with a fan of 52 dB from 08:00 to 10:00
// and from 22:30 to 23:10 each date.
int Level(int minute) {
    const int ofDay = minute % 1440;
    if ((ofDay >= 480 && ofDay < 600) || (ofDay >= 1350 && ofDay < 1390))
        return 52 + minute % 2;
    return 40 + minute % 5;
}

constexpr int kMinutes = 2 * 1440;

std::vector<vrd::ReportForAnalysis> TwoDays(const QString& path) {
    const CoreOpen open = OpenWithCore(path, vrd::ReportKind::Plain);
    vrd::ReportForAnalysis report;
    report.path = path.toStdString();
    report.minuteLines = open.state.MinuteLines;
    std::vector<vrd::ReportForAnalysis> reports;
    reports.push_back(std::move(report));
    return reports;
}

// The fan marked as source both mornings and evenings, the nights before it as residual.
std::vector<vrd::Mark> FanMarks() {
    std::vector<vrd::Mark> marks;
    for (int day = 0; day < 2; ++day) {
        marks.push_back({vrd::MarkKind::Source, Span(At(day, 8), At(day, 10)), "fan"});
        marks.push_back({vrd::MarkKind::Source, Span(At(day, 22, 30), At(day, 23, 10)), "fan"});
        marks.push_back({vrd::MarkKind::Residual, Span(At(day, 10), At(day, 22, 30)), "fan off"});
    }
    marks.push_back({vrd::MarkKind::Exclude, Span(At(1, 13), At(1, 14)), "rain"});
    return marks;
}

QString Cell(const QAbstractItemModel& model, int row, int column) {
    return model.index(row, column).data().toString();
}

// A JSON number as the table writes it: one decimal, empty for null.
QString OneDecimal(const QJsonValue& value) {
    return value.isNull() ? QString() : QString::number(value.toDouble(), 'f', 1);
}

} // namespace

class TestAssessmentWindow final : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void marksAreListedChangedAndRefusedWhenTheyOverlap();
    void markingAndRemovingRestoresTheFigures();
    void theMarksFileRoundTripsWithVrdtools();
    void runsAboveTheThresholdBecomeMarksAsAsked();
    void theRunsDialogCountsAsTheValuesAreTyped();
    void theTableIsWhatVrdtoolAssessPrints();
    void backgroundAndAClickOnAPeriod();
    void aMarkOutsideTheReportsIsToldWhenMadeOrLoadedAndChangesNothing();
    void aModeOfOneIntervalIsSaidNotRepresentative();
    void theTabFitsA1280By800ScreenWithItsVerdictInView();

  private:
    TestFiles files_;
    QString report_;
};

void TestAssessmentWindow::initTestCase() {
    report_ = files_.Write(QStringLiteral("fan.txt"), DatedReport(kMinutes, Level));
}

void TestAssessmentWindow::marksAreListedChangedAndRefusedWhenTheyOverlap() {
    frmAnalysis window;
    AnalysisSession& session = window.Session();
    MarkTableModel list(window.Analysis());
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    session.SetReports(TwoDays(report_));

    QVERIFY(session.Select({At(0, 8), At(0, 10)}));
    window.ReasonEdit()->setText(QStringLiteral("the fan"));
    QVERIFY(window.MarkSelection(vrd::MarkKind::Source));
    QVERIFY(window.ReasonEdit()->text().isEmpty());
    QVERIFY(session.Select({At(0, 12), At(0, 14)}));
    QVERIFY(window.MarkSelection(vrd::MarkKind::Residual));
    window.ExcludeSelection(); // the same period, excluded: an exclusion may overlap anything
    QCOMPARE(list.rowCount(), 3);
    // Exclusions first, then the source and residual marks as they came.
    QCOMPARE(list.index(0, 0).data(MarkTableModel::kKindRole).toInt(),
             static_cast<int>(vrd::MarkKind::Exclude));
    const QString second = list.index(1, 0).data(MarkTableModel::kTextRole).toString();
    QVERIFY(second.startsWith(QStringLiteral("source 2011-05-12 08:00")));
    QVERIFY(second.endsWith(QStringLiteral("(the fan)")));

    // A residual over the source is refused, with both marks named, and nothing changes.
    QVERIFY(session.Select({At(0, 9), At(0, 13)}));
    QVERIFY(!window.MarkSelection(vrd::MarkKind::Residual));
    const QString warning = TakeWarning(window);
    QVERIFY2(warning.contains(QStringLiteral("source mark 2011-05-12 08:00 – 10:00 (the fan)")) &&
                 warning.contains(QStringLiteral("residual mark 2011-05-12 09:00 – 13:00")),
             qPrintable(warning));
    QCOMPARE(list.rowCount(), 3);

    // The residual made a source; the source made a residual overlaps nothing then.
    QVERIFY(window.ChangeMarkKind(2, vrd::MarkKind::Source));
    QCOMPARE(session.Marks().size(), std::size_t{2});
    QCOMPARE(session.Marks()[1].kind, vrd::MarkKind::Source);
    // The exclusion made a residual now overlaps the source at 12:00: refused.
    QVERIFY(!window.ChangeMarkKind(0, vrd::MarkKind::Residual));
    QVERIFY(!TakeWarning(window).isEmpty());
    session.RemoveMark(0);
    QCOMPARE(session.Exclusions().size(), std::size_t{0});
    QCOMPARE(list.rowCount(), 2);
}

void TestAssessmentWindow::markingAndRemovingRestoresTheFigures() {
    frmAnalysis window;
    AnalysisSession& session = window.Session();
    session.SetReports(TwoDays(report_));
    session.SetAssessmentSettings(vrd::AssessmentSettings{});
    EmergenceTableModel& table = *window.Assessment()->Periods();
    QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Without a source minute no period was heard: the pooled rows alone, unless every period is
    // asked for: the nights of 11/05 to 13/05, and both days.
    QCOMPARE(table.rowCount(), 2);
    window.Assessment()->EveryPeriodBox()->setChecked(true);
    QCOMPARE(table.rowCount(), 5 + 2);
    QStringList before;
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < EmergenceTableModel::kColumns; ++column)
            before.append(Cell(table, row, column));
    QCOMPARE(Cell(table, 1, EmergenceTableModel::Verdict), QStringLiteral("not assessable"));

    QVERIFY(!session.AddMark({vrd::MarkKind::Source, Span(At(0, 8), At(0, 10)), "fan"}));
    QCOMPARE(Cell(table, 1, EmergenceTableModel::SourceMinutes), QStringLiteral("120"));
    QCOMPARE(Cell(table, 1, EmergenceTableModel::Verdict), QStringLiteral("exceeds"));
    QCOMPARE(table.index(1, EmergenceTableModel::Verdict).data(Qt::BackgroundRole),
             QVariant(QBrush(QColor(255, 205, 210))));
    QVERIFY(window.Assessment()->Summary()->text().contains(QStringLiteral("Day of 2011-05-12")));
    // Without every period, the period heard and the pooled rows, with the heard period's hours.
    window.Assessment()->EveryPeriodBox()->setChecked(false);
    QCOMPARE(table.rowCount(), 1 + 2);
    QCOMPARE(Cell(table, 0, EmergenceTableModel::SourceMinutes), QStringLiteral("120"));
    QCOMPARE(table.index(0, 0).data(kPeriodStartRole).toLongLong(), At(0, 7));
    QCOMPARE(table.index(0, 0).data(kPeriodEndRole).toLongLong(), At(0, 22));
    window.Assessment()->EveryPeriodBox()->setChecked(true);

    session.RemoveMark(0);
    QStringList after;
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < EmergenceTableModel::kColumns; ++column)
            after.append(Cell(table, row, column));
    QCOMPARE(after, before);
}

void TestAssessmentWindow::theMarksFileRoundTripsWithVrdtools() {
    frmAnalysis window;
    QList<QString> answers;
    window.SetPathChooser([&](QWidget*, const frmAnalysis::PathRequest&) {
        return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
    });
    window.Session().SetReports(TwoDays(report_));
    QVERIFY(!window.Session().SetMarks(FanMarks()));

    const QString path = files_.Path(QStringLiteral("marks.txt"));
    answers.append(path);
    QVERIFY(window.SaveExclusions());
    QCOMPARE(TestFiles::Read(path), vrd::FormatMarksFile(window.Session().AllMarks()));
    QVERIFY(TestFiles::Read(path).find("source 2011-05-12T08:00/2011-05-12T10:00 fan\n") !=
            std::string::npos);
    window.Session().SetMarks({});
    answers.append(path);
    QVERIFY(window.LoadExclusions());
    QCOMPARE(window.Session().AllMarks().size(), FanMarks().size());
    QCOMPARE(window.Session().Exclusions().size(), std::size_t{1});

    // A file whose source and residual overlap is refused whole, naming both.
    const QString bad = files_.Write(QStringLiteral("overlap.txt"),
                                     "source 2011-05-12T08:00/2011-05-12T10:00 fan\n"
                                     "residual 2011-05-12T09:00/2011-05-12T11:00 quiet\n");
    answers.append(bad);
    QVERIFY(!window.LoadExclusions());
    QVERIFY(TakeWarning(window).contains(QStringLiteral("overlaps")));
    QCOMPARE(window.Session().AllMarks().size(), FanMarks().size());
}

void TestAssessmentWindow::runsAboveTheThresholdBecomeMarksAsAsked() {
    frmAnalysis window;
    std::vector<std::size_t> counted;
    std::optional<vrd::RunMarking> answer;
    window.SetRunsAsker(
        [&](QWidget*, const vrd::RunMarking& first, const MarkActions::RunsCounter& count) {
            counted.push_back(count(first));
            return answer;
        });
    AnalysisSession& session = window.Session();
    session.SetReports(TwoDays(report_));
    QVERIFY(!window.MarkRuns()); // no threshold: a warning, no question
    QVERIFY(!TakeWarning(window).isEmpty());
    QVERIFY(counted.empty());

    session.SetThreshold(50);
    QVERIFY(!window.MarkRuns()); // cancelled: nothing marked
    QCOMPARE(counted, std::vector<std::size_t>{4});
    QVERIFY(session.Marks().empty());

    // The two nights' breaks of 530 minutes joined, the marks under 200 minutes dropped: the fan
    // from the first evening to the second morning as residual, in one undoable step.
    answer = vrd::RunMarking{50, 200, 600, vrd::MarkKind::Residual};
    QVERIFY(window.MarkRuns());
    QCOMPARE(session.Marks().size(), std::size_t{1});
    QCOMPARE(session.Marks()[0].kind, vrd::MarkKind::Residual);
    QCOMPARE(session.Marks()[0].span, Span(At(0, 22, 30), At(1, 10)));
    QCOMPARE(session.Marks()[0].reason, std::string("above 50 dB"));
    QVERIFY(window.Analysis().Stack().undoText().startsWith(QStringLiteral("mark 1 run")));
    window.Analysis().Stack().undo();
    QVERIFY(session.Marks().empty());

    // Each run as a source, as vrdtool marks --above 50 gives them.
    answer = vrd::RunMarking{50, 1, 0, vrd::MarkKind::Source};
    QVERIFY(window.MarkRuns());
    QCOMPARE(session.Marks().size(), std::size_t{4});
    QCOMPARE(session.Marks()[0].span, Span(At(0, 8), At(0, 10)));
    QCOMPARE(session.Marks()[3].span.end, vrd::MillisOf(At(1, 23, 10)));
}

void TestAssessmentWindow::theRunsDialogCountsAsTheValuesAreTyped() {
    const std::vector<vrd::TimeSpan> runs = {
        Span(At(0, 8), At(0, 10)), Span(At(0, 22, 30), At(0, 23, 10)), Span(At(1, 8), At(1, 10))};
    MarkRunsDialog dialog(
        vrd::RunMarking{50, 1, 0, vrd::MarkKind::Source},
        [&](const vrd::RunMarking& marking) { return vrd::JoinRuns(runs, marking).size(); });
    QCOMPARE(dialog.CountLabel()->text(), QStringLiteral("3 mark(s) will be made."));
    dialog.MinMinutesBox()->setValue(60);
    QCOMPARE(dialog.CountLabel()->text(), QStringLiteral("2 mark(s) will be made."));
    dialog.JoinMinutesBox()->setValue(750);
    QCOMPARE(dialog.CountLabel()->text(), QStringLiteral("1 mark(s) will be made."));
    dialog.MinMinutesBox()->setValue(5000);
    QCOMPARE(dialog.CountLabel()->text(), QStringLiteral("0 mark(s) will be made."));
    auto* mark = dialog.findChild<QPushButton*>(QStringLiteral("RunsMark"));
    QVERIFY(mark != nullptr && !mark->isEnabled());
    dialog.KindBox()->setCurrentIndex(
        dialog.KindBox()->findData(static_cast<int>(vrd::MarkKind::Exclude)));
    const vrd::RunMarking marking = dialog.Marking();
    QCOMPARE(marking.kind, vrd::MarkKind::Exclude);
    QCOMPARE(marking.minMinutes, vrd::Minute{5000});
    QCOMPARE(marking.joinMinutes, vrd::Minute{750});
    QCOMPARE(marking.threshold, 50.0);
}

void TestAssessmentWindow::theTableIsWhatVrdtoolAssessPrints() {
    const QString marks =
        files_.Write(QStringLiteral("fan marks.txt"), vrd::FormatMarksFile(FanMarks()));
    for (const char* standard : {"fr-neighbourhood", "fr-icpe"}) {
        QProcess vrdtool;
        vrdtool.start(QStringLiteral(VRDTOOL_PATH),
                      {QStringLiteral("assess"), report_, QStringLiteral("--standard"),
                       QLatin1String(standard), QStringLiteral("--marks-file"), marks,
                       QStringLiteral("--json")});
        QVERIFY(vrdtool.waitForFinished(30000));
        QCOMPARE(vrdtool.exitCode(), 0);
        const QJsonObject json = QJsonDocument::fromJson(vrdtool.readAllStandardOutput()).object();
        const QJsonArray periods = json.value(QStringLiteral("periods")).toArray();
        QVERIFY(!periods.isEmpty());

        frmAnalysis window;
        window.Session().SetReports(TwoDays(report_));
        QVERIFY(!window.Session().SetMarks(FanMarks()));
        QComboBox& box = *window.Assessment()->StandardBox();
        box.setCurrentIndex(box.findText(QLatin1String(standard) == QLatin1String("fr-icpe")
                                             ? QStringLiteral("French classified installation")
                                             : QStringLiteral("French neighbourhood noise")));
        const EmergenceTableModel& table = *window.Assessment()->Periods();
        // The table lists the periods in which the noise was heard, then the pooled rows.
        QJsonArray heard;
        for (const QJsonValue& period : periods)
            if (period.toObject().value(QStringLiteral("source_minutes")).toInt() > 0)
                heard.append(period);
        QVERIFY(heard.size() < periods.size());
        // "overall" is keyed by label; its keys sort as the table lists them: day, holiday, night.
        const QJsonObject overallByLabel = json.value(QStringLiteral("overall")).toObject();
        QJsonArray overall;
        for (const QString& label : overallByLabel.keys())
            overall.append(overallByLabel.value(label));
        QCOMPARE(table.rowCount(), heard.size() + overall.size());
        for (int row = 0; row < table.rowCount(); ++row) {
            const bool pooled = row >= heard.size();
            const QJsonObject period =
                (pooled ? overall[row - heard.size()] : heard[row]).toObject();
            if (pooled) {
                QCOMPARE(Cell(table, row, EmergenceTableModel::Period),
                         overallByLabel.keys().at(row - heard.size()));
            } else {
                QCOMPARE(Cell(table, row, EmergenceTableModel::Date),
                         period.value(QStringLiteral("date")).toString());
                QCOMPARE(Cell(table, row, EmergenceTableModel::Period),
                         period.value(QStringLiteral("period")).toString());
            }
            QCOMPARE(Cell(table, row, EmergenceTableModel::SourceMinutes),
                     QString::number(period.value(QStringLiteral("source_minutes")).toInt()));
            QCOMPARE(Cell(table, row, EmergenceTableModel::Ambient),
                     OneDecimal(period.value(QStringLiteral("ambient"))));
            QCOMPARE(Cell(table, row, EmergenceTableModel::Residual),
                     OneDecimal(period.value(QStringLiteral("residual"))));
            QCOMPARE(Cell(table, row, EmergenceTableModel::Emergence),
                     OneDecimal(period.value(QStringLiteral("emergence"))));
            QCOMPARE(Cell(table, row, EmergenceTableModel::Margin),
                     OneDecimal(period.value(QStringLiteral("margin"))));
            // A whole-number limit is written as the levels beside it are.
            QCOMPARE(Cell(table, row, EmergenceTableModel::Limit),
                     OneDecimal(period.value(QStringLiteral("limit"))));
            const QString verdict = period.value(QStringLiteral("verdict")).toString();
            const bool conclusive = period.value(QStringLiteral("conclusive")) != QJsonValue(false);
            const QString shown = Cell(table, row, EmergenceTableModel::Verdict);
            const QString leaning = table.index(row, EmergenceTableModel::Verdict)
                                        .data(EmergenceTableModel::kLeaningRole)
                                        .toString();
            if (!conclusive) {
                QCOMPARE(shown, QStringLiteral("not conclusive"));
                QCOMPARE(leaning, verdict);
            } else {
                QVERIFY(leaning.isEmpty());
                QVERIFY2(shown.startsWith(
                             verdict == QStringLiteral("no_data") ? QStringLiteral("not assessable")
                             : verdict == QStringLiteral("below_gate") ? QStringLiteral("below")
                                                                       : verdict),
                         qPrintable(shown + QStringLiteral(" / ") + verdict));
            }
            QStringList notes;
            for (const QJsonValue& note : period.value(QStringLiteral("notes")).toArray())
                notes.append(note.toString() == QStringLiteral("short_residual")
                                 ? QStringLiteral("Residual measured under 30 min")
                                 : QStringLiteral("Residual louder than ambient"));
            QCOMPARE(Cell(table, row, EmergenceTableModel::Notes),
                     notes.join(QStringLiteral("; ")));
        }
    }
}

void TestAssessmentWindow::backgroundAndAClickOnAPeriod() {
    frmAnalysis window;
    AnalysisSession& session = window.Session();
    session.SetReports(TwoDays(report_));
    QVERIFY(!session.SetMarks(FanMarks()));
    QComboBox& box = *window.Assessment()->StandardBox();
    box.setCurrentIndex(box.findText(QStringLiteral("French neighbourhood noise")));
    QVERIFY(window.Assessment()->IndoorsBox()->isEnabled());
    QTableView& periods = *window.Assessment()->PeriodsView();
    emit periods.clicked(periods.model()->index(0, EmergenceTableModel::Ambient));
    QCOMPARE(session.Selection().from, At(0, 7));
    QCOMPARE(session.Selection().to, At(0, 22));

    box.setCurrentIndex(box.findText(QStringLiteral("BS 4142 background")));
    QVERIFY(!window.Assessment()->IndoorsBox()->isEnabled());
    const BackgroundLevelModel& background = *window.Assessment()->Background();
    QAbstractItemModelTester tester(window.Assessment()->Intervals(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(background.rowCount(), static_cast<int>(session.Assessed()->background.size()));
    const vrd::BackgroundLevel& day = session.Assessed()->background.front();
    QCOMPARE(Cell(background, 0, BackgroundLevelModel::Count), QString::number(day.count));
    QCOMPARE(Cell(background, 0, BackgroundLevelModel::Mode), QString::number(*day.mode));
    QTableView& intervals = *window.Assessment()->IntervalsView();
    emit intervals.clicked(intervals.model()->index(2, BackgroundIntervalModel::L90));
    QCOMPARE(session.Selection().Length(), session.Assessed()->BackgroundIntervalAt(2).length);

    box.setCurrentIndex(0);
    QVERIFY(!session.Assessed());
    QCOMPARE(window.Assessment()->Periods()->rowCount(), 0);
}

// What the table and the summary show, cell by cell.
QStringList Shown(const AssessmentTab& tab) {
    QStringList shown = {tab.Summary()->text()};
    const EmergenceTableModel& table = *tab.Periods();
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < EmergenceTableModel::kColumns; ++column)
            shown.append(Cell(table, row, column));
    return shown;
}

// A mark a year after the reports shares none of their minutes: the window says so when it is
// made and when a marks file brings it, and no figure changes.
void TestAssessmentWindow::aMarkOutsideTheReportsIsToldWhenMadeOrLoadedAndChangesNothing() {
    frmAnalysis window;
    QList<QString> answers;
    window.SetPathChooser([&](QWidget*, const frmAnalysis::PathRequest&) {
        return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
    });
    AnalysisSession& session = window.Session();
    session.SetReports(TwoDays(report_));
    QVERIFY(!session.SetMarks(FanMarks()));
    session.SetAssessmentSettings(vrd::AssessmentSettings{});
    const QStringList before = Shown(*window.Assessment());

    const vrd::Interval later = {At(366, 8), At(366, 10)};
    QVERIFY(session.Select(later));
    window.ReasonEdit()->setText(QStringLiteral("a year later"));
    QVERIFY(window.MarkSelection(vrd::MarkKind::Source));
    const QString made = TakeWarning(window);
    QVERIFY2(
        made.contains(QStringLiteral("1 mark lies outside the reports' minutes and changes no "
                                     "figure: source 2012-05-12 08:00 – 10:00 (a year later)")),
        qPrintable(made));
    QCOMPARE(session.Assessed()->marksOutside.size(), std::size_t{1});
    QStringList after = Shown(*window.Assessment());
    QVERIFY(after.front().contains(QStringLiteral("lies outside")));
    after.front() = before.front();
    QCOMPARE(after, before);
    // A mark within the reports is made without a word.
    QVERIFY(session.Select({At(1, 12), At(1, 12, 30)}));
    QVERIFY(window.MarkSelection(vrd::MarkKind::Exclude));
    QVERIFY(TakeWarning(window).isEmpty());

    std::vector<vrd::Mark> marks = FanMarks();
    marks.push_back({vrd::MarkKind::Residual, vrd::SpanOfMinutes(later), "far"});
    marks.push_back({vrd::MarkKind::Exclude, Span(At(-30, 0), At(-29, 0)), "before"});
    answers.append(files_.Write(QStringLiteral("far marks.txt"), vrd::FormatMarksFile(marks)));
    QVERIFY(window.LoadExclusions());
    const QString loaded = TakeWarning(window);
    QVERIFY2(loaded.contains(QStringLiteral("2 marks lie outside")) &&
                 loaded.contains(QStringLiteral("excluded 2011-04-12 00:00 – 2011-04-13 00:00")) &&
                 loaded.contains(QStringLiteral("residual 2012-05-12 08:00 – 10:00 (far)")),
             qPrintable(loaded));
    after = Shown(*window.Assessment());
    after.front() = before.front();
    QCOMPARE(after, before);
}

// BS 4142 by day: every hour a decibel louder than the one before, so no L90 repeats.
void TestAssessmentWindow::aModeOfOneIntervalIsSaidNotRepresentative() {
    const QString rising =
        files_.Write(QStringLiteral("rising.txt"),
                     DatedReport(1440, [](int minute) { return 40 + minute / 60; }));
    frmAnalysis window;
    window.Session().SetReports(TwoDays(rising));
    window.Session().SetAssessmentSettings(vrd::AssessmentSettings{vrd::Standard::Bs4142, false});
    const BackgroundLevelModel& background = *window.Assessment()->Background();
    QCOMPARE(Cell(background, 0, BackgroundLevelModel::Period), QStringLiteral("day"));
    QCOMPARE(Cell(background, 0, BackgroundLevelModel::Mode),
             QStringLiteral("47 (not representative: median 54.5)"));
    QVERIFY(window.Assessment()->Summary()->text().contains(
        QStringLiteral("Background, day: mode 47 dB, not representative")));
}

// The tab on a 1280 by 800 screen, in French: every column up to the verdict in view. With
// VRD_SHOTS set, the window is saved there as a picture.
void TestAssessmentWindow::theTabFitsA1280By800ScreenWithItsVerdictInView() {
    const QString worked =
        files_.Write(QStringLiteral("worked.txt"), DatedReport(kCaseMinutes, CaseLevel));
    SetWindowLanguage(Language::French);
    {
        frmAnalysis window;
        AnalysisSession& session = window.Session();
        session.SetReports(TwoDays(worked));
        QVERIFY(!session.SetMarks(
            {{vrd::MarkKind::Source, Span(At(0, 10), At(0, 11)), "compresseur"},
             {vrd::MarkKind::Source, Span(At(1, 2), At(1, 2, 20)), "ventilation"}}));
        session.SetAssessmentSettings(vrd::AssessmentSettings{});
        window.findChild<QTabWidget*>()->setCurrentWidget(window.Assessment());
        window.resize(1280, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(window.width() <= 1280 && window.height() <= 800,
                 qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
        const QTableView& view = *window.Assessment()->PeriodsView();
        const int verdictEnd = view.columnViewportPosition(EmergenceTableModel::Verdict) +
                               view.columnWidth(EmergenceTableModel::Verdict);
        QVERIFY2(
            verdictEnd <= view.viewport()->width(),
            qPrintable(QStringLiteral("%1 > %2").arg(verdictEnd).arg(view.viewport()->width())));
        const EmergenceTableModel& table = *window.Assessment()->Periods();
        QCOMPARE(Cell(table, 0, EmergenceTableModel::Limit), QStringLiteral("8,0"));
        QCOMPARE(Cell(table, 0, EmergenceTableModel::Verdict), QStringLiteral("non concluant"));
        QCOMPARE(table.index(0, EmergenceTableModel::Verdict)
                     .data(EmergenceTableModel::kLeaningRole)
                     .toString(),
                 QStringLiteral("conforme"));
        QCOMPARE(Cell(table, 1, EmergenceTableModel::Notes),
                 QStringLiteral("Bruit résiduel supérieur au bruit ambiant"));
        const QString shots = qEnvironmentVariable("VRD_SHOTS");
        if (!shots.isEmpty())
            QVERIFY(window.grab().save(shots + QStringLiteral("/assessment-tab-fr.png")));
    }
    SetWindowLanguage(Language::English);
}

VRD_GUI_TEST_MAIN(TestAssessmentWindow)
#include "tst_assessment_window.moc"
