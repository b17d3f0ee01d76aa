// The report in the language asked for, whatever the window's: vrdview --report --lang fr writes
// French words and numbers ("Rapport", "78,5 dB", "12/05/2011 00:00"), --lang en the English
// report as before, a bad --lang is a usage error; the workbook's labels follow, its numbers stay
// numbers; the parts of the report write French as a French reader does.

#include "tests/gui/analysis/vrdview_process.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/texts/analysis_report_text.h"
#include "views/texts/analysis_text.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kSample = QStringLiteral(VRD_SAMPLES_DIR "/sample.vrd");
const QString kNbsp = QStringLiteral("\u00a0");

QString Unzipped(const QString& archive, const QString& member) {
    return Output(QStringLiteral("unzip"), {QStringLiteral("-p"), archive, member});
}

// A level written with a decimal comma: "78,5".
const QRegularExpression kDecimalComma(QStringLiteral("\\d,\\d"));

// Writes the sample's report from window into files as name, in the report's language.
QString WriteReport(frmAnalysis& window, TestFiles& files, const QString& name) {
    const QString pdf = files.Path(name);
    QString reason;
    if (!window.WritePdf(pdf, reason))
        return QStringLiteral("<not written: ") + reason + QStringLiteral(">");
    return PdfText(pdf);
}

} // namespace

class TestReportLanguages final : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { SetWindowLanguage(Language::English); }
    void theCommandWritesTheLanguageAskedFor();
    void theSystemsLanguageIsTheDefaultAndTheMessagesFollowIt();
    void aLanguageThatIsNotOneIsAUsageError();
    void theReportsLanguageIsNotTheWindows();
    void theWorkbookNamesItsColumnsInTheReportsLanguage();
    void theAssessmentSheetFollowsTheStandardInTheReportsLanguage();
    void frenchIsWrittenAsAFrenchReaderWritesIt();
};

void TestReportLanguages::theCommandWritesTheLanguageAskedFor() {
    TestFiles files;
    const QString french = files.Path(QStringLiteral("fr.pdf"));
    const QString english = files.Path(QStringLiteral("en.pdf"));
    QCOMPARE(RunVrdview({QStringLiteral("--report"), french, QStringLiteral("--lang"),
                         QStringLiteral("fr"), kSample, QStringLiteral("--threshold"),
                         QStringLiteral("65")})
                 .status,
             0);
    QCOMPARE(RunVrdview({QStringLiteral("--report"), english, QStringLiteral("--lang=en"), kSample,
                         QStringLiteral("--threshold"), QStringLiteral("65")},
                        QStringLiteral("fr_FR.UTF-8"))
                 .status,
             0);
    const QString frenchText = PdfText(french);
    for (const QString& expected :
         {QStringLiteral("Rapport de mesurage acoustique"),
          QStringLiteral("du 12/05/2011 00:00 au 13/05/2011 00:00"), QStringLiteral("Page 1 sur 3"),
          QStringLiteral("Niveau (dB)"), QStringLiteral("Lden"),
          QStringLiteral("Tapis des niveaux"), QStringLiteral("Profil journalier")})
        QVERIFY2(frenchText.contains(expected), qPrintable(expected));
    QVERIFY(frenchText.contains(kDecimalComma));
    // The no-break spaces before a colon and a unit read back as spaces.
    QVERIFY(QRegularExpression(QStringLiteral("Seuil : 65,0 dB")).match(frenchText).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("Lden +\\d+,\\d dB")).match(frenchText).hasMatch());
    for (const QString& absent : {QStringLiteral("Noise measurement"), QStringLiteral("2011-05-12"),
                                  QStringLiteral("Level (dB)"), QStringLiteral(" of 3")})
        QVERIFY2(!frenchText.contains(absent), qPrintable(absent));

    const QString englishText = PdfText(english);
    QVERIFY(englishText.contains(QStringLiteral("Noise measurement report")));
    QVERIFY(englishText.contains(QStringLiteral("2011-05-12 00:00 to 2011-05-13 00:00")));
    QVERIFY(!englishText.contains(QStringLiteral("Rapport")));
    QVERIFY2(!englishText.contains(kDecimalComma), qPrintable(englishText));
}

