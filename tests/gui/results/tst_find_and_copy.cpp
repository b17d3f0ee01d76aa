// Finding a date and time in the 1-minute list, with the other lists following as on a click, and
// copying the selected rows of a list.

#include "tests/gui/gui_test_support.h"
#include "views/results/find_bar.h"
#include "views/results/frm_array.h"
#include "views/results/minute_find.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTest>

namespace {

int Level(int minute) {
    return 45 + minute % 20;
}

// Minute m of the report is row m + 2 of the 1-minute list, after the heading and the hyphens.
constexpr int kFirstMinuteRow = 2;

QString Line(int minute) {
    return Latin1(LevelLine(minute, Level(minute))).chopped(1);
}

void Click(frmArray& window, vrd::ListId list, int row, Qt::KeyboardModifiers modifiers = {}) {
    QListView* view = window.List(list);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualRect(index).center());
}

int SelectedCount(const frmArray& window, vrd::ListId list) {
    return static_cast<int>(window.List(list)->selectionModel()->selectedIndexes().size());
}

QAction* ListAction(const frmArray& window, vrd::ListId list, const QString& text) {
    for (QAction* action : window.List(list)->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class TestFindAndCopy final : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void readsWhatIsTyped_data();
    void readsWhatIsTyped();
    void findJumpsAndTheListsFollow();
    void findGoesOnAndWraps();
    void notFoundIsSaidInTheBar();
    void barOpensFindsAndCloses();
    void copiesTheSelectedRowsInOrder();
    void copyKeepsEveryByte();

  private:
    TestFiles files_;
    CoreOpen core_;
    std::unique_ptr<frmArray> window_;
};

void TestFindAndCopy::initTestCase() {
    // 180 minutes from 00:00 on 12/05/2011.
    const QString path = files_.Write(QStringLiteral("three hours.txt"), BuildReport(180, Level));
    core_ = OpenWithCore(path, vrd::ReportKind::Plain);
    QVERIFY(!core_.outcome.failure);
}

void TestFindAndCopy::init() {
    window_ = std::make_unique<frmArray>();
    window_->Rows().Show(Shared(core_));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestFindAndCopy::readsWhatIsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    const auto row = [](const char* typed, bool valid, const char* date, const char* time) {
        QTest::newRow(typed) << QString::fromLatin1(typed) << valid << QString::fromLatin1(date)
                             << QString::fromLatin1(time);
    };
    row("12/05/2011 17:08", true, "12/05/2011", "17:08");
    row("17:08", true, "", "17:08");
    row("12/05/2011", true, "12/05/2011", "");
    row("  17:08   12/05/2011 ", true, "12/05/2011", "17:08");
    row("12/05/2011 - 17:08", true, "12/05/2011", "17:08");
    row("12/5/2011 7:08", true, "12/05/2011", "07:08");
    row("12/05/2011-17h", true, "12/05/2011", "17:");
    row("12/05", true, "12/05/", "");
    row("", false, "", "");
    row("tomorrow", false, "", "");
    row("17:8", false, "", "");
    row("123:00", false, "", "");
    row("12/05/11", false, "", "");
    row("1/2/2011/4", false, "", "");
    row("17:08 18:00", false, "", "");
    row("12/05/2011 13/05/2011", false, "", "");
}

void TestFindAndCopy::readsWhatIsTyped() {
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(QString, date);
    QFETCH(QString, time);
    const std::optional<MinuteQuery> query = ParseMinuteQuery(typed);
    QCOMPARE(query.has_value(), valid);
    if (!query)
        return;
    QCOMPARE(query->date, date);
    QCOMPARE(query->time, time);
}

void TestFindAndCopy::findJumpsAndTheListsFollow() {
    // 01:30 is row 92: the rows a click on it selects, 19, 10 and 3.
    QVERIFY(window_->FindMinute(QStringLiteral("12/05/2011 01:30")));
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), kFirstMinuteRow + 90);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq5), 19);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq10), 10);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1h), 3);
    QCOMPARE(window_->Finder()->Status(), QString());
    QListView* minutes = window_->List(vrd::ListId::Leq1);
    QVERIFY(minutes->viewport()->rect().contains(minutes->visualRect(minutes->currentIndex())));

    // Finding the row that is chosen already couples again, as a click on it does.
    window_->SelectRow(vrd::ListId::Leq5, 3);
    QVERIFY(window_->FindMinute(QStringLiteral("01:30")));
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), kFirstMinuteRow + 90);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq5), 19);
}

void TestFindAndCopy::findGoesOnAndWraps() {
    // Nothing chosen: from the top; the heading lines are no minutes.
    QVERIFY(window_->FindMinute(QStringLiteral("12/05/2011")));
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), kFirstMinuteRow);

    // From the chosen row on: 01:38 is in hour 01 itself; the same text again goes on.
    window_->SelectRow(vrd::ListId::Leq1, kFirstMinuteRow + 98);
    QVERIFY(window_->FindMinute(QStringLiteral("01h")));
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), kFirstMinuteRow + 98);
    QVERIFY(window_->FindMinute(QStringLiteral("01h")));
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), kFirstMinuteRow + 99);
    QCOMPARE(window_->Finder()->Status(), QString());

    // Past the end it goes on from the top, and says so.
    QVERIFY(window_->FindMinute(QStringLiteral("00:30")));
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), kFirstMinuteRow + 30);
    QCOMPARE(window_->Finder()->Status(), QStringLiteral("Went on from the top."));
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq10), 4);
    // The only match, found again.
    QVERIFY(window_->FindMinute(QStringLiteral("00:30")));
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), kFirstMinuteRow + 30);

    // The last minute, from the last row.
    window_->SelectRow(vrd::ListId::Leq1,
                       window_->List(vrd::ListId::Leq1)->model()->rowCount() - 1);
    QVERIFY(window_->FindMinute(QStringLiteral("02:59")));
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), kFirstMinuteRow + 179);
}

