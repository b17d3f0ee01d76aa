// What the analysis window hands in: the PDF report of the sample and of a year (pages and text
// read back with pdfinfo and pdftotext), the workbook (its sheets hold numbers and dates), the
// comma-separated tables, failed saves, and vrdview --report / --xlsx without a window.

#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/frm_analysis.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kSample = QStringLiteral(VRD_SAMPLES_DIR "/sample.vrd");

// The standard output of program with arguments; fails the test when it cannot run.
QString Run(const QString& program, const QStringList& arguments, int* status = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return QStringLiteral("<") + program + QStringLiteral(" did not finish>");
    if (status != nullptr)
        *status = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

int Pages(const QString& pdf) {
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QString PdfText(const QString& pdf) {
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QString Unzipped(const QString& archive, const QString& member) {
    return Run(QStringLiteral("unzip"), {QStringLiteral("-p"), archive, member});
}

// A report of a year of minutes, levels in a daily swing.
std::string YearReport() {
    return DatedReport(366 * 1440, [](int minute) { return 45 + (minute / 60) % 24; });
}

} // namespace

class TestAnalysisReport final : public QObject {
    Q_OBJECT

  private slots:
    void thePdfOfTheSampleReadsAsAReport();
    void thePdfOfAYearNumbersEveryPage();
    void theWorkbookHoldsNumbersAndDates();
    void theTablesAsCommaSeparatedValues();
    void aFailedSaveNamesTheFileAndLeavesNothing();
    void theReportWithoutAWindow();
};

void TestAnalysisReport::thePdfOfTheSampleReadsAsAReport() {
    TestFiles files;
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    window.Session().SetThreshold(65);
    window.Session().AddExclusion(
        {{*vrd::ParseMinute("2011-05-12T14:00"), *vrd::ParseMinute("2011-05-12T15:30")}, "rain"});
    const QString pdf = files.Path(QStringLiteral("sample.pdf"));
    QString reason;
    QVERIFY2(window.WritePdf(pdf, reason), qPrintable(reason));
    // Two days: the whole report fits on one page.
    QCOMPARE(Pages(pdf), 1);
    const QString text = PdfText(pdf);
    for (const QString& expected :
         {QStringLiteral("Noise measurement report"), QStringLiteral("Chantier Rue des Lilas"),
          QStringLiteral("Serial: 110487"), QStringLiteral("sample.vrd"),
          QStringLiteral("2011-05-12 14:00 to 2011-05-12 15:30"), QStringLiteral("rain"),
          QStringLiteral("Threshold: 65.0 dB"), QStringLiteral("Lden"),
          QStringLiteral("Page 1 of 1"), QStringLiteral("2011-05-12")})
        QVERIFY2(text.contains(expected), qPrintable(expected));
    // The chart is drawn, not pasted: its axis labels are text.
    QVERIFY(text.contains(QStringLiteral("Level (dB)")));
}

void TestAnalysisReport::thePdfOfAYearNumbersEveryPage() {
    TestFiles files;
    const QString year = files.Write(QStringLiteral("year.txt"), YearReport());
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({year.toStdString(), false})});
    QCOMPARE(window.Session().Result().days.Size(), std::int64_t{367});
    const QString pdf = files.Path(QStringLiteral("year.pdf"));
    QString reason;
    QVERIFY2(window.WritePdf(pdf, reason), qPrintable(reason));
    const int pages = Pages(pdf);
    QVERIFY2(pages >= 8, qPrintable(QString::number(pages)));
    const QString text = PdfText(pdf);
    const QString last = QStringLiteral("Page %1 of %1").arg(pages);
    QVERIFY2(text.contains(last), qPrintable(last));
    QVERIFY(text.contains(QStringLiteral("2012-05-11")));
    // The header row comes again on every page of the table.
    QVERIFY(text.count(QStringLiteral("Evening cov.")) >= pages - 1);
}

void TestAnalysisReport::theWorkbookHoldsNumbersAndDates() {
    TestFiles files;
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    const QString book = files.Path(QStringLiteral("tables.xlsx"));
    QString reason;
    QVERIFY2(window.WriteTables(book, reason), qPrintable(reason));
    const QString workbook = Unzipped(book, QStringLiteral("xl/workbook.xml"));
    QVERIFY(workbook.contains(QStringLiteral("name=\"Days\"")));
    QVERIFY(workbook.contains(QStringLiteral("name=\"Hours\"")));
    const QString days = Unzipped(book, QStringLiteral("xl/worksheets/sheet1.xml"));
    // Row 3 is 2011-05-12: serial 40675, its Lday a number.
    QVERIFY2(days.contains(QStringLiteral("<c r=\"A3\" s=\"")) &&
                 days.contains(QStringLiteral("<v>40675</v>")),
             qPrintable(days.left(2000)));
    QVERIFY(QRegularExpression(QStringLiteral("<c r=\"B3\" s=\"\\d+\"><v>\\d+\\.\\d+</v>"))
                .match(days)
                .hasMatch());
    const QString hours = Unzipped(book, QStringLiteral("xl/worksheets/sheet2.xml"));
    // 2011-05-12 13:00 is 40675 + 13/24.
    QVERIFY(hours.contains(QStringLiteral("<v>40675.54166666")));
    QVERIFY(!hours.contains(QStringLiteral("t=\"s\"><v>1</v></c><c r=\"B")));
}

