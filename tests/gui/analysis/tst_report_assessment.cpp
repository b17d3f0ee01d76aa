// The report's section "Assessment", written by vrdview --report from the options of an
// assessment: the standard and its text, the conclusion first, the rules applied, the method, the
// verdict table with "not conclusive" in words and the notes under their rows, or the background
// levels, in French or in English; the marks in an appendix, those outside the reports told; and
// no section without a standard.

#include "tests/gui/analysis/analysis_test_data.h"
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

void ExpectMatch(const QString& text, const QString& pattern) {
    QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(),
             qPrintable(pattern + QStringLiteral(" in\n") + text));
}

// The hour of 56 dB and the quieter source at night marked, and with far a mark a year later.
QString CaseMarks(TestFiles& files, bool far) {
    std::string marks = "source 2011-05-12T10:00/2011-05-12T11:00 compresseur\n"
                        "source 2011-05-13T02:00/2011-05-13T02:20 ventilation\n";
    if (far)
        marks += "source 2012-05-12T10:00/2012-05-12T11:00 un an plus tard\n";
    return files.Write(far ? QStringLiteral("far marks.txt") : QStringLiteral("marks.txt"), marks);
}

// The report of a file written from levelAt under options, in language; its text or what failed.
QString ReportOf(TestFiles& files, const QString& name, int minutes,
                 const std::function<int(int)>& levelAt, const QStringList& options,
                 const QString& language) {
    const QString levels =
        files.Write(name + QStringLiteral(".txt"), DatedReport(minutes, levelAt));
    const QString pdf = files.Path(name + QStringLiteral(".pdf"));
    const Finished finished = RunVrdview(
        QStringList{QStringLiteral("--report"), pdf, QStringLiteral("--lang"), language, levels} +
        options);
    if (finished.status != 0)
        return QStringLiteral("<exit %1: %2>").arg(finished.status).arg(finished.err);
    return PdfText(pdf);
}

// The text between two headings.
QString Between(const QString& text, const QString& from, const QString& to) {
    const qsizetype start = text.indexOf(from);
    const qsizetype end = text.indexOf(to, start);
    return start < 0 || end < 0 ? QString() : text.mid(start, end - start);
}

} // namespace

class TestReportAssessment final : public QObject {
    Q_OBJECT

