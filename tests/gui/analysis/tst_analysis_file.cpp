// The analysis file in the analysis window and vrdview --report: save, open and save again give
// the same bytes; the title names the file and marks changes; closing with changes asks; a
// missing report is listed with its reason; a bad file changes nothing; and the window, vrdview
// --report, vrdtool stats and vrdtool assess give the same figures from one file.

#include "analysis/assess.h"
#include "app/mdi_form_main.h"
#include "tests/gui/gui_test_support.h"
#include "tools/vrdtool/assess_command.h"
#include "tools/vrdtool/assess_output.h"
#include "tools/vrdtool/stats_command.h"
#include "tools/vrdtool/stats_output.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/analysis/settings/analysis_settings_tab.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/analysis/window/frm_analysis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListView>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <sstream>

using namespace std::chrono_literals;

namespace {

// 12/05/2011 from 00:00: the level climbs by the hour, and minute 100 is a gap.
int Level(int minute) {
    if (minute == 100)
        return -1;
    return 40 + (minute / 60) % 30 + minute % 7;
}

vrd::Minute At(int hour, int minute = 0) {
    return vrd::DayFromCivil({2011, 5, 12}) * vrd::kMinutesPerDay + hour * 60 + minute;
}

// A day of minutes in logs/, and an analysis of it beside the folder with every kind of value.
struct Campaign {
    Campaign() {
        QDir(files.Path(QString())).mkdir(QStringLiteral("logs"));
        day = files.Write(QStringLiteral("logs/day.txt"), BuildReport(1440, Level));
        analysis = files.Write(QStringLiteral("day.vrda"), R"({"format": "vrd-analysis",
  "files": ["logs/day.txt"], "from": "2011-05-12T02:00", "threshold": 62.5, "preset": "fr",
  "min_coverage": 0.8, "standard": "fr-neighbourhood", "who": "road", "client": "Mairie",
  "marks": [{"kind": "exclude", "from": "2011-05-12T14:00", "to": "2011-05-12T15:00", "reason": "pluie"},
            {"kind": "source", "from": "2011-05-12T08:00", "to": "2011-05-12T09:30", "reason": "fan"}]})");
    }
    TestFiles files;
    QString day;
    QString analysis;
};

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void AnswerAlways(frmAnalysis& window, AnalysisFileState::Answer answer, int* asked) {
    window.AnalysisFile().SetQuestion([answer, asked](QWidget*, const QString&) {
        ++*asked;
        return answer;
    });
}

} // namespace

class TestAnalysisFile final : public QObject {
    Q_OBJECT

  private slots:
    void saveOpenSaveGivesTheSameBytes();
    void thePresetAndWhoSourceAreShownAndKept();
    void theTitleNamesTheFileAndMarksChanges();
    void closingWithChangesAsks();
    void aMissingReportIsListedWithItsReasonAndTheRestOpens();
    void aFileThatCannotBeUsedChangesNothing();
    void theWindowAndTheCommandsGiveTheSameFigures();
    void theReportCommandTakesTheFile();
    void theMainWindowOpensAnAnalysisFile();
};

