// A meter's CSV export added to the analysis window: the columns dialog shows what it found and
// its choice changes the column read, kept through the analysis file; a refused export or one of
// another step names the file and the reason and adds nothing; Cancel adds nothing; an export
// added is one step of the undo stack.

#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/analysis/vrdview_process.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/prompts/csv_columns_dialog.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/analysis/window/frm_analysis.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <cstdio>
#include <string>

namespace {

// Two minutes of 1-s rows from 12/05/2011 00:00:00: the LAeq at 50.s, the LAFmax 20 dB above.
std::string MeterCsv() {
    std::string text = "Date;Heure;LAeq;LAFmax;LA90\n";
    char row[80];
    for (int s = 0; s < 120; ++s) {
        std::snprintf(row, sizeof row, "12/05/2011;00:%02d:%02d;50,%d;70,%d;45,0\n", s / 60, s % 60,
                      s % 10, s % 10);
        text += row;
    }
    return text;
}

// The options the dialog gives with the level box on the header named.
vrd::CsvReadOptions ChosenLevel(const QString& path, const std::string& bytes, int column) {
    CsvColumnsDialog dialog(path, bytes, true, {});
    dialog.LevelBox()->setCurrentIndex(dialog.LevelBox()->findData(column));
    return dialog.Options();
}

} // namespace

class TestCsvColumns final : public QObject {
    Q_OBJECT

  private slots:
    void theDialogsChoiceIsTheColumnReadAndTheAnalysisFileKeepsIt();
    void aRefusedExportNamesTheFileAndTheReasonAndAddsNothing();
    void anExportOfAnotherStepThanTheReportsIsRefusedNamingBoth();
    void cancelAddsNothingAndAnExportAddedIsUndone();
    void theReportCommandReadsTheColumnsKeptAndRefusesAnotherStep();
};

void TestCsvColumns::theDialogsChoiceIsTheColumnReadAndTheAnalysisFileKeepsIt() {
    TestFiles files;
    const std::string bytes = MeterCsv();
    const QString path = files.Write(QStringLiteral("meter.csv"), bytes);
    {
        // What was found: the date and clock time apart, the LAeq, the LA90, the step, the rows.
        CsvColumnsDialog dialog(path, bytes, true, {});
        QCOMPARE(dialog.TimeBox()->currentData().toInt(), 0);
        QCOMPARE(dialog.ClockBox()->currentData().toInt(), 1);
        QCOMPARE(dialog.LevelBox()->currentData().toInt(), 2);
        QCOMPARE(dialog.L90Box()->currentData().toInt(), 4);
        QVERIFY(dialog.LevelBox()->currentText().contains(QStringLiteral("LAeq")));
        QCOMPARE(dialog.Detection().step, std::optional<vrd::Millis>(vrd::kMillisPerSecond));
        QVERIFY(dialog.Rows()->model()->rowCount() > 0);
        QVERIFY(dialog.Refusal().isEmpty());
    }

    // The LAFmax chosen is what the window reads.
    const vrd::CsvReadOptions chosen = ChosenLevel(path, bytes, 3);
    QCOMPARE(chosen.level.name, std::string("LAFmax"));
    frmAnalysis window;
    window.SetPathChooser([&](QWidget*, const frmAnalysis::PathRequest& request) {
        // The filter offers the exports beside the reports.
        return request.filter.contains(QStringLiteral("*.csv")) ? std::optional<QString>(path)
                                                                : std::nullopt;
    });
    window.SetColumnsChooser([&](QWidget*, const AnalysisPrompts::ColumnsRequest& request) {
        return request.path == path ? std::optional<vrd::CsvReadOptions>(chosen) : std::nullopt;
    });
    QVERIFY(window.AddFile());
    QCOMPARE(window.Session().Step(), vrd::kMillisPerSecond);
    QCOMPARE(window.Session().Series().Size(), std::size_t{120});
    QCOMPARE(window.Session().Series().Level(3), 70.3);

    // Saved and opened again, the export is read by the same columns, without asking.
    const QString analysis = files.Path(QStringLiteral("meter.vrda"));
    QString reason;
    QVERIFY2(window.WriteAnalysis(analysis, reason), qPrintable(reason));
    const std::string saved = TestFiles::Read(analysis);
    QVERIFY2(saved.find("\"columns\"") != std::string::npos, saved.c_str());
    QVERIFY2(saved.find("\"LAFmax\"") != std::string::npos, saved.c_str());
    frmAnalysis again;
    int asked = 0;
    again.SetColumnsChooser([&](QWidget*, const AnalysisPrompts::ColumnsRequest& request) {
        ++asked;
        return std::optional<vrd::CsvReadOptions>(request.start);
    });
    QVERIFY(again.OpenAnalysisFile(analysis));
    QCOMPARE(asked, 0);
    QCOMPARE(again.Session().Series().Size(), std::size_t{120});
    QCOMPARE(again.Session().Series().Level(3), 70.3);
}

