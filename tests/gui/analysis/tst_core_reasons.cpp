// The core's reasons in the window's language: in English each kind is worded exactly as vrdtool
// prints it (the core's own reason), in French each is worded anew; a bad line of a marks file, a
// bad key of an analysis file and a report that cannot be read reach the French window in French.

#include "analysis/exclusion_file.h"
#include "options/analysis_file.h"
#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/texts/core_reason_text.h"

#include <QTest>

#include <cerrno>

namespace {

// A bad analysis file for each of the reasons the core gives when reading one.
const char* const kBadAnalyses[] = {
    "not json",
    "[1]",
    "{}",
    R"({"format": "other"})",
    R"({"format": "vrd-analysis", "version": "one"})",
    R"({"format": "vrd-analysis", "version": 9})",
    R"({"format": "vrd-analysis", "files": 1})",
    R"({"format": "vrd-analysis", "files": [1]})",
    R"({"format": "vrd-analysis", "plain": 1})",
    R"({"format": "vrd-analysis", "from": "noon"})",
    R"({"format": "vrd-analysis", "from": "2011-05-12T10:00", "to": "2011-05-12T09:00"})",
    R"({"format": "vrd-analysis", "threshold": "loud"})",
    R"({"format": "vrd-analysis", "min_coverage": 2})",
    R"({"format": "vrd-analysis", "who": "boats"})",
    R"({"format": "vrd-analysis", "preset": null, "periods": [7]})",
    R"({"format": "vrd-analysis", "preset": null, "penalties": "high"})",
    R"({"format": "vrd-analysis", "preset": null, "periods": [19, 7, 23]})",
    R"({"format": "vrd-analysis", "preset": "eu", "periods": [6, 18, 22]})",
    R"({"format": "vrd-analysis", "marks": 1})",
    R"({"format": "vrd-analysis", "marks": [1]})",
    R"({"format": "vrd-analysis", "marks": [{"kind": "loud"}]})",
    R"({"format": "vrd-analysis", "marks": [{"kind": "source", "from": "2011-05-12T10:00"}]})",
    R"({"format": "vrd-analysis", "marks": [{"kind": "source", "from": "2011-05-12T10:00",
        "to": "2011-05-12T09:00"}]})",
    R"({"format": "vrd-analysis", "marks": [{"kind": "source", "from": "2011-05-12T10:00",
        "to": "2011-05-12T11:00", "reason": 2}]})",
    R"({"format": "vrd-analysis", "marks": [
        {"kind": "source", "from": "2011-05-12T10:00", "to": "2011-05-12T11:00"},
        {"kind": "residual", "from": "2011-05-12T10:30", "to": "2011-05-12T12:00"}]})",
};

std::vector<vrd::AnalysisFileProblem> AnalysisProblems() {
    std::vector<vrd::AnalysisFileProblem> problems;
    for (const char* bytes : kBadAnalyses) {
        const vrd::AnalysisFileRead read = vrd::ParseAnalysisFile(bytes, "a.vrda");
        if (!read.problem)
            qFatal("no problem with %s", bytes);
        problems.push_back(*read.problem);
    }
    vrd::AnalysisDocument document;
    document.files = {"/data/\xff.vrd"};
    document.absolutePaths = true;
    problems.push_back(*vrd::FormatAnalysisFile(document, "/data/a.vrda").problem);
    return problems;
}

std::vector<vrd::MarksFileProblem> MarksProblems() {
    std::vector<vrd::MarksFileProblem> problems;
    for (const char* bytes : {"source\n", "# a\n\nsource rain\n", "soon 2011-05-12T10:00/x\n"})
        problems.push_back(*vrd::ParseMarksFile(bytes).problem);
    problems.push_back(*vrd::ParseExclusionFile("rain\n").problem);
    return problems;
}

std::vector<vrd::Failure> Failures() {
    std::vector<vrd::Failure> failures;
    for (int kind = static_cast<int>(vrd::FailureKind::NoFileName);
         kind <= static_cast<int>(vrd::FailureKind::DecodeCancelled); ++kind)
        failures.push_back(
            vrd::MakeFailure(static_cast<vrd::FailureKind>(kind), {3, 300, 17, "7x"}));
    failures.push_back(vrd::MakeFailure(vrd::FailureKind::Unexpected));
    failures.push_back(
        vrd::MakeFailure(vrd::FailureKind::System, {0, ENOENT, 0, "No such file or directory"}));
    failures.push_back(
        vrd::MakeFailure(vrd::FailureKind::System, {0, EACCES, 0, "Permission denied"}));
    return failures;
}