void TestAnalysisFile::saveOpenSaveGivesTheSameBytes() {
    Campaign campaign;
    frmAnalysis window;
    QVERIFY(window.OpenAnalysisFile(campaign.analysis));
    const AnalysisSession& session = window.Session();
    QCOMPARE(session.Reports().size(), std::size_t{1});
    QCOMPARE(session.Settings().threshold, std::optional<double>(62.5));
    QCOMPARE(session.Settings().periods.day, 6);
    QCOMPARE(session.Settings().preset, std::string("fr"));
    QCOMPARE(session.Exclusions().size(), std::size_t{1});
    QCOMPARE(session.Settings().marks.size(), std::size_t{1});
    QCOMPARE(session.MinimumCoverage(), 0.8);
    QVERIFY(session.Assessment() &&
            session.Assessment()->standard == vrd::Standard::FrNeighbourhood);
    QCOMPARE(session.AnalysedPeriod().from, At(2));

    const QString saved = campaign.files.Path(QStringLiteral("saved.vrda"));
    QString reason;
    QVERIFY2(window.WriteAnalysis(saved, reason), qPrintable(reason));
    const std::string bytes = TestFiles::Read(saved);
    QVERIFY(bytes.find("\"files\": [\n    \"logs/day.txt\"\n  ]") != std::string::npos);
    QVERIFY(bytes.find("\"client\": \"Mairie\"") != std::string::npos);

    frmAnalysis again;
    QVERIFY(again.OpenAnalysisFile(saved));
    const QString resaved = campaign.files.Path(QStringLiteral("resaved.vrda"));
    QVERIFY2(again.WriteAnalysis(resaved, reason), qPrintable(reason));
    QCOMPARE(TestFiles::Read(resaved), bytes);

    // Saved elsewhere, the report is named from there; asked for, absolutely.
    QDir(campaign.files.Path(QString())).mkdir(QStringLiteral("out"));
    const QString moved = campaign.files.Path(QStringLiteral("out/moved.vrda"));
    QVERIFY(again.WriteAnalysis(moved, reason));
    QVERIFY(TestFiles::Read(moved).find("\"../logs/day.txt\"") != std::string::npos);
    again.findChild<QCheckBox*>(QStringLiteral("AbsolutePaths"))->setChecked(true);
    QVERIFY(again.WriteAnalysis(moved, reason));
    QVERIFY(TestFiles::Read(moved).find("\"" + Local(campaign.day) + "\"") != std::string::npos);
}

void TestAnalysisFile::thePresetAndWhoSourceAreShownAndKept() {
    Campaign campaign;
    frmAnalysis window;
    QVERIFY(window.OpenAnalysisFile(campaign.analysis));
    const auto boxes = [](frmAnalysis& shown) {
        const AnalysisSettingsTab& settings = *shown.findChild<AnalysisSettingsTab*>();
        return std::pair(settings.PresetBox(), settings.WhoBox());
    };
    QCOMPARE(boxes(window).first->currentText(), QStringLiteral("France"));
    QCOMPARE(boxes(window).second->currentText(), QStringLiteral("Road traffic"));

    const auto choose = [](QComboBox* box, const QString& text) {
        box->setCurrentIndex(box->findText(text));
        emit box->activated(box->currentIndex());
    };
    choose(boxes(window).first, QStringLiteral("Italy"));
    choose(boxes(window).second, QStringLiteral("Aircraft"));
    const QString saved = campaign.files.Path(QStringLiteral("italy.vrda"));
    QString reason;
    QVERIFY2(window.WriteAnalysis(saved, reason), qPrintable(reason));
    frmAnalysis again;
    QVERIFY(again.OpenAnalysisFile(saved));
    QCOMPARE(boxes(again).first->currentText(), QStringLiteral("Italy"));
    QCOMPARE(boxes(again).second->currentText(), QStringLiteral("Aircraft"));
    QCOMPARE(again.Session().Settings().periods.evening, 20);
}

void TestAnalysisFile::theTitleNamesTheFileAndMarksChanges() {
    Campaign campaign;
    frmAnalysis window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Analysis"));
    QVERIFY(window.OpenAnalysisFile(campaign.analysis));
    QCOMPARE(window.windowTitle(), QStringLiteral("Analysis - day.vrda"));
    QVERIFY(!window.AnalysisFile().IsModified());

    AnalysisSession& session = window.Session();
    session.SetThreshold(70);
    QCOMPARE(window.windowTitle(), QStringLiteral("Analysis - day.vrda*"));
    // Back to what was saved, nothing is left to save.
    session.SetThreshold(62.5);
    QCOMPARE(window.windowTitle(), QStringLiteral("Analysis - day.vrda"));
    session.AddExclusion({vrd::SpanOfMinutes({At(20), At(21)}), "road works"});
    QVERIFY(window.AnalysisFile().IsModified());
    session.SetMinimumCoverage(0.5);

    FakeFileDialogs dialogs;
    const QString other = campaign.files.Path(QStringLiteral("other"));
    window.SetPathChooser([&](QWidget*, const frmAnalysis::PathRequest& request) {
        dialogs.saveCalls.append({request.suggestedName, request.filter});
        return std::optional<QString>(other);
    });
    QVERIFY(window.SaveAnalysis());
    QCOMPARE(dialogs.saveCalls.at(0).preset, campaign.analysis);
    QCOMPARE(window.windowTitle(), QStringLiteral("Analysis - other.vrda"));
    QVERIFY(TestFiles::Read(other + QStringLiteral(".vrda")).find("road works") !=
            std::string::npos);
}

