// What the analysis window hands in: the PDF report of the sample and of a year (pages, text and
// fonts read back with pdfinfo, pdftotext and pdftohtml), the workbook (its sheets hold numbers and
// dates), the comma-separated tables, failed saves, and vrdview --report / --xlsx without a
// window, --help and --version.

#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/plot/chart_zoom_view.h"

#include <QCategoryAxis>
#include <QChart>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTableView>
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

struct Finished {
    int status = -1;
    QString out;
    QString err;
};

// vrdview run with arguments, its outputs apart; without a display when headless.
Finished RunVrdview(const QStringList& arguments, bool headless = false) {
    QProcess process;
    if (headless) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(name));
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(VRDVIEW_PATH), arguments);
    Finished finished;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        finished.err = QStringLiteral("<vrdview did not finish>");
        return finished;
    }
    finished.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    finished.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    finished.err = QString::fromLocal8Bit(process.readAllStandardError());
    return finished;
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

QString PageText(const QString& pdf, int page) {
    const QString number = QString::number(page);
    return Run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), number, QStringLiteral("-l"),
                number, pdf, QStringLiteral("-")});
}

// The sizes of the fonts that the PDF's text is set in, in points (rounded by pdftohtml, whose
// XML gives a size to its font entries alone).
QList<int> FontSizes(const QString& pdf) {
    const QString xml = Run(QStringLiteral("pdftohtml"),
                            {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-zoom"),
                             QStringLiteral("1"), QStringLiteral("-stdout"), pdf});
    QList<int> sizes;
    QRegularExpressionMatchIterator fonts =
        QRegularExpression(QStringLiteral("<\\w+ [^>]*\\bsize=\"(\\d+)\"")).globalMatch(xml);
    while (fonts.hasNext())
        sizes.append(fonts.next().captured(1).toInt());
    return sizes;
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
    void everyPageCarriesTheSiteThePeriodAndTheFiles();
    void theReportLeavesFailedFilesAndAMissingSerialOut();
    void aZoomedChartIsPrintedWithTheDatesOfItsRange();
    void aBatchWithoutAReadableMinuteWritesNothing();
    void theWindowWithoutAReadableMinuteWritesNothingAndShowsNoDate();
    void helpAndVersionNeedNoWindowAndNoDisplay();
};