void TestReportLanguages::theSystemsLanguageIsTheDefaultAndTheMessagesFollowIt() {
    TestFiles files;
    const QString pdf = files.Path(QStringLiteral("week.pdf"));
    const QString missing = files.Path(QStringLiteral("missing.vrd"));
    const Finished french = RunVrdview({QStringLiteral("--report"), pdf, kSample, missing},
                                       QStringLiteral("fr_FR.UTF-8"));
    QCOMPARE(french.status, 1);
    QVERIFY(PdfText(pdf).contains(QStringLiteral("Rapport de mesurage acoustique")));
    // The reason comes from the core, in English; what the command says itself is French.
    const QString picture =
        files.Write(QStringLiteral("picture.png"), std::string("\x89PNG\r\n", 6));
    const Finished nothing =
        RunVrdview({QStringLiteral("--report"), pdf, picture}, QStringLiteral("fr_FR.UTF-8"));
    QCOMPARE(nothing.status, 1);
    QVERIFY2(nothing.err.contains(pdf + QStringLiteral(": non écrit") + kNbsp +
                                  QStringLiteral(": aucun fichier")),
             qPrintable(nothing.err));

    const Finished english =
        RunVrdview({QStringLiteral("--report"), pdf, kSample}, QStringLiteral("de_DE.UTF-8"));
    QCOMPARE(english.status, 0);
    QVERIFY(PdfText(pdf).contains(QStringLiteral("Noise measurement report")));
}

void TestReportLanguages::aLanguageThatIsNotOneIsAUsageError() {
    TestFiles files;
    const QString pdf = files.Path(QStringLiteral("x.pdf"));
    for (const QString& bad :
         {QStringLiteral("de"), QStringLiteral("FR"), QStringLiteral("english")}) {
        const Finished run =
            RunVrdview({QStringLiteral("--report"), pdf, QStringLiteral("--lang=") + bad, kSample});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(QStringLiteral("--lang")), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(pdf));
    }
}

void TestReportLanguages::theReportsLanguageIsNotTheWindows() {
    TestFiles files;
    SetWindowLanguage(Language::French);
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    // By default the window's language; chosen, its own, the chart's texts too.
    QVERIFY(WriteReport(window, files, QStringLiteral("a.pdf"))
                .contains(QStringLiteral("Rapport de mesurage acoustique")));
    window.SetReportLanguage(Language::English);
    QString text = WriteReport(window, files, QStringLiteral("b.pdf"));
    for (const QString& expected :
         {QStringLiteral("Noise measurement report"), QStringLiteral("Level (dB)"),
          QStringLiteral("2011-05-12"), QStringLiteral("Page 1 of 3")})
        QVERIFY2(text.contains(expected), qPrintable(expected));
    QVERIFY(!text.contains(QStringLiteral("Niveau")) && !text.contains(kDecimalComma));

    SetWindowLanguage(Language::English);
    QCoreApplication::processEvents();
    window.SetReportLanguage(Language::French);
    text = WriteReport(window, files, QStringLiteral("c.pdf"));
    for (const QString& expected : {QStringLiteral("Rapport de mesurage acoustique"),
                                    QStringLiteral("Niveau (dB)"), QStringLiteral("12/05/2011")})
        QVERIFY2(text.contains(expected), qPrintable(expected));
    // The window's chart keeps the window's language once the report is drawn.
    QCOMPARE(window.Chart()->TextLanguage(), Language::English);
}

void TestReportLanguages::theWorkbookNamesItsColumnsInTheReportsLanguage() {
    TestFiles files;
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    const QString english = files.Path(QStringLiteral("en.xlsx"));
    const QString french = files.Path(QStringLiteral("fr.xlsx"));
    QString reason;
    QVERIFY2(window.WriteTables(english, reason), qPrintable(reason));
    window.SetReportLanguage(Language::French);
    QVERIFY2(window.WriteTables(french, reason), qPrintable(reason));

    const QString sheets = Unzipped(french, QStringLiteral("xl/workbook.xml"));
    QVERIFY2(sheets.contains(QStringLiteral("name=\"Jours\"")) &&
                 sheets.contains(QStringLiteral("name=\"Heures\"")),
             qPrintable(sheets));
    const QString days = Unzipped(french, QStringLiteral("xl/worksheets/sheet1.xml"));
    QVERIFY(days.contains(QStringLiteral("Taux de couverture soirée")));
    // The same numbers under other names: 2011-05-12 as a serial, a level with its point.
    const QString englishDays = Unzipped(english, QStringLiteral("xl/worksheets/sheet1.xml"));
    const QRegularExpression values(QStringLiteral("<v>[^<]*</v>"));
    QStringList frenchValues;
    QStringList englishValues;
    for (auto [xml, list] :
         {std::pair{&days, &frenchValues}, std::pair{&englishDays, &englishValues}}) {
        QRegularExpressionMatchIterator found = values.globalMatch(*xml);
        while (found.hasNext())
            list->append(found.next().captured());
    }
    QVERIFY(frenchValues.contains(QStringLiteral("<v>40675</v>")));
    QCOMPARE(frenchValues, englishValues);
    QVERIFY(Unzipped(english, QStringLiteral("xl/workbook.xml"))
                .contains(QStringLiteral("name=\"Days\"")));
}