void TestAnalysisFile::closingWithChangesAsks() {
    Campaign campaign;
    frmAnalysis window;
    window.show();
    int asked = 0;
    AnswerAlways(window, AnalysisFileState::Answer::Cancel, &asked);
    QVERIFY(window.OpenAnalysisFile(campaign.analysis));
    QVERIFY(window.close()); // nothing changed: nothing asked
    QCOMPARE(asked, 0);

    window.show();
    window.Session().SetThreshold(80);
    QVERIFY(!window.close());
    QCOMPARE(asked, 1);
    QVERIFY(window.isVisible());
    // Nor does another analysis replace it.
    const std::string before = TestFiles::Read(campaign.analysis);
    QVERIFY(!window.OpenAnalysisFile(campaign.analysis));
    QCOMPARE(window.Session().Settings().threshold, std::optional<double>(80));

    AnswerAlways(window, AnalysisFileState::Answer::Save, &asked);
    QVERIFY(window.close());
    QVERIFY(TestFiles::Read(campaign.analysis).find("\"threshold\": 80,") != std::string::npos);
    QVERIFY(TestFiles::Read(campaign.analysis) != before);

    window.show();
    window.Session().SetThreshold(50);
    AnswerAlways(window, AnalysisFileState::Answer::Discard, &asked);
    QVERIFY(window.close());
    QVERIFY(TestFiles::Read(campaign.analysis).find("\"threshold\": 80,") != std::string::npos);
}

void TestAnalysisFile::aMissingReportIsListedWithItsReasonAndTheRestOpens() {
    Campaign campaign;
    const QString both = campaign.files.Write(
        QStringLiteral("both.vrda"),
        R"({"format": "vrd-analysis", "files": ["logs/day.txt", "logs/gone.txt"]})");
    frmAnalysis window;
    QVERIFY(window.OpenAnalysisFile(both));
    const std::vector<vrd::ReportForAnalysis>& reports = window.Session().Reports();
    QCOMPARE(reports.size(), std::size_t{2});
    QVERIFY(!reports[0].failure && reports[1].failure);
    QCOMPARE(window.Session().Result().minutes.measured, std::int64_t{1439});
    const QAbstractItemModel* files =
        window.findChild<QListView*>(QStringLiteral("FileList"))->model();
    const QString listed = files->index(1, 0).data().toString();
    QVERIFY2(listed.startsWith(campaign.files.Path(QStringLiteral("logs/gone.txt"))) &&
                 listed.contains(QStringLiteral("No such file")),
             qPrintable(listed));
    QVERIFY(TakeWarning(window).contains(QStringLiteral("gone.txt")));
    // Saved again, the missing report stays named.
    QString reason;
    QVERIFY(window.WriteAnalysis(both, reason));
    QVERIFY(TestFiles::Read(both).find("\"logs/gone.txt\"") != std::string::npos);
}