void TestFindAndCopy::notFoundIsSaidInTheBar() {
    window_->SelectRow(vrd::ListId::Leq1, 50);
    window_->SelectRow(vrd::ListId::Leq5, 4);
    QVERIFY(!window_->FindMinute(QStringLiteral(" 13/05/2011 ")));
    QCOMPARE(window_->Finder()->Status(), QStringLiteral("Not found: 13/05/2011"));
    QVERIFY(!window_->FindMinute(QStringLiteral("03:00")));
    QVERIFY(!window_->FindMinute(QStringLiteral("half past")));
    QCOMPARE(window_->Finder()->Status(),
             QStringLiteral("Type a date (dd/mm/yyyy), a time (hh:mm) or both."));
    // Nothing moved, and no message box.
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), 50);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq5), 4);
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(qobject_cast<QMessageBox*>(widget) == nullptr);
    QVERIFY(window_->findChild<QMessageBox*>() == nullptr);
}

void TestFindAndCopy::barOpensFindsAndCloses() {
    FindBar* bar = window_->Finder();
    QVERIFY(!bar->isVisible());
    QListView* minutes = window_->List(vrd::ListId::Leq1);
    minutes->setFocus();
    QTest::keyClick(minutes, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(bar->isVisible());
    auto* text = bar->findChild<QLineEdit*>(QStringLiteral("FindText"));
    QTRY_COMPARE(QApplication::focusWidget(), text);
    // The bar covers no list.
    for (const vrd::ListId list : vrd::kAllLists)
        QVERIFY(!bar->geometry().intersects(window_->List(list)->geometry()));

    QTest::keyClicks(text, QStringLiteral("02:15"));
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1), kFirstMinuteRow + 135);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq1h), 3);
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QCOMPARE(QApplication::focusWidget(), minutes);

    // The lists' context menus offer it too.
    ListAction(*window_, vrd::ListId::Leq5, QStringLiteral("Find date/time..."))->trigger();
    QVERIFY(bar->isVisible());
    QCOMPARE(text->selectedText(), QStringLiteral("02:15"));
}

void TestFindAndCopy::copiesTheSelectedRowsInOrder() {
    Click(*window_, vrd::ListId::Leq1, kFirstMinuteRow + 3);
    Click(*window_, vrd::ListId::Leq1, kFirstMinuteRow + 5, Qt::ShiftModifier);
    Click(*window_, vrd::ListId::Leq1, kFirstMinuteRow + 1, Qt::ControlModifier);
    QCOMPARE(SelectedCount(*window_, vrd::ListId::Leq1), 4);
    // The lists that follow keep one row, that of the current minute, whatever keys are held.
    for (const vrd::ListId list : {vrd::ListId::Leq5, vrd::ListId::Leq10, vrd::ListId::Leq1h})
        QCOMPARE(SelectedCount(*window_, list), 1);
    QCOMPARE(window_->SelectedRow(vrd::ListId::Leq5), 1);

    QGuiApplication::clipboard()->clear();
    QListView* minutes = window_->List(vrd::ListId::Leq1);
    minutes->setFocus();
    QTest::keyClick(minutes, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringList({Line(1), Line(3), Line(4), Line(5)}).join(QLatin1Char('\n')));

    // From the context menu of another list; nothing selected there copies nothing.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QListView* events = window_->List(vrd::ListId::Event);
    events->clearSelection();
    ListAction(*window_, vrd::ListId::Event, QStringLiteral("Copy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    ListAction(*window_, vrd::ListId::Leq1h, QStringLiteral("Select all"))->trigger();
    ListAction(*window_, vrd::ListId::Leq1h, QStringLiteral("Copy"))->trigger();
    const QStringList hours = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(hours.size(), window_->List(vrd::ListId::Leq1h)->model()->rowCount());
    QCOMPARE(hours.at(2), Latin1(LevelLine(0, Level(0))).chopped(1));
}

void TestFindAndCopy::copyKeepsEveryByte() {
    std::string report = BuildReport(10, Level);
    const std::string event = "12/05/2011 - 07:58    Max > 103 dBA";
    report.replace(report.find(event), event.size(), "12/05/2011 - 07:58    Pi\xe8ge \xb0\xff");
    const QString path = files_.Write(QStringLiteral("bytes.txt"), report);
    const CoreOpen core = OpenWithCore(path, vrd::ReportKind::Plain);
    frmArray window;
    window.Rows().Show(Shared(core));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QListView* events = window.List(vrd::ListId::Event);
    const int row = events->model()->rowCount() - 1;
    window.SelectRow(vrd::ListId::Event, row);
    ListAction(window, vrd::ListId::Event, QStringLiteral("Copy"))->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.startsWith(QStringLiteral("12/05/2011 - 07:58    Pi")), qPrintable(copied));
    QCOMPARE(copied.toLatin1(), window.Rows().RowText(vrd::ListId::Event, row).toLatin1());
    QVERIFY(copied.contains(QChar(0xe8)) && copied.contains(QChar(0xb0)) &&
            copied.contains(QChar(0xff)));
}

VRD_GUI_TEST_MAIN(TestFindAndCopy)
#include "tst_find_and_copy.moc"