// The kinds whose wording is what the file, the system or the parser wrote.
bool IsGivenText(const vrd::Failure& failure) {
    return failure.kind == vrd::FailureKind::RunningLevel ||
           (failure.kind == vrd::FailureKind::Unexpected && !failure.text.empty());
}

} // namespace

class TestCoreReasons final : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { SetWindowLanguage(Language::English); }

    void everyReasonInEnglishIsTheCoresOwn() {
        for (const vrd::Failure& failure : Failures())
            QCOMPARE(FailureText(failure, Language::English),
                     QString::fromStdString(failure.reason));
        for (const vrd::MarksFileProblem& problem : MarksProblems())
            QCOMPARE(MarksFileProblemText(problem, Language::English),
                     QString::fromStdString(vrd::MarksFileProblemText(problem)));
        for (const vrd::AnalysisFileProblem& problem : AnalysisProblems())
            QCOMPARE(AnalysisFileProblemText(problem, Language::English),
                     QString::fromStdString(vrd::AnalysisFileProblemText(problem)));
    }

    void everyReasonInFrenchIsWordedAnew() {
        for (const vrd::Failure& failure : Failures()) {
            const QString french = FailureText(failure, Language::French);
            if (!IsGivenText(failure))
                QVERIFY2(french != QString::fromStdString(failure.reason), qPrintable(french));
        }
        for (const vrd::MarksFileProblem& problem : MarksProblems()) {
            const QString french = MarksFileProblemText(problem, Language::French);
            QVERIFY2(french.startsWith(QStringLiteral("ligne ")) &&
                         french.contains(QStringLiteral("intervalle")),
                     qPrintable(french));
        }
        for (const vrd::AnalysisFileProblem& problem : AnalysisProblems()) {
            const QString french = AnalysisFileProblemText(problem, Language::French);
            QVERIFY2(french != QString::fromStdString(vrd::AnalysisFileProblemText(problem)),
                     qPrintable(french));
            QVERIFY2(!french.contains(QStringLiteral("expects")) &&
                         !french.contains(QStringLiteral(" must ")) &&
                         !french.contains(QStringLiteral(" not ")),
                     qPrintable(french));
            // A no-break space before the colon after the key, as French sets it.
            if (!problem.key.empty())
                QVERIFY(french.startsWith(QString::fromStdString(problem.key) +
                                          QStringLiteral("\u00a0: ")));
        }
    }

    void theFrenchWindowShowsTheReasonsInFrench() {
        SetWindowLanguage(Language::French);
        TestFiles files;
        frmAnalysis window;
        QList<QString> answers;
        window.SetPathChooser([&](QWidget*, const frmAnalysis::PathRequest&) {
            return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
        });
        window.Session().SetReports(Reports(ThreeDays()));

        answers.append(files.Write(QStringLiteral("marks.txt"), "source 2011-05-12T10:00\n"));
        QVERIFY(!window.LoadExclusions());
        QString warning = TakeWarning(window);
        QVERIFY2(warning.contains(QStringLiteral("ligne 1\u00a0: «\u00a02011-05-12T10:00\u00a0» "
                                                 "n’est pas un intervalle")),
                 qPrintable(warning));

        const QString analysis = files.Write(QStringLiteral("a.vrda"),
                                             R"({"format": "vrd-analysis", "threshold": "x"})");
        QVERIFY(!window.OpenAnalysisFile(analysis));
        warning = TakeWarning(window);
        QVERIFY2(warning.contains(QStringLiteral("threshold\u00a0: attend un niveau en dB ou null, "
                                                 "pas \"x\"")),
                 qPrintable(warning));

        answers.append(files.Write(QStringLiteral("empty.vrd"), ""));
        QVERIFY(!window.AddFile());
        warning = TakeWarning(window);
        QVERIFY2(warning.contains(QStringLiteral("le fichier est vide")), qPrintable(warning));
    }
};

VRD_GUI_TEST_MAIN(TestCoreReasons)
#include "tst_core_reasons.moc"