void TestAnalysisReport::thePdfOfTheSampleReadsAsAReport() {
    TestFiles files;
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    window.Session().SetThreshold(65);
    window.Session().AddExclusion({vrd::SpanOfMinutes({*vrd::ParseMinute("2011-05-12T14:00"),
                                                       *vrd::ParseMinute("2011-05-12T15:30")}),
                                   "rain"});
    const QString pdf = files.Path(QStringLiteral("sample.pdf"));
    QString reason;
    QVERIFY2(window.WritePdf(pdf, reason), qPrintable(reason));
    // Two days: the figures fit on one page, the carpet and the daily profile take one each.
    QCOMPARE(Pages(pdf), 3);
    const QString text = PdfText(pdf);
    for (const QString& expected :
         {QStringLiteral("Noise measurement report"), QStringLiteral("Chantier Rue des Lilas"),
          QStringLiteral("Serial: 110487"), QStringLiteral("sample.vrd"),
          QStringLiteral("2011-05-12 14:00 to 2011-05-12 15:30"), QStringLiteral("rain"),
          QStringLiteral("Threshold: 65.0 dB"), QStringLiteral("Lden"),
          QStringLiteral("Page 1 of 3"), QStringLiteral("2011-05-12")})
        QVERIFY2(text.contains(expected), qPrintable(expected));
    // The chart is drawn, not pasted: its axis labels are text, and the time labels have the
    // room they need.
    QVERIFY(text.contains(QStringLiteral("Level (dB)")));
    QVERIFY(text.contains(QStringLiteral("02:00")));
    QVERIFY(text.contains(QStringLiteral("Leq 1 min"))); // the legend
    // Every figure has its unit.
    for (const QString& pattern :
         {QStringLiteral("Leq +\\d+\\.\\d dB"), QStringLiteral("Coverage +\\d+ %"),
          QStringLiteral("Minutes measured +\\d+ min"), QStringLiteral("Longest event +\\d+ min"),
          QStringLiteral("2011-05-12( +\\d+\\.\\d dB){4}( +\\d+ ?%){3}")})
        QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(), qPrintable(pattern));
    // The chart spans the whole period, and says so with dates, and what its marks are.
    const QString simple = text.simplified();
    for (const QString& caption :
         {QStringLiteral("1-minute levels in dB over the whole analysed period, 2011-05-12 00:00 "
                         "to 2011-05-13 00:00."),
          QStringLiteral("Excluded periods are hatched. The dashed red line is the threshold.")})
        QVERIFY2(simple.contains(caption), qPrintable(caption));
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
    // The header row comes again on every page of the table, which all pages but the first and
    // the carpet's and the profile's hold.
    QVERIFY(text.count(QStringLiteral("Evening cov.")) >= pages - 3);
    QVERIFY(text.contains(QStringLiteral("Carpet of the minutes")));
    QVERIFY(text.contains(QStringLiteral("Daily profile")));
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
    const Finished good =
        RunVrdview({QStringLiteral("--report"), pdf, QStringLiteral("--xlsx"), book, kSample,
                    QStringLiteral("--threshold"), QStringLiteral("70"),
                    QStringLiteral("--exclude-file"), excluded});
    QCOMPARE(good.status, 0);
    // Standard error holds the command's own messages only, and there were none.
    QCOMPARE(good.err, QString());
    QCOMPARE(Pages(pdf), 3);
    QVERIFY(PdfText(pdf).contains(QStringLiteral("rain")));
    QVERIFY(Unzipped(book, QStringLiteral("xl/workbook.xml")).contains(QStringLiteral("Hours")));
    // No lettering too small to read, the chart's included (it was 5 pt).
    const QList<int> sizes = FontSizes(pdf);
    QVERIFY(sizes.size() >= 3);
    for (const int size : sizes)
        QVERIFY2(size >= 8, qPrintable(QString::number(size)));

    int status = -1;
    QString output;

    // A file that cannot be read: named on standard error, the rest still written.
    const QString missing = files.Path(QStringLiteral("missing.vrd"));
    output = Run(QStringLiteral(VRDVIEW_PATH), {QStringLiteral("--report"), pdf, kSample, missing},
                 &status);
    QCOMPARE(status, 1);
    QVERIFY2(output.contains(QStringLiteral("vrdview: ") + missing + QStringLiteral(": ")),
             qPrintable(output));
    QCOMPARE(Pages(pdf), 3);

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

void TestAnalysisReport::everyPageCarriesTheSiteThePeriodAndTheFiles() {
    TestFiles files;
    // Forty days: the table of days runs onto a second page.
    const std::string days = DatedReport(40 * 1440, [](int minute) { return 50 + minute % 17; });
    const QString first = files.Write(QStringLiteral("weeks 1-6.txt"), days);
    const QString second = files.Write(QStringLiteral("weeks again.txt"), days);
    const QString pdf = files.Path(QStringLiteral("weeks.pdf"));
    const Finished run = RunVrdview({QStringLiteral("--report"), pdf, first, second});
    QCOMPARE(run.status, 0);
    const int pages = Pages(pdf);
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    for (int page = 1; page <= pages; ++page) {
        const QString text = PageText(pdf, page);
        for (const QString& expected :
             QStringList{QStringLiteral("Site Test"),
                         QStringLiteral("2011-05-12 00:00 to 2011-06-21 00:00"),
                         QStringLiteral("weeks 1-6.txt + 1 more"),
                         QStringLiteral("Page %1 of %2").arg(page).arg(pages)})
            QVERIFY2(text.contains(expected),
                     qPrintable(QStringLiteral("page ") + QString::number(page) +
                                QStringLiteral(": ") + expected + QStringLiteral("\n") + text));
    }
    QVERIFY(PageText(pdf, 2).contains(QStringLiteral("Evening cov.")));
}