void TestReportLanguages::theAssessmentSheetFollowsTheStandardInTheReportsLanguage() {
    TestFiles files;
    frmAnalysis window;
    AnalysisSession& session = window.Session();
    session.SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    const QString plain = files.Path(QStringLiteral("plain.xlsx"));
    QString reason;
    QVERIFY2(window.WriteTables(plain, reason), qPrintable(reason));
    QVERIFY(Unzipped(plain, QStringLiteral("xl/worksheets/sheet3.xml")).isEmpty());

    vrd::AnalysisSettings settings = session.Settings();
    const vrd::Minute eight = *vrd::ParseMinute("2011-05-12T08:00");
    settings.marks.push_back(
        {vrd::MarkKind::Source, vrd::SpanOfMinutes({eight, eight + 60}), "the fan"});
    session.SetAnalysis(settings, vrd::AssessmentSettings{vrd::Standard::FrNeighbourhood, false},
                        session.MinimumCoverage());
    window.SetReportLanguage(Language::French);
    const QString french = files.Path(QStringLiteral("fr.xlsx"));
    QVERIFY2(window.WriteTables(french, reason), qPrintable(reason));
    QVERIFY(Unzipped(french, QStringLiteral("xl/workbook.xml"))
                .contains(QStringLiteral("name=\"Évaluation\"")));
    const QString sheet = Unzipped(french, QStringLiteral("xl/worksheets/sheet3.xml"));
    for (const QString& expected :
         {QStringLiteral("Bruit ambiant"), QStringLiteral("Terme correctif"),
          QStringLiteral("Période diurne"), QStringLiteral("<v>40675</v>")})
        QVERIFY2(sheet.contains(expected), qPrintable(expected));
    QVERIFY(
        QRegularExpression(QStringLiteral("<t>(Non )?[Cc]onforme</t>")).match(sheet).hasMatch());
}

void TestReportLanguages::frenchIsWrittenAsAFrenchReaderWritesIt() {
    const vrd::Minute minute = *vrd::ParseMinute("2011-05-12T07:05");
    QCOMPARE(MinuteText(minute, Language::English), QStringLiteral("2011-05-12 07:05"));
    QCOMPARE(MinuteText(minute, Language::French), QStringLiteral("12/05/2011 07:05"));
    QCOMPARE(LevelText(78.46, Language::French), QStringLiteral("78,5"));
    QCOMPARE(LevelText(1234.5, Language::French), QStringLiteral("1234,5"));
    QCOMPARE(PercentText(0.961, Language::French),
             QStringLiteral("96") + kNbsp + QStringLiteral("%"));
    QCOMPARE(PercentText(0.961, Language::English), QStringLiteral("96 %"));
    QCOMPARE(DecibelText(63.44, Language::French),
             QStringLiteral("63,4") + kNbsp + QStringLiteral("dB"));
    QCOMPARE(PeriodText({minute, minute + 1440}, Language::French),
             QStringLiteral("du 12/05/2011 07:05 au 13/05/2011 07:05"));
    QCOMPARE(PeriodText({0, 0}, Language::French), QStringLiteral("aucune minute"));
    // Either way of writing a minute is read back.
    QCOMPARE(ParseMinuteText(QStringLiteral("12/05/2011 07:05")), minute);
    QCOMPARE(ParseMinuteText(QStringLiteral(" 2011-05-12 07:05 ")), minute);
    QCOMPARE(ParseMinuteText(QStringLiteral("31/02/2011 07:05")), std::nullopt);
    QCOMPARE(ParseMinuteText(QStringLiteral("12/05/2011T07:05")), std::nullopt);

    // One more file and several, as French counts them.
    std::vector<vrd::ReportForAnalysis> reports(3);
    for (std::size_t i = 0; i < reports.size(); ++i)
        reports[i].path = "/logs/week " + std::to_string(i + 1) + ".vrd";
    const auto analysed = ReportsAnalysed(reports);
    QCOMPARE(ReportFilesInBrief({analysed[0], analysed[1]}, Language::French),
             QStringLiteral("week 1.vrd + 1 autre"));
    QCOMPARE(ReportFilesInBrief(analysed, Language::French),
             QStringLiteral("week 1.vrd + 2 autres"));
    QCOMPARE(ReportFilesInBrief(analysed, Language::English),
             QStringLiteral("week 1.vrd + 2 more"));
}

VRD_GUI_TEST_MAIN(TestReportLanguages)
#include "tst_report_languages.moc"