void TestCsvColumns::aRefusedExportNamesTheFileAndTheReasonAndAddsNothing() {
    TestFiles files;
    const std::string bytes = "Date;Heure;Vent\n12/05/2011;00:00:00;3\n12/05/2011;00:00:01;4\n";
    const QString path = files.Write(QStringLiteral("wind.csv"), bytes);
    {
        // The dialog says why and waits for a column that fits.
        CsvColumnsDialog dialog(path, bytes, true, {});
        QVERIFY(dialog.Refusal().contains(QStringLiteral("wind.csv")));
        QVERIFY(dialog.Refusal().size() > path.size() + 6);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        QVERIFY(!buttons->button(QDialogButtonBox::Ok)->isEnabled());
    }

    frmAnalysis window;
    window.SetPathChooser(
        [&](QWidget*, const frmAnalysis::PathRequest&) { return std::optional<QString>(path); });
    window.SetColumnsChooser([](QWidget*, const AnalysisPrompts::ColumnsRequest& request) {
        return std::optional<vrd::CsvReadOptions>(request.start);
    });
    QVERIFY(!window.AddFile());
    const QString warning = TakeWarning(window);
    QVERIFY2(warning.contains(QStringLiteral("wind.csv")), qPrintable(warning));
    QVERIFY2(warning.size() > path.size() + 6, qPrintable(warning));
    QVERIFY(window.Session().Reports().empty());
    QVERIFY(!window.Analysis().Stack().canUndo());
}

void TestCsvColumns::anExportOfAnotherStepThanTheReportsIsRefusedNamingBoth() {
    TestFiles files;
    const QString path = files.Write(QStringLiteral("meter.csv"), MeterCsv());
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    const std::size_t reportSamples = window.Session().Series().Size();
    window.SetPathChooser(
        [&](QWidget*, const frmAnalysis::PathRequest&) { return std::optional<QString>(path); });
    window.SetColumnsChooser([](QWidget*, const AnalysisPrompts::ColumnsRequest& request) {
        return std::optional<vrd::CsvReadOptions>(request.start);
    });
    QVERIFY(!window.AddFile());
    const QString warning = TakeWarning(window);
    QVERIFY2(warning.contains(QStringLiteral("meter.csv")), qPrintable(warning));
    QVERIFY2(warning.contains(QStringLiteral("three days.txt")), qPrintable(warning));
    QVERIFY2(warning.contains(QStringLiteral("1 s")), qPrintable(warning));
    QVERIFY2(warning.contains(QStringLiteral("1 min")), qPrintable(warning));
    QCOMPARE(window.Session().Reports().size(), std::size_t{1});
    QCOMPARE(window.Session().Series().Size(), reportSamples);
    QCOMPARE(window.Session().Step(), vrd::kMillisPerMinute);
}

void TestCsvColumns::cancelAddsNothingAndAnExportAddedIsUndone() {
    TestFiles files;
    const QString path = files.Write(QStringLiteral("meter.csv"), MeterCsv());
    frmAnalysis window;
    window.SetPathChooser(
        [&](QWidget*, const frmAnalysis::PathRequest&) { return std::optional<QString>(path); });
    bool cancel = true;
    window.SetColumnsChooser([&](QWidget*, const AnalysisPrompts::ColumnsRequest& request) {
        return cancel ? std::nullopt : std::optional<vrd::CsvReadOptions>(request.start);
    });
    QVERIFY(!window.AddFile());
    QVERIFY(window.Session().Reports().empty());
    QVERIFY(!window.Analysis().Stack().canUndo());
    QVERIFY(TakeWarning(window).isEmpty());

    cancel = false;
    QVERIFY(window.AddFile());
    QCOMPARE(window.Session().Reports().size(), std::size_t{1});
    QCOMPARE(window.Session().Series().Level(3), 50.3);
    QVERIFY(window.Analysis().Stack().canUndo());
    window.Analysis().Stack().undo();
    QVERIFY(window.Session().Reports().empty());
    QVERIFY(window.Session().Series().Empty());
    window.Analysis().Stack().redo();
    QCOMPARE(window.Session().Reports().size(), std::size_t{1});
    QCOMPARE(window.Session().Step(), vrd::kMillisPerSecond);
    QCOMPARE(window.Session().Series().Size(), std::size_t{120});
}

// vrdview --report as a program: the export read by the LAFmax the analysis file keeps for it,
// and a report beside a 1-s export refused naming both files and steps.
void TestCsvColumns::theReportCommandReadsTheColumnsKeptAndRefusesAnotherStep() {
    TestFiles files;
    files.Write(QStringLiteral("meter.csv"), MeterCsv());
    files.Write(QStringLiteral("day.txt"), DatedReport(600, ClimbingLevel));
    const QString kept = files.Write(QStringLiteral("kept.vrda"), R"({"format": "vrd-analysis",
        "files": ["meter.csv"], "columns": {"meter.csv": {"level": "LAFmax"}}})");
    const QString pdf = files.Path(QStringLiteral("kept.pdf"));
    const Finished done =
        RunVrdview({QStringLiteral("--report"), pdf, QStringLiteral("--analysis"), kept});
    QVERIFY2(done.status == 0, qPrintable(done.err));
    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("70.9")), qPrintable(text.left(2000)));
    QVERIFY2(!text.contains(QStringLiteral("50.9")), qPrintable(text.left(2000)));

    const QString mixed = files.Write(QStringLiteral("mixed.vrda"), R"({"format": "vrd-analysis",
        "files": ["day.txt", "meter.csv"]})");
    const Finished refused =
        RunVrdview({QStringLiteral("--report"), files.Path(QStringLiteral("mixed.pdf")),
                    QStringLiteral("--analysis"), mixed});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains(QStringLiteral("meter.csv")), qPrintable(refused.err));
    QVERIFY2(refused.err.contains(QStringLiteral("day.txt")), qPrintable(refused.err));
    QVERIFY2(refused.err.contains(QStringLiteral("1 s")), qPrintable(refused.err));
    QVERIFY2(refused.err.contains(QStringLiteral("1 min")), qPrintable(refused.err));
}

QTEST_MAIN(TestCsvColumns)
#include "tst_csv_columns.moc"
