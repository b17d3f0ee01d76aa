// The report's section "Assessment", written by vrdview --report from the options of an
// assessment: the standard and its text, the method, the marks with their reasons, the verdict
// table or the background levels and the worst period, in French or in English; and no section
// without a standard.

#include "tests/gui/analysis/vrdview_process.h"
#include "tests/gui/gui_test_support.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QString kSample = QStringLiteral(VRD_SAMPLES_DIR "/sample.vrd");

// The sample's report assessed by standard, a source heard in the morning and at night, in
// language; the PDF's text, or what went wrong.
QString AssessedReport(TestFiles& files, const QString& standard, const QString& language) {
    const QString pdf = files.Path(standard + language + QStringLiteral(".pdf"));
    const Finished finished =
        RunVrdview({QStringLiteral("--report"), pdf, QStringLiteral("--lang"), language, kSample,
                    QStringLiteral("--standard"), standard, QStringLiteral("--source"),
                    QStringLiteral("2011-05-12T08:00/2011-05-12T10:00"), QStringLiteral("--source"),
                    QStringLiteral("2011-05-12T23:00/2011-05-12T23:30")});
    if (finished.status != 0)
        return QStringLiteral("<exit %1: %2>").arg(finished.status).arg(finished.err);
    return PdfText(pdf);
}

void ExpectAll(const QString& text, const QStringList& expected) {
    for (const QString& part : expected)
        QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" in\n") + text));
}

void ExpectNone(const QString& text, const QStringList& absent) {
    for (const QString& part : absent)
        QVERIFY2(!text.contains(part), qPrintable(part));
}

} // namespace

class TestReportAssessment final : public QObject {
    Q_OBJECT

  private slots:
    void theFrenchStandardsVerdictIsWrittenInFrench();
    void theFrenchStandardsVerdictIsWrittenInEnglish();
    void theBackgroundLevelIsWrittenForBs4142();
    void withoutAStandardThereIsNoAssessment();
};

void TestReportAssessment::theFrenchStandardsVerdictIsWrittenInFrench() {
    TestFiles files;
    const QString text =
        AssessedReport(files, QStringLiteral("fr-neighbourhood"), QStringLiteral("fr"));
    ExpectAll(text, {QStringLiteral("Évaluation"), QStringLiteral("Code de la santé publique"),
                     QStringLiteral("émergence"), QStringLiteral("bruit ambiant"),
                     QStringLiteral("bruit particulier 12/05/2011 08:00 – 10:00"),
                     QStringLiteral("nocturne")});
    QVERIFY(QRegularExpression(QStringLiteral("Cas le plus défavorable : Période "
                                              "(diurne|nocturne) du 12/05/2011 : émergence"))
                .match(text)
                .hasMatch());
    // The verdict table writes its levels with a decimal comma.
    QVERIFY(QRegularExpression(QStringLiteral("12/05/2011 +diurne +120 +\\d+,\\d"))
                .match(text)
                .hasMatch());
    ExpectNone(text, {QStringLiteral("Assessment"), QStringLiteral("Worst period"),
                      QStringLiteral("exceeds"), QStringLiteral("compliant")});
}

void TestReportAssessment::theFrenchStandardsVerdictIsWrittenInEnglish() {
    TestFiles files;
    const QString text = AssessedReport(files, QStringLiteral("fr-icpe"), QStringLiteral("en"));
    ExpectAll(text, {QStringLiteral("Assessment"), QStringLiteral("Order of 23 January 1997"),
                     QStringLiteral("source 2011-05-12 08:00 – 10:00"),
                     QStringLiteral("source 2011-05-12 23:00 – 23:30"),
                     QStringLiteral("Worst period: "), QStringLiteral("1-minute Leq values")});
    QVERIFY(QRegularExpression(QStringLiteral("2011-05-12 +day +120 +\\d+\\.\\d"))
                .match(text)
                .hasMatch());
    ExpectNone(text, {QStringLiteral("Évaluation"), QStringLiteral("émergence")});
}

void TestReportAssessment::theBackgroundLevelIsWrittenForBs4142() {
    TestFiles files;
    const QString text = AssessedReport(files, QStringLiteral("bs4142"), QStringLiteral("en"));
    ExpectAll(text,
              {QStringLiteral("BS 4142:2014+A1:2019"), QStringLiteral("Background sound level"),
               QStringLiteral("Intervals with an L90"), QStringLiteral("Mode (dB)"),
               QStringLiteral("2011-05-12 00:00"), QStringLiteral("LA90 of a fast time")});
    ExpectNone(text, {QStringLiteral("Verdict by period")});
}

void TestReportAssessment::withoutAStandardThereIsNoAssessment() {
    TestFiles files;
    const QString pdf = files.Path(QStringLiteral("plain.pdf"));
    QCOMPARE(RunVrdview({QStringLiteral("--report"), pdf, QStringLiteral("--lang"),
                         QStringLiteral("en"), kSample})
                 .status,
             0);
    ExpectNone(PdfText(pdf), {QStringLiteral("Assessment"), QStringLiteral("Worst period")});
}

QTEST_MAIN(TestReportAssessment)
#include "tst_report_assessment.moc"