void TestAnalysisReport::theReportLeavesFailedFilesAndAMissingSerialOut() {
    TestFiles files;
    const QString picture = files.Write(QStringLiteral("picture.png"),
                                        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const QString broken = files.Write(QStringLiteral("broken.vrd"), "no code table here");
    // No serial: the second line ends beyond the 31 characters that the labels are read from.
    const QString unnamed =
        files.Write(QStringLiteral("unnamed.txt"),
                    "Chantier de la gare\n" + DatedReport(60, [](int) {
                                                  return 55;
                                              }).substr(std::string("Site Test\nSN 42\n").size()));
    frmAnalysis window;
    std::vector<vrd::ReportForAnalysis> reports;
    for (const QString& path : {picture, broken, unnamed})
        reports.push_back(vrd::OpenReportForAnalysis({path.toStdString(), false}));
    QVERIFY(reports[0].failure && reports[1].failure && !reports[2].failure);
    window.Session().SetReports(std::move(reports));
    const QString pdf = files.Path(QStringLiteral("report.pdf"));
    QString reason;
    QVERIFY2(window.WritePdf(pdf, reason), qPrintable(reason));
    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("unnamed.txt")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Site: Chantier de la gare")));
    for (const QString& absent :
         {QStringLiteral("picture.png"), QStringLiteral("PNG"), QStringLiteral("broken.vrd"),
          QStringLiteral("decode"), QStringLiteral("section heading"), QStringLiteral("Serial:"),
          QStringLiteral("more")})
        QVERIFY2(!text.contains(absent), qPrintable(absent));
}

void TestAnalysisReport::aZoomedChartIsPrintedWithTheDatesOfItsRange() {
    TestFiles files;
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ChartZoomView& view = *window.Chart()->View();
    view.Show({14 * 60, 18 * 60}, view.ShownY());
    QVERIFY(window.Session().Select(
        {*vrd::ParseMinute("2011-05-12T15:00"), *vrd::ParseMinute("2011-05-12T16:00")}));
    const QString pdf = files.Path(QStringLiteral("zoomed.pdf"));
    QString reason;
    QVERIFY2(window.WritePdf(pdf, reason), qPrintable(reason));
    const QString text = PdfText(pdf).simplified();
    QVERIFY2(text.contains(QStringLiteral("1-minute levels in dB from 2011-05-12 14:00 to "
                                          "2011-05-12 18:00, a part of the analysed period")),
             qPrintable(text));
    // The figures stay those of the whole period, and the window keeps its zoom.
    QVERIFY(text.contains(QStringLiteral("Period: 2011-05-12 00:00 to 2011-05-13 00:00")));
    const QString measured = QStringLiteral("Minutes measured ") +
                             QString::number(window.Session().Result().minutes.measured) +
                             QStringLiteral(" min");
    QVERIFY2(text.contains(measured), qPrintable(measured));
    QVERIFY(window.Session().SelectionFigures().measured < 61);
    QCOMPARE(view.ShownX().min, 14.0 * 60);
}

void TestAnalysisReport::aBatchWithoutAReadableMinuteWritesNothing() {
    TestFiles files;
    const QString picture = files.Write(QStringLiteral("picture.png"),
                                        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const QString missing = files.Path(QStringLiteral("missing.vrd"));
    const QString pdf = files.Write(QStringLiteral("kept.pdf"), "an older report");
    const QString book = files.Path(QStringLiteral("week.xlsx"));
    const Finished run = RunVrdview(
        {QStringLiteral("--report"), pdf, QStringLiteral("--xlsx"), book, picture, missing});
    QCOMPARE(run.status, 1);
    QCOMPARE(TestFiles::Read(pdf), std::string("an older report"));
    QVERIFY(!QFileInfo::exists(book));
    for (const QString& expected : QStringList{
             QStringLiteral("vrdview: ") + picture +
                 QStringLiteral(": holds no report: none of its lines is a section heading\n"),
             QStringLiteral("vrdview: ") + missing + QStringLiteral(": "),
             QStringLiteral("vrdview: ") + pdf +
                 QStringLiteral(": not written: no file gave a readable minute\n"),
             QStringLiteral("vrdview: ") + book + QStringLiteral(": not written")})
        QVERIFY2(run.err.contains(expected), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QStringLiteral("maxima")), qPrintable(run.err));
}

// The window refuses as the command does: an analysis whose only report is missing writes no
// report, prints none and saves no tables, naming the file, and never asks where to write; its
// empty selection shows blank fields, not a date of year 1.
void TestAnalysisReport::theWindowWithoutAReadableMinuteWritesNothingAndShowsNoDate() {
    TestFiles files;
    const QString missing = files.Path(QStringLiteral("missing.vrd"));
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({missing.toStdString(), false})});
    int asked = 0;
    window.SetPathChooser([&](QWidget*, const frmAnalysis::PathRequest&) {
        ++asked;
        return std::optional<QString>(files.Path(QStringLiteral("report.pdf")));
    });
    for (const auto command :
         {&frmAnalysis::SaveReportAsPdf, &frmAnalysis::Print, &frmAnalysis::SaveTables}) {
        QVERIFY(!(window.*command)());
        const QString warning = TakeWarning(window);
        QVERIFY2(warning.contains(missing) &&
                     warning.contains(QStringLiteral("no file gave a readable minute")),
                 qPrintable(warning));
    }
    QCOMPARE(asked, 0);
    QString reason;
    QVERIFY(!window.WritePdf(files.Path(QStringLiteral("direct.pdf")), reason));
    QVERIFY2(reason.contains(QStringLiteral("not written")), qPrintable(reason));
    QVERIFY(!window.WriteTables(files.Path(QStringLiteral("direct.xlsx")), reason));
    QVERIFY(QDir(files.Path(QString())).entryList(QDir::Files).isEmpty());

    window.show();
    QApplication::processEvents();
    for (const char* field : {"SelectionFrom", "SelectionTo"})
        QVERIFY(window.findChild<QLineEdit*>(QLatin1String(field))->text().isEmpty());
    const QAbstractItemModel& statistics = *window.StatisticsView()->model();
    for (int row = 0; row < statistics.rowCount(); ++row)
        for (int column = 0; column < statistics.columnCount(); ++column)
            QVERIFY(
                !statistics.index(row, column).data().toString().contains(QStringLiteral("0001")));
    auto* time =
        qobject_cast<QCategoryAxis*>(window.Chart()->Chart()->axes(Qt::Horizontal).front());
    QVERIFY(time != nullptr);
    for (const QString& label : time->categoriesLabels())
        QVERIFY2(!label.contains(QStringLiteral("0001")), qPrintable(label));
    const QString shots = qEnvironmentVariable("VRD_SHOTS");
    if (!shots.isEmpty())
        QVERIFY(window.grab().save(shots + QStringLiteral("/analysis-no-minute.png")));
}

void TestAnalysisReport::helpAndVersionNeedNoWindowAndNoDisplay() {
    const Finished version = RunVrdview({QStringLiteral("--version")}, true);
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QStringLiteral("vrdview " VRD_VERSION "\n"));
    QCOMPARE(version.err, QString());

    for (const QString& help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Finished usage = RunVrdview({help}, true);
        QCOMPARE(usage.status, 0);
        QCOMPARE(usage.err, QString());
        for (const QString& expected :
             {QStringLiteral("Usage: vrdview [FILE]"), QStringLiteral("--report OUT.pdf"),
              QStringLiteral("--xlsx OUT"), QStringLiteral("--threshold"),
              QStringLiteral("--exclude-file"), QStringLiteral("--version")})
            QVERIFY2(usage.out.contains(expected), qPrintable(usage.out));
    }
    // Asked beside a report, the help is all that is done.
    const Finished beside =
        RunVrdview({QStringLiteral("--report"), QStringLiteral("x.pdf"), QStringLiteral("--help")});
    QCOMPARE(beside.status, 0);
    QVERIFY(!QFileInfo::exists(QStringLiteral("x.pdf")));
}

VRD_GUI_TEST_MAIN(TestAnalysisReport)
#include "tst_analysis_report.moc"
