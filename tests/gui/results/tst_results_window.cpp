// The results window: its layout, the coupling of the 1-minute list to the 5-minute, 10-minute and
// 1-hour lists, and the guard that closes a window loaded while it is blocked.

#include "tests/gui/gui_test_support.h"
#include "views/chart/frm_graph.h"
#include "views/common/guard_windows.h"
#include "views/results/frm_array.h"

#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QTest>

namespace {

int Level(int minute) {
    return 45 + minute % 20;
}

} // namespace

class TestResultsWindow final : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void layoutAndLabelsAsDesigned();
    void clickSelectsTheCoveringRows_data();
    void clickSelectsTheCoveringRows();
    void clickOnTheFirstTwoRowsSelectsNothing();
    void rowPastTheEndOfAListClearsItsSelection();
    void guardClosesTheBlockedWindows();

  private:
    static void Click(frmArray& window, int row);

    TestFiles files_;
    CoreOpen core_;
    frmArray* window_ = nullptr;
    std::unique_ptr<frmArray> owner_;
};

void TestResultsWindow::initTestCase() {
    // 180 minutes: 38 rows in the 5-minute list, 20 in the 10-minute list, 5 in the 1-hour list.
    const QString path = files_.Write(QStringLiteral("three hours.txt"), BuildReport(180, Level));
    core_ = OpenWithCore(path, vrd::ReportKind::Plain);
    QVERIFY(!core_.outcome.failure);
    owner_ = std::make_unique<frmArray>();
    window_ = owner_.get();
    window_->Rows().Show(Shared(core_));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void TestResultsWindow::layoutAndLabelsAsDesigned() {
    QCOMPARE(window_->size(), QSize(981, 595));
    QCOMPARE(window_->List(vrd::ListId::Leq1)->geometry(), QRect(24, 8, 297, 260));
    QCOMPARE(window_->List(vrd::ListId::Event)->geometry(), QRect(664, 384, 297, 164));
    QCOMPARE(LabelText(*window_, "Label1"), QStringLiteral("Site and Location :"));
    QCOMPARE(LabelText(*window_, "Label2"), QStringLiteral("Serial Number :"));
    QCOMPARE(LabelText(*window_, "Label_Name"), QStringLiteral("Site Test"));
    QCOMPARE(LabelText(*window_, "Label_Serial"), QStringLiteral("SN 42"));
    frmArray fresh;
    QCOMPARE(LabelText(fresh, "Label_Name"), QStringLiteral("name"));
    QCOMPARE(LabelText(fresh, "Label_Serial"), QStringLiteral("serial"));
}

void TestResultsWindow::Click(frmArray& window, int row) {
    QListView* minutes = window.List(vrd::ListId::Leq1);
    const QModelIndex index = minutes->model()->index(row, 0);
    minutes->scrollTo(index);
    QTest::mouseClick(minutes->viewport(), Qt::LeftButton, {}, minutes->visualRect(index).center());
}

void TestResultsWindow::clickSelectsTheCoveringRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("leq5");
    QTest::addColumn<int>("leq10");
    QTest::addColumn<int>("leq1h");
    // Rounded to the nearest row, ties to the even one.
    QTest::newRow("2") << 2 << 1 << 1 << 1;
    QTest::newRow("3") << 3 << 1 << 1 << 1;
    QTest::newRow("4") << 4 << 2 << 1 << 1;
    QTest::newRow("6") << 6 << 2 << 2 << 1;
    QTest::newRow("11") << 11 << 3 << 2 << 1;
    QTest::newRow("16") << 16 << 4 << 2 << 1;
    QTest::newRow("26") << 26 << 6 << 4 << 1;
    QTest::newRow("31") << 31 << 7 << 4 << 2;
    QTest::newRow("91") << 91 << 19 << 10 << 2;
    QTest::newRow("151") << 151 << 31 << 16 << 4;
}

void TestResultsWindow::clickSelectsTheCoveringRows() {
    QFETCH(int, row);
    QFETCH(int, leq5);
    QFETCH(int, leq10);
    QFETCH(int, leq1h);
    Click(*window_, row);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), row);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq5), leq5);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq10), leq10);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1h), leq1h);
}