  private slots:
    void theFrenchStandardsVerdictIsWrittenInFrench();
    void theFrenchStandardsVerdictIsWrittenInEnglish();
    void theBackgroundLevelIsWrittenForBs4142();
    void withoutAStandardThereIsNoAssessment();
    void aVerdictWithin2DbReadsNotConclusiveWithTheSideItLeansTo();
    void theConclusionAndTheRulesComeFirstAndTheMarksLast();
    void aMarkAYearAwayChangesNoFigureAndIsToldOf();
    void aResidualOf29MinutesIsNotedAndOf30IsNot();
    void aModeOfOneIntervalIsNotRepresentative();
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

// 56 dB for an hour over 49 dB: emergence 7.0 for a limit of 5 + 3 (the term of an hour), a
// margin of 1.0 within 2 dB: "non concluant", leaning to "conforme", in the period's row and in the
// pooled row; the night whose residual (52 dB) is louder than its source (44 dB) is noted.
void TestReportAssessment::aVerdictWithin2DbReadsNotConclusiveWithTheSideItLeansTo() {
    TestFiles files;
    const QString text = ReportOf(files, QStringLiteral("case"), kCaseMinutes, CaseLevel,
                                  {QStringLiteral("--standard"), QStringLiteral("fr-neighbourhood"),
                                   QStringLiteral("--marks-file"), CaseMarks(files, false)},
                                  QStringLiteral("fr"));
    const QString row = QStringLiteral(
        " +diurne +60 +56,0 +49,0 +Leq +7,0 +3,0 +8,0 +1,0 +non concluant +conforme\n");
    ExpectMatch(text, QStringLiteral("12/05/2011") + row);
    ExpectMatch(text, QStringLiteral("ensemble") + row);
    ExpectMatch(text, QStringLiteral("12/05/2011 +nocturne +20 +44,0 +52,0 +Leq +-8,0 +4,0 +7,0 "
                                     "+15,0 +conforme\n +Bruit résiduel supérieur au bruit "
                                     "ambiant\n"));
    ExpectAll(text.simplified(),
              {QStringLiteral("Ensemble des périodes diurnes : émergence de 7,0 dB pour une valeur "
                              "limite de 8,0 dB : non concluant (conforme)")});
    ExpectNone(text, {QStringLiteral("not conclusive"), QStringLiteral("Residual louder"),
                      QStringLiteral("exceeds")});

    const QString english =
        ReportOf(files, QStringLiteral("case en"), kCaseMinutes, CaseLevel,
                 {QStringLiteral("--standard"), QStringLiteral("fr-neighbourhood"),
                  QStringLiteral("--marks-file"), CaseMarks(files, false)},
                 QStringLiteral("en"));
    ExpectMatch(english, QStringLiteral("all periods +day +60 +56.0 +49.0 +Leq +7.0 +3.0 +8.0 +1.0 "
                                        "+not conclusive +compliant\n"));
    ExpectMatch(english, QStringLiteral("\n +Residual louder than ambient\n"));
}

void TestReportAssessment::theConclusionAndTheRulesComeFirstAndTheMarksLast() {
    TestFiles files;
    const QString text = ReportOf(files, QStringLiteral("case"), kCaseMinutes, CaseLevel,
                                  {QStringLiteral("--standard"), QStringLiteral("fr-neighbourhood"),
                                   QStringLiteral("--marks-file"), CaseMarks(files, false)},
                                  QStringLiteral("fr"));
    const QString simple = text.simplified();
    QStringList order = {QStringLiteral("Évaluation"),
                         QStringLiteral("Conclusion de l’évaluation"),
                         QStringLiteral("Règles appliquées"),
                         QStringLiteral("Conclusion par période"),
                         QStringLiteral("Profil journalier"),
                         QStringLiteral("Annexe : repères de bruit particulier")};
    qsizetype at = 0;
    for (const QString& part : order) {
        const qsizetype found = simple.indexOf(part, at);
        QVERIFY2(found >= at, qPrintable(part));
        at = found;
    }
    ExpectAll(simple,
              {QStringLiteral("Cas le plus défavorable : Période diurne du 12/05/2011"),
               QStringLiteral("conformes 1, non conformes 0, non concluantes 1, sans données 0"),
               QStringLiteral("Remarques qui fragilisent une conclusion : 2."),
               QStringLiteral("diurne de 07:00 à 22:00, nocturne de 22:00 à 07:00"),
               QStringLiteral("appartient à la date à laquelle elle commence"),
               QStringLiteral("inférieur ou égal à 30 dB (25 dB pour une mesure à l’intérieur"),
               QStringLiteral("dépasse son L50 de plus de 5 dB"),
               QStringLiteral("à moins de 2 dB de la valeur limite"),
               QStringLiteral("bruit particulier 12/05/2011 10:00 – 11:00 (compresseur)")});
    // The duration terms as a table: T up to a minute adds 6 dB, above 8 h nothing.
    ExpectMatch(text, QStringLiteral("T ≤ 1 min"));
    ExpectMatch(text, QStringLiteral("Terme correctif \\(dB\\) +6 +5 +4 +3 +2 +1 +0\n"));
    // fr-icpe: its gate and its table of limits by the ambient level.
    const QString icpe = ReportOf(files, QStringLiteral("icpe"), kCaseMinutes, CaseLevel,
                                  {QStringLiteral("--standard"), QStringLiteral("fr-icpe"),
                                   QStringLiteral("--marks-file"), CaseMarks(files, false)},
                                  QStringLiteral("fr"));
    ExpectMatch(icpe, QStringLiteral("> 35 dB, ≤ 45 dB +6 +4 +4\n"));
    ExpectMatch(icpe, QStringLiteral("> 45 dB +5 +3 +3\n"));
    QVERIFY(icpe.simplified().contains(QStringLiteral("inférieur ou égal à 35 dB.")));
}

// A mark a year after the reports shares none of their minutes: every figure of the table is the
// same, and the conclusion says it lies outside.
void TestReportAssessment::aMarkAYearAwayChangesNoFigureAndIsToldOf() {
    // The same file's name in both, as the foot of every page gives it.
    TestFiles nearFiles;
    TestFiles farFiles;
    const QStringList standard = {QStringLiteral("--standard"), QStringLiteral("fr-neighbourhood"),
                                  QStringLiteral("--marks-file")};
    const QString near =
        ReportOf(nearFiles, QStringLiteral("case"), kCaseMinutes, CaseLevel,
                 standard + QStringList{CaseMarks(nearFiles, false)}, QStringLiteral("fr"));
    const QString far =
        ReportOf(farFiles, QStringLiteral("case"), kCaseMinutes, CaseLevel,
                 standard + QStringList{CaseMarks(farFiles, true)}, QStringLiteral("fr"));
    const QString table = Between(near, QStringLiteral("Conclusion par période"),
                                  QStringLiteral("Répartition des niveaux"));
    QVERIFY(table.contains(QStringLiteral("non concluant")));
    QCOMPARE(Between(far, QStringLiteral("Conclusion par période"),
                     QStringLiteral("Répartition des niveaux")),
             table);
    const QString told = QStringLiteral("1 repère est hors des minutes des relevés et ne change "
                                        "aucun résultat : bruit particulier 12/05/2012 10:00 – "
                                        "11:00 (un an plus tard).");
    QVERIFY2(far.simplified().contains(told), qPrintable(far));
    QVERIFY(!near.contains(QStringLiteral("hors des minutes")));
}

// 29 residual minutes are too few: the day's row and the pooled row say so; 30 are enough.
void TestReportAssessment::aResidualOf29MinutesIsNotedAndOf30IsNot() {
    TestFiles files;
    const auto level = [](int minute) { return minute >= 600 && minute < 660 ? 58 : 45; };
    for (const int residual : {29, 30}) {
        const QString marks = files.Write(
            QStringLiteral("marks %1.txt").arg(residual),
            "source 2011-05-12T10:00/2011-05-12T11:00\nresidual 2011-05-12T08:00/2011-05-12T08:" +
                std::to_string(residual) + "\n");
        const QString text =
            ReportOf(files, QStringLiteral("residual %1").arg(residual), 1440, level,
                     {QStringLiteral("--standard"), QStringLiteral("fr-neighbourhood"),
                      QStringLiteral("--marks-file"), marks},
                     QStringLiteral("en"));
        const QString table = Between(text, QStringLiteral("Verdict by period"),
                                      QStringLiteral("Distribution of the levels"));
        QVERIFY2(table.contains(QStringLiteral("all periods")), qPrintable(text));
        QCOMPARE(table.count(QStringLiteral("Residual measured under 30 min")),
                 residual < 30 ? 2 : 0);
    }
}

// By day every hour is a decibel louder than the one before: no L90 repeats, and the mode is
// said not representative, the median given beside it.
void TestReportAssessment::aModeOfOneIntervalIsNotRepresentative() {
    TestFiles files;
    const QString text = ReportOf(
        files, QStringLiteral("rising"), 1440, [](int minute) { return 40 + minute / 60; },
        {QStringLiteral("--standard"), QStringLiteral("bs4142")}, QStringLiteral("en"));
    const QString simple = text.simplified();
    ExpectAll(simple, {QStringLiteral("Background, day: mode 47 dB, not representative (no level "
                                      "repeats among its 16 intervals): median 54.5 dB."),
                       QStringLiteral("No level repeats among the intervals: the mode is not "
                                      "representative; read the median, 54.5 dB."),
                       QStringLiteral("Intervals: 1 h by day (07:00–23:00), 15 min at night "
                                      "(23:00–07:00)"),
                       QStringLiteral("at least 80 % of it")});
    ExpectMatch(text, QStringLiteral("day +16 +47 not representative +54.5\n"));
}

QTEST_MAIN(TestReportAssessment)
#include "tst_report_assessment.moc"
