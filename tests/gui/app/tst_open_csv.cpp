// A meter's CSV export dropped on the main window: the analysis window opens on it alone once its
// columns are confirmed in the dialog, and nothing opens when the dialog is cancelled; no report
// is loaded for it.

#include "app/mdi_form_main.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/prompts/csv_columns_dialog.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/window/frm_analysis.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <string>

namespace {

std::string MeterCsv() {
    std::string text = "Date;Heure;LAeq\n";
    char row[64];
    for (int s = 0; s < 120; ++s) {
        std::snprintf(row, sizeof row, "12/05/2011;10:%02d:%02d;5%d,%d\n", s / 60, s % 60, s % 10,
                      s % 7);
        text += row;
    }
    return text;
}

// Answers the columns dialog as soon as it is shown: OK, or Cancel. asked counts the dialogs.
class DialogAnswer final : public QObject {
  public:
    DialogAnswer(bool accept, int& asked) : accept_(accept), asked_(asked) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<CsvColumnsDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            ++asked_;
            if (accept_)
                dialog->accept();
            else
                dialog->reject();
        });
        timer_.start(20);
    }

  private:
    QTimer timer_;
    bool accept_;
    int& asked_;
};

void Drop(QWidget& window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

} // namespace

class TestOpenCsv final : public QObject {
    Q_OBJECT

  private slots:
    void aDroppedExportOpensTheAnalysisWindowOnIt();
    void aCancelledDialogOpensNothing();
};

void TestOpenCsv::aDroppedExportOpensTheAnalysisWindowOnIt() {
    TestFiles files;
    const QString path = files.Write(QStringLiteral("meter.csv"), MeterCsv());
    FakeFileDialogs dialogs;
    std::unique_ptr<MDIFormMain> main = StartMainWindow(dialogs);
    QVERIFY(main != nullptr);
    int asked = 0;
    {
        DialogAnswer answer(true, asked);
        Drop(*main, path);
        QTRY_VERIFY(main->AnalysisWindow() != nullptr &&
                    !main->AnalysisWindow()->Session().Reports().empty());
    }
    QCOMPARE(asked, 1);
    const AnalysisSession& session = main->AnalysisWindow()->Session();
    QCOMPARE(session.Reports().size(), std::size_t{1});
    QCOMPARE(session.Step(), vrd::kMillisPerSecond);
    QCOMPARE(session.Series().Size(), std::size_t{120});
    QVERIFY(!main->IsLoading());
    QVERIFY(main->State().DecodedReport.empty());
}

void TestOpenCsv::aCancelledDialogOpensNothing() {
    TestFiles files;
    const QString path = files.Write(QStringLiteral("meter.csv"), MeterCsv());
    FakeFileDialogs dialogs;
    std::unique_ptr<MDIFormMain> main = StartMainWindow(dialogs);
    QVERIFY(main != nullptr);
    int asked = 0;
    {
        DialogAnswer answer(false, asked);
        Drop(*main, path);
        QTRY_COMPARE(asked, 1);
    }
    QVERIFY(main->AnalysisWindow() == nullptr ||
            main->AnalysisWindow()->Session().Reports().empty());
    QVERIFY(main->State().DecodedReport.empty());
}

VRD_GUI_TEST_MAIN(TestOpenCsv)
#include "tst_open_csv.moc"