void TestAnalysisReport::theTablesAsCommaSeparatedValues() {
    TestFiles files;
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    const QString csv = files.Path(QStringLiteral("tables.csv"));
    QString reason;
    QVERIFY2(window.WriteTables(csv, reason), qPrintable(reason));
    const std::string days = TestFiles::Read(csv);
    QVERIFY(days.rfind("date,lday,", 0) == 0);
    QVERIFY(days.find("\r\n2011-05-12,") != std::string::npos);
    const std::string hours = TestFiles::Read(files.Path(QStringLiteral("tables hours.csv")));
    QVERIFY(hours.rfind("start,leq,lmax,lmin,minutes\r\n2011-05-12 00:00,", 0) == 0);
}

void TestAnalysisReport::aFailedSaveNamesTheFileAndLeavesNothing() {
    TestFiles files;
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    const QString missing = files.Path(QStringLiteral("no folder/report.pdf"));
    QList<QString> answers = {missing, files.Path(QStringLiteral("no folder/tables.xlsx"))};
    window.SetPathChooser([&](QWidget*, const frmAnalysis::PathRequest&) {
        return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
    });
    QVERIFY(!window.SaveReportAsPdf());
    QString warning = TakeWarning(window);
    QVERIFY2(warning.contains(missing) && warning.contains(QStringLiteral("could not be written")),
             qPrintable(warning));
    QVERIFY(!window.SaveTables());
    warning = TakeWarning(window);
    QVERIFY2(warning.contains(QStringLiteral("tables.xlsx")), qPrintable(warning));
    QVERIFY(!QFileInfo::exists(files.Path(QStringLiteral("no folder"))));

    // An existing file stays as it was when the save fails half way: here, a folder in its way.
    const QString kept = files.Write(QStringLiteral("kept.xlsx"), "old");
    QString reason;
    QVERIFY(QDir().mkpath(files.Path(QStringLiteral("dir.pdf"))));
    QVERIFY(!window.WritePdf(files.Path(QStringLiteral("dir.pdf")), reason));
    QVERIFY(!reason.isEmpty());
    QCOMPARE(TestFiles::Read(kept), std::string("old"));
}

void TestAnalysisReport::theReportWithoutAWindow() {
    TestFiles files;
    const QString pdf = files.Path(QStringLiteral("week.pdf"));
    const QString book = files.Path(QStringLiteral("week.xlsx"));
    const QString excluded =
        files.Write(QStringLiteral("excluded.txt"), "2011-05-12T14:00/2011-05-12T16:30 rain\n");
    int status = -1;
    QString output = Run(QStringLiteral(VRDVIEW_PATH),
                         {QStringLiteral("--report"), pdf, QStringLiteral("--xlsx"), book, kSample,
                          QStringLiteral("--threshold"), QStringLiteral("70"),
                          QStringLiteral("--exclude-file"), excluded},
                         &status);
    QCOMPARE(status, 0);
    QCOMPARE(Pages(pdf), 1);
    QVERIFY(PdfText(pdf).contains(QStringLiteral("rain")));
    QVERIFY(Unzipped(book, QStringLiteral("xl/workbook.xml")).contains(QStringLiteral("Hours")));

    // A file that cannot be read: named on standard error, the rest still written.
    const QString missing = files.Path(QStringLiteral("missing.vrd"));
    output = Run(QStringLiteral(VRDVIEW_PATH), {QStringLiteral("--report"), pdf, kSample, missing},
                 &status);
    QCOMPARE(status, 1);
    QVERIFY2(output.contains(QStringLiteral("vrdview: ") + missing + QStringLiteral(": ")),
             qPrintable(output));
    QCOMPARE(Pages(pdf), 1);

    // An output that cannot be written, and a mistake in the options.
    const QString nowhere = files.Path(QStringLiteral("no folder/week.pdf"));
    output =
        Run(QStringLiteral(VRDVIEW_PATH), {QStringLiteral("--report"), nowhere, kSample}, &status);
    QCOMPARE(status, 1);
    QVERIFY2(output.contains(QStringLiteral("vrdview: ") + nowhere + QStringLiteral(": ")),
             qPrintable(output));
    output = Run(QStringLiteral(VRDVIEW_PATH),
                 {QStringLiteral("--report"), pdf, kSample, QStringLiteral("--periods"),
                  QStringLiteral("19,7,23")},
                 &status);
    QCOMPARE(status, 2);
    QVERIFY2(output.contains(QStringLiteral("--periods")), qPrintable(output));
}

VRD_GUI_TEST_MAIN(TestAnalysisReport)
#include "tst_analysis_report.moc"