void TestResultsWindow::clickOnTheFirstTwoRowsSelectsNothing() {
    window_->SelectRow(vrd::ListId::Leq5, 9);
    window_->SelectRow(vrd::ListId::Leq10, 8);
    window_->SelectRow(vrd::ListId::Leq1h, 3);
    for (const int row : {0, 1}) {
        Click(*window_, row);
        QCOMPARE(window_->SelectedRow(vrd::ListId::Leq5), 9);
        QCOMPARE(window_->SelectedRow(vrd::ListId::Leq10), 8);
        QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1h), 3);
    }
    // The keyboard moves the selection as a click does.
    QListView* minutes = window_->List(vrd::ListId::Leq1);
    minutes->setFocus();
    QTest::keyClick(minutes, Qt::Key_Down);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), 2);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq5), 1);
}

void TestResultsWindow::rowPastTheEndOfAListClearsItsSelection() {
    // Intervals of the first hour only: 18 rows in the 5-minute list, 12 in the 10-minute list
    // and 3 in the 1-hour list.
    const QString path = files_.Write(QStringLiteral("short.txt"), BuildReport(180, Level, 60));
    const CoreOpen core = OpenWithCore(path, vrd::ReportKind::Plain);
    frmArray window;
    window.Rows().Show(Shared(core));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.SelectRow(vrd::ListId::Leq5, 5);
    window.SelectRow(vrd::ListId::Leq1h, 1);

    // Row 100 gives 5-minute row 21 and 1-hour row 3, past their ends, and 10-minute row 11:
    // the old highlights would point at unrelated times, so those lists show none.
    Click(window, 100);
    QCOMPARE(window.SelectedRow(vrd::ListId::Leq1), 100);
    QCOMPARE(window.SelectedRow(vrd::ListId::Leq5), -1);
    QCOMPARE(window.SelectedRow(vrd::ListId::Leq10), 11);
    QCOMPARE(window.SelectedRow(vrd::ListId::Leq1h), -1);
    for (const vrd::ListId list : {vrd::ListId::Leq5, vrd::ListId::Leq1h})
        QVERIFY(window.List(list)->selectionModel()->selectedIndexes().isEmpty());
    // The summary rows below the minutes do the same, and the window stays usable.
    const int lastRow = window.List(vrd::ListId::Leq1)->model()->rowCount() - 1;
    window.SelectRow(vrd::ListId::Leq10, 3);
    Click(window, lastRow);
    QCOMPARE(window.SelectedRow(vrd::ListId::Leq10), -1);
    Click(window, 26);
    QCOMPARE(window.SelectedRow(vrd::ListId::Leq5), 6);
    QCOMPARE(window.SelectedRow(vrd::ListId::Leq1h), 1);
}

void TestResultsWindow::guardClosesTheBlockedWindows() {
    QMdiArea workspace;
    workspace.show();
    ChildWindows windows;
    windows.results = workspace.addSubWindow(new frmArray);
    windows.chart = workspace.addSubWindow(new frmGraph);
    QPointer<QMdiSubWindow> results = windows.results;
    QPointer<QMdiSubWindow> chart = windows.chart;

    vrd::WindowBlocks state;
    state.BlockResultsWindow = vrd::kFalse;
    state.BlockGraphWindow = vrd::kFalse;
    GuardWindows(state, windows);
    QVERIFY(windows.results && windows.chart);

    // Whichever window calls, both flags are tested.
    state.BlockResultsWindow = vrd::kTrue;
    GuardWindows(state, windows);
    QVERIFY(!windows.results);
    QVERIFY(windows.chart);
    state.BlockGraphWindow = vrd::kTrue;
    GuardWindows(state, windows);
    QVERIFY(!windows.chart);
    // Unloading a window that is not loaded does nothing.
    GuardWindows(state, windows);
    QTRY_VERIFY(results.isNull() && chart.isNull());
}

VRD_GUI_TEST_MAIN(TestResultsWindow)
#include "tst_results_window.moc"
