// The recovery copy of unsaved changes, in a state folder of the test's own: written a moment
// after a change and not before, what the analysis file would hold; held by its window, so that
// only a copy a crash left is offered at the next start, naming the analysis; "Restore" gives the
// analysis back with its changes unsaved, "Discard" removes the copy, and a save or an undo back to
// the saved state removes it.

#include "app/mdi_form_main.h"
#include "options/analysis_file.h"
#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/analysis/window/recovery_copy.h"
#include "views/common/analysis_widgets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>

namespace {

using namespace std::chrono_literals;

// What a crash leaves of window's copy: its files under another name, held by no window.
KeptRecovery LeftByACrash(const frmAnalysis& window, const QString& name) {
    const QFileInfo copy(window.Recovery().Path());
    const QString base = copy.path() + QLatin1Char('/') + copy.completeBaseName();
    const QString left = copy.path() + QLatin1Char('/') + name;
    QFile::copy(base + QStringLiteral(".vrda"), left + QStringLiteral(".vrda"));
    QFile::copy(base + QStringLiteral(".path"), left + QStringLiteral(".path"));
    return {left + QStringLiteral(".vrda"), {}, {}, {}};
}

// The offer shown over main; null when none shows within a few seconds.
QMessageBox* Offer(QWidget& main) {
    QMessageBox* shown = nullptr;
    const bool offered = QTest::qWaitFor(
        [&] {
            for (QMessageBox* box :
                 main.findChildren<QMessageBox*>(QStringLiteral("RecoveryOffer")))
                if (box->isVisible())
                    shown = box;
            return shown != nullptr;
        },
        5000);
    return offered ? shown : nullptr;
}

} // namespace