void TestAnalysisFile::aFileThatCannotBeUsedChangesNothing() {
    Campaign campaign;
    frmAnalysis window;
    QVERIFY(window.OpenAnalysisFile(campaign.analysis));
    const QStringList bad = {
        QStringLiteral("{\"format\": \"vrd-analysis\""),
        QStringLiteral("{\"format\": \"something else\"}"),
        QStringLiteral("{\"format\": \"vrd-analysis\", \"version\": 7}"),
        QStringLiteral("{\"format\": \"vrd-analysis\", \"marks\": [{\"from\": "
                       "\"2011-05-12T09:00\", \"to\": \"2011-05-12T08:00\"}]}"),
        QStringLiteral("{\"format\": \"vrd-analysis\", \"indoors\": \"yes\"}"),
    };
    const QStringList keys = {QStringLiteral("not a JSON document"), QStringLiteral("format: "),
                              QStringLiteral("version: 7 is newer"),
                              QStringLiteral("marks[0].to: "), QStringLiteral("indoors: ")};
    for (qsizetype i = 0; i < bad.size(); ++i) {
        const QString path =
            campaign.files.Write(QStringLiteral("bad.vrda"), bad.at(i).toStdString());
        QVERIFY(!window.OpenAnalysisFile(path));
        const QString warning = TakeWarning(window);
        QVERIFY2(warning.contains(path) && warning.contains(keys.at(i)), qPrintable(warning));
        QCOMPARE(TestFiles::Read(path), bad.at(i).toStdString());
        QCOMPARE(window.AnalysisFile().Path(), campaign.analysis);
        QCOMPARE(window.Session().Settings().threshold, std::optional<double>(62.5));
        QVERIFY(!window.AnalysisFile().IsModified());
    }
    QCOMPARE(QDir(campaign.files.Path(QString())).entryList(QDir::Files).size(), qsizetype{2});
}

void TestAnalysisFile::theWindowAndTheCommandsGiveTheSameFigures() {
    Campaign campaign;
    vrd::StatsArguments stats;
    stats.analysis = Local(campaign.analysis);
    stats.json = true;
    std::ostringstream statsOut;
    std::ostringstream err;
    QCOMPARE(vrd::RunStats(stats, statsOut, err), 0);
    vrd::AssessArguments assess;
    assess.analysis = stats.analysis;
    assess.json = true;
    std::ostringstream assessOut;
    QCOMPARE(vrd::RunAssess(assess, assessOut, err), 0);

    // The window opens the file; vrdview --report reads it as vrdtool does and fills the
    // session from the request.
    frmAnalysis window;
    QVERIFY(window.OpenAnalysisFile(campaign.analysis));
    const vrd::AnalysisRequestRead read = vrd::ReadAnalysisArguments(stats);
    QVERIFY(read.request);
    frmAnalysis report;
    std::vector<vrd::ReportForAnalysis> reports;
    for (const vrd::AnalysisInput& input : read.request->inputs)
        reports.push_back(vrd::OpenReportForAnalysis(input));
    report.Session().SetReports(std::move(reports));
    report.Session().SetAnalysis(read.request->settings, read.request->assessment,
                                 read.request->minimumCoverage);

    for (frmAnalysis* shown : {&window, &report}) {
        const AnalysisSession& session = shown->Session();
        std::ostringstream sessionStats;
        vrd::WriteStatsJson(sessionStats, read.request->files, session.Result(), {});
        QCOMPARE(sessionStats.str() + '\n', statsOut.str());
        std::ostringstream sessionAssess;
        vrd::WriteAssessmentJson(
            sessionAssess, read.request->files,
            vrd::Assess(session.Series(), session.Settings(), *session.Assessment()), {});
        QCOMPARE(sessionAssess.str() + '\n', assessOut.str());
        QCOMPARE(session.MinimumCoverage(), 0.8);
    }
    QVERIFY(statsOut.str().find("\"preset\":\"fr\"") != std::string::npos);
    QVERIFY(assessOut.str().find("\"source\":90") != std::string::npos);
}