class TestRecoveryCopy final : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(state_.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(state_.path()));
        QVERIFY(RecoveryFolder().startsWith(state_.path()));
        report_ = files_.Write(QStringLiteral("three days.txt"),
                               DatedReport(3 * 1440 - 60, ClimbingLevel));
    }

    void cleanup() { QDir(RecoveryFolder()).removeRecursively(); }

    void aChangeIsCopiedAfterTheDelayAndASaveRemovesIt() {
        frmAnalysis window;
        OpenReport(window);
        window.Recovery().SetDelay(200ms);
        QVERIFY(
            !window.Analysis().AddMark({vrd::MarkKind::Source, Span(At(0, 9), At(0, 11)), "fan"}));
        QVERIFY(window.AnalysisFile().IsModified());
        // Not at once: an hour of marking is copied every delay, not at every mark.
        QVERIFY(!window.Recovery().IsKept());
        QTRY_VERIFY_WITH_TIMEOUT(window.Recovery().IsKept(), 5000);
        const std::string copy = LocalPath(window.Recovery().Path());
        QCOMPARE(TestFiles::Read(window.Recovery().Path()),
                 vrd::FormatAnalysisFile(window.AnalysisFile().Document(), copy).bytes);
        // The copy of a running window is not offered: it is no crash's.
        QVERIFY(KeptRecoveries().empty());

        QString reason;
        QVERIFY2(window.WriteAnalysis(files_.Path(QStringLiteral("week.vrda")), reason),
                 qPrintable(reason));
        QVERIFY(!window.Recovery().IsKept());
        QVERIFY(!QFile::exists(window.Recovery().Path()));

        // Undone back to what was saved: nothing to copy, the copy goes.
        QVERIFY(
            !window.Analysis().AddMark({vrd::MarkKind::Residual, Span(At(1, 2), At(1, 3)), ""}));
        QVERIFY(window.Recovery().WriteNow());
        QVERIFY(window.Recovery().IsKept());
        window.Analysis().Stack().undo();
        QVERIFY(!window.AnalysisFile().IsModified());
        QVERIFY(!QFile::exists(window.Recovery().Path()));
    }

    void aCopyLeftByACrashIsOfferedAndRestored() {
        const QString analysis = files_.Path(QStringLiteral("fan week.vrda"));
        std::vector<vrd::Mark> marks;
        {
            frmAnalysis crashed;
            OpenReport(crashed);
            QString reason;
            QVERIFY(crashed.WriteAnalysis(analysis, reason));
            QVERIFY(!crashed.Analysis().AddMark(
                {vrd::MarkKind::Source, Span(At(0, 9), At(0, 11)), "fan"}));
            QVERIFY(!crashed.Analysis().AddMark(
                {vrd::MarkKind::Exclude, Span(At(1, 2), At(1, 3)), ""}));
            QVERIFY(crashed.Recovery().WriteNow());
            LeftByACrash(crashed, QStringLiteral("analysis-left"));
            marks = crashed.Session().AllMarks();
        }
        const std::vector<KeptRecovery> kept = KeptRecoveries();
        QCOMPARE(kept.size(), std::size_t{1});
        QCOMPARE(kept[0].analysis, QFileInfo(analysis).absoluteFilePath());
        QCOMPARE(kept[0].report, QStringLiteral("three days.txt"));
        QVERIFY(kept[0].kept.secsTo(QDateTime::currentDateTime()) < 60);

        FakeFileDialogs dialogs;
        const std::unique_ptr<MDIFormMain> main = StartMainWindow(dialogs);
        QVERIFY(main != nullptr);
        QMessageBox* box = Offer(*main);
        QVERIFY(box != nullptr);
        QVERIFY2(box->text().contains(QStringLiteral("\"fan week.vrda\"")),
                 qPrintable(box->text()));
        QVERIFY(box->informativeText().contains(
            kept[0].kept.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
        box->findChild<QPushButton*>(QStringLiteral("Restore"))->click();

        frmAnalysis* window = main->AnalysisWindow();
        QVERIFY(window != nullptr);
        QCOMPARE(window->Session().AllMarks().size(), marks.size());
        QCOMPARE(window->Session().AllMarks()[1].reason, std::string("fan"));
        QCOMPARE(window->Session().Reports().size(), std::size_t{1});
        QVERIFY(!window->Session().Reports()[0].failure);
        // Unsaved, and to be saved into the analysis it is a copy of.
        QVERIFY(window->AnalysisFile().IsModified());
        QCOMPARE(window->AnalysisFile().Path(), QFileInfo(analysis).absoluteFilePath());
        // The copy left is now the window's own, which no other start offers.
        QVERIFY(!QFile::exists(kept[0].copy));
        QVERIFY(window->Recovery().IsKept());
        QVERIFY(KeptRecoveries().empty());

        QString reason;
        QVERIFY(window->WriteAnalysis(window->AnalysisFile().Path(), reason));
        QVERIFY(!QFile::exists(window->Recovery().Path()));
        const vrd::AnalysisFileRead saved = vrd::ReadAnalysisFile(LocalPath(analysis));
        QVERIFY(saved.document.has_value());
        QCOMPARE(saved.document->marks.size(), marks.size());
    }

    void aCopyDiscardedIsRemovedAndOneLeftAloneIsKept() {
        {
            frmAnalysis crashed;
            OpenReport(crashed);
            QVERIFY(!crashed.Analysis().AddMark(
                {vrd::MarkKind::Source, Span(At(0, 9), At(0, 11)), "fan"}));
            QVERIFY(crashed.Recovery().WriteNow());
            LeftByACrash(crashed, QStringLiteral("analysis-first"));
            LeftByACrash(crashed, QStringLiteral("analysis-second"));
        }
        QCOMPARE(KeptRecoveries().size(), std::size_t{2});
        FakeFileDialogs dialogs;
        const std::unique_ptr<MDIFormMain> main = StartMainWindow(dialogs);
        QVERIFY(main != nullptr);
        QMessageBox* first = Offer(*main);
        QVERIFY(first != nullptr);
        // Never saved: named by its report.
        QVERIFY2(first->text().contains(QStringLiteral("An analysis of \"three days.txt\"")),
                 qPrintable(first->text()));
        first->findChild<QPushButton*>(QStringLiteral("Discard"))->click();
        QTRY_COMPARE(KeptRecoveries().size(), std::size_t{1});
        QMessageBox* second = Offer(*main);
        QVERIFY(second != nullptr);
        // Closed without an answer: kept for the next start.
        second->reject();
        QTest::qWait(50);
        QCOMPARE(KeptRecoveries().size(), std::size_t{1});
        QVERIFY(main->AnalysisWindow() == nullptr);
    }

  private:
    void OpenReport(frmAnalysis& window) {
        window.Session().SetReports({vrd::OpenReportForAnalysis({LocalPath(report_), true})});
        window.AnalysisFile().StartAfresh();
    }

    QTemporaryDir state_;
    TestFiles files_;
    QString report_;
};

VRD_GUI_TEST_MAIN(TestRecoveryCopy)
#include "tst_recovery_copy.moc"