void TestAnalysisFile::theReportCommandTakesTheFile() {
    Campaign campaign;
    const QString pdf = campaign.files.Path(QStringLiteral("day.pdf"));
    QProcess vrdview;
    vrdview.start(QStringLiteral(VRDVIEW_PATH),
                  {QStringLiteral("--report"), pdf, QStringLiteral("--analysis"), campaign.analysis,
                   QStringLiteral("--threshold"), QStringLiteral("70")});
    QVERIFY(vrdview.waitForFinished(60000));
    QCOMPARE(vrdview.exitCode(), 0);
    QVERIFY(TestFiles::Read(pdf).rfind("%PDF", 0) == 0);

    const QString bad = campaign.files.Write(
        QStringLiteral("bad.vrda"),
        R"({"format": "vrd-analysis", "marks": [{"from": "2011-13-01T00:00", "to": "2011-05-12T09:00"}]})");
    const QString other = campaign.files.Path(QStringLiteral("other.pdf"));
    vrdview.start(QStringLiteral(VRDVIEW_PATH),
                  {QStringLiteral("--report"), other, QStringLiteral("--analysis"), bad});
    QVERIFY(vrdview.waitForFinished(60000));
    QCOMPARE(vrdview.exitCode(), 2);
    // Qt may add its own notes on the platform.
    const QString said = QString::fromLocal8Bit(vrdview.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("vrdview: ") + bad +
                           QStringLiteral(": marks[0].from: expects a time yyyy-mm-ddThh:mm[:ss], "
                                          "not \"2011-13-01T00:00\"\n")),
             qPrintable(said));
    QVERIFY(!QFile::exists(other));
}

void TestAnalysisFile::theMainWindowOpensAnAnalysisFile() {
    Campaign campaign;
    FakeFileDialogs dialogs;
    const std::unique_ptr<MDIFormMain> main = StartMainWindow(dialogs);
    QVERIFY(main);
    // No report read before: the analysis window opens over the file.
    main->OpenFile(campaign.analysis);
    frmAnalysis* analysis = main->AnalysisWindow();
    QVERIFY(analysis != nullptr);
    QCOMPARE(analysis->AnalysisFile().Path(), campaign.analysis);
    QCOMPARE(analysis->Session().Exclusions().size(), std::size_t{1});
    int asked = 0;
    AnswerAlways(*analysis, AnalysisFileState::Answer::Cancel, &asked);

    // A report opened then refreshes it, asking first about changes; cancelled, it stays.
    const QString other =
        campaign.files.Write(QStringLiteral("other.txt"), BuildReport(300, Level));
    analysis->Session().SetThreshold(75);
    QSignalSpy ended(main.get(), &MDIFormMain::loadEnded);
    main->OpenFile(other);
    QVERIFY(ended.wait(10000));
    QCOMPARE(asked, 1);
    QCOMPARE(analysis->AnalysisFile().Path(), campaign.analysis);
    QCOMPARE(analysis->Session().Settings().threshold, std::optional<double>(75));
    // The "Analysis" command brings an analysis of a file forward as it is.
    main->Menus().mnuAnalysis->trigger();
    QCOMPARE(analysis->Session().Settings().threshold, std::optional<double>(75));
    // Nor does the main window close over it.
    QVERIFY(!main->close());
    QCOMPARE(asked, 2);

    AnswerAlways(*analysis, AnalysisFileState::Answer::Discard, &asked);
    main->OpenFile(other);
    QVERIFY(ended.wait(10000));
    QVERIFY(analysis->AnalysisFile().Path().isEmpty());
    QCOMPARE(analysis->windowTitle(), QStringLiteral("Analysis"));
    QVERIFY(analysis->Session().Exclusions().empty() &&
            analysis->Session().Settings().marks.empty());
    QVERIFY(TakeWarning(*main).isEmpty());
    // Changes discarded as the main window closes are asked about once.
    analysis->Session().SetThreshold(90);
    asked = 0;
    QVERIFY(main->close());
    QCOMPARE(asked, 1);
}

VRD_GUI_TEST_MAIN(TestAnalysisFile)
#include "tst_analysis_file.moc"
