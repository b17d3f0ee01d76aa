// "Open" > "vrd file" and "Txt file", a file named at start-up and a dropped file: the results
// window, the state left behind on success and on each failure, the warnings, the menus during a
// load, and the chart of what was read.

#include "app/load_progress.h"
#include "app/mdi_form_main.h"
#include "tests/gui/gui_test_support.h"
#include "views/chart/frm_graph.h"
#include "views/results/frm_array.h"

#include <QAction>
#include <QCategoryAxis>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace std::chrono_literals;

namespace {

int Loud(int minute) {
    return 58 + minute % 12;
}

QString Row(const frmArray& window, vrd::ListId list, int row) {
    const QAbstractItemModel* model = window.List(list)->model();
    return model->data(model->index(row, 0)).toString();
}

} // namespace

class TestOpenCommands final : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void openVrdFillsTheResultsWindow();
    void openTxtAfterACancelledDialog();
    void failuresWarnAndLeaveWhatTheyShould();
    void menusAreHeldDuringALoad();
    void cancelledLoadKeepsNothingItRead();
    void closedResultsWindowComesBackForTheNextOpen();
    void chartShowsTheMinutesReadLast();
    void fileNamedAtStartUpOpensAfterTheStartScreen();
    void droppedFileOpens();

  private:
    bool Open(QAction* command, const QString& path);

    TestFiles files_;
    std::string report_;
    QString vrdPath_;
    QString txtPath_;
    std::unique_ptr<FakeFileDialogs> dialogs_;
    std::unique_ptr<MDIFormMain> main_;
};

void TestOpenCommands::init() {
    if (report_.empty()) {
        report_ = BuildReport(150, Loud);
        vrdPath_ = files_.Write(QStringLiteral("site day.vrd"), EncodeReport(report_));
        txtPath_ = files_.Write(QStringLiteral("site day.txt"), report_);
    }
    dialogs_ = std::make_unique<FakeFileDialogs>();
    main_ = StartMainWindow(*dialogs_);
    QVERIFY(main_ != nullptr);
}

void TestOpenCommands::cleanup() {
    main_.reset();
    dialogs_.reset();
}

// Runs command with path as the dialog's answer (empty: cancel); true when a load ran.
bool TestOpenCommands::Open(QAction* command, const QString& path) {
    if (!path.isEmpty())
        dialogs_->openAnswers.append(path);
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    command->trigger();
    if (!main_->IsLoading())
        return false;
    return ended.wait(10000);
}

void TestOpenCommands::openVrdFillsTheResultsWindow() {
    QVERIFY(Open(main_->Menus().mnuvrd, vrdPath_));
    QCOMPARE(dialogs_->openCalls.size(), 1);
    QCOMPARE(dialogs_->openCalls[0].filter, QStringLiteral("encrypted Data (*.vrd)|*.vrd"));

    frmArray* results = main_->ResultsWindow();
    QVERIFY(results != nullptr);
    QMdiSubWindow* child = main_->Workspace()->subWindowList().first();
    QCOMPARE(child->widget(), results);
    QCOMPARE(child->pos(), QPoint(0, 0));
    QCOMPARE(child->windowTitle(), vrdPath_);
    QCOMPARE(LabelText(*results, "Label_Name"), QStringLiteral("Site Test"));
    QCOMPARE(LabelText(*results, "Label_Serial"), QStringLiteral("SN 42"));

    const CoreOpen core = OpenWithCore(vrdPath_, vrd::ReportKind::Encoded);
    for (const vrd::ListId list : vrd::kAllLists) {
        QCOMPARE(results->List(list)->model()->rowCount(),
                 static_cast<int>(core.lists.RowCount(list)));
        for (int row = 0; row < static_cast<int>(core.lists.RowCount(list)); ++row)
            QCOMPARE(Row(*results, list, row),
                     Latin1(std::string(core.lists.Row(core.state.DecodedReport, list,
                                                       static_cast<std::size_t>(row)))));
    }
    QCOMPARE(main_->State().DecodedReport, report_);
    QCOMPARE(main_->State().MinuteLines, core.state.MinuteLines);
    QCOMPARE(main_->Blocks().BlockResultsWindow, vrd::kFalse);
    QVERIFY(main_->Menus().mnuSave->menuAction()->isEnabled());
    QVERIFY(main_->Menus().mnuChart->isEnabled());
    QCOMPARE(main_->Dialog().ReportFileName(), QStringLiteral("site day.vrd"));
    QVERIFY(TakeWarning(*main_).isEmpty());
}

void TestOpenCommands::openTxtAfterACancelledDialog() {
    QVERIFY(Open(main_->Menus().mnuvrd, vrdPath_));
    const vrd::Declaration before = main_->State();
    const int minuteRows = main_->ResultsWindow()->List(vrd::ListId::Leq1)->model()->rowCount();
    const QString decodedMaximum = Row(*main_->ResultsWindow(), vrd::ListId::Leq1, minuteRows - 1);

    // A cancelled dialog changes nothing.
    QVERIFY(!Open(main_->Menus().mnutxt, QString()));
    QCOMPARE(dialogs_->openCalls.size(), 2);
    QCOMPARE(dialogs_->openCalls[1].filter, QStringLiteral("encrypted Data (*.txt)|*.txt"));
    QCOMPARE(main_->State().OpenedFileName, before.OpenedFileName);
    QCOMPARE(main_->ResultsWindow()->windowTitle(), vrdPath_);
    QCOMPARE(main_->ResultsWindow()->List(vrd::ListId::Leq1)->model()->rowCount(), minuteRows);

    // The same report as plain text lists its maximum lines one character shorter.
    QVERIFY(Open(main_->Menus().mnutxt, txtPath_));
    QCOMPARE(main_->ResultsWindow()->windowTitle(), txtPath_);
    QCOMPARE(main_->State().DecodedReport, report_);
    QCOMPARE(Row(*main_->ResultsWindow(), vrd::ListId::Leq1, minuteRows - 1).size(),
             decodedMaximum.size() - 1);
    QCOMPARE(main_->Workspace()->subWindowList().size(), 1);
    QVERIFY(TakeWarning(*main_).isEmpty());
}

void TestOpenCommands::failuresWarnAndLeaveWhatTheyShould() {
    std::string badLevel = report_;
    badLevel.replace(badLevel.find("12/05/2011 - 00:03    Leq <  61"), 31,
                     "12/05/2011 - 00:03    Leq <  6x");
    const QString missing = files_.Path(QStringLiteral("gone.vrd"));
    const QString noTable = files_.Write(QStringLiteral("noise.vrd"), std::string(400, 'z'));
    const QString parse = files_.Write(QStringLiteral("bad level.txt"), badLevel);

    // Before any report: a file that cannot be read leaves "Save As" disabled.
    QVERIFY(Open(main_->Menus().mnuvrd, missing));
    QVERIFY(main_->isEnabled());
    QString warning = TakeWarning(*main_);
    QVERIFY2(warning.contains(missing) && warning.contains(QStringLiteral("No such file")),
             qPrintable(warning));
    QCOMPARE(main_->State().OpenedFileName, QFile::encodeName(missing).toStdString());
    QVERIFY(!main_->Menus().mnuSave->menuAction()->isEnabled());
    QCOMPARE(main_->ResultsWindow()->windowTitle(), missing);

    QVERIFY(Open(main_->Menus().mnuvrd, vrdPath_));
    QVERIFY(main_->Menus().mnuSave->menuAction()->isEnabled());

    // No code table: the lists cleared, the previous report kept, "Save As" as it was.
    QVERIFY(Open(main_->Menus().mnuvrd, noTable));
    QVERIFY(main_->isEnabled());
    warning = TakeWarning(*main_);
    QVERIFY2(warning.contains(noTable) && warning.contains(QStringLiteral("@")),
             qPrintable(warning));
    QCOMPARE(main_->State().DecodedReport, report_);
    for (const vrd::ListId list : vrd::kAllLists)
        QCOMPARE(main_->ResultsWindow()->List(list)->model()->rowCount(), 0);
    QVERIFY(main_->Menus().mnuSave->menuAction()->isEnabled());
    // The labels stay as they were: the parse never began. The caption names the open that
    // cleared the lists, as a new results window would.
    QCOMPARE(LabelText(*main_->ResultsWindow(), "Label_Name"), QStringLiteral("Site Test"));
    QCOMPARE(main_->ResultsWindow()->windowTitle(), noTable);
    // A file that cannot be read does the same.
    QVERIFY(Open(main_->Menus().mnuvrd, missing));
    TakeWarning(*main_);
    QCOMPARE(main_->ResultsWindow()->windowTitle(), missing);

    // A record whose level is not a number: the lists hold the report up to it.
    QVERIFY(Open(main_->Menus().mnutxt, parse));
    QVERIFY(main_->isEnabled());
    warning = TakeWarning(*main_);
    QVERIFY2(warning.contains(parse) && warning.contains(QStringLiteral("line 8")),
             qPrintable(warning));
    QCOMPARE(main_->State().DecodedReport, badLevel);
    QCOMPARE(main_->ResultsWindow()->List(vrd::ListId::Leq1)->model()->rowCount(), 6);
    QCOMPARE(Row(*main_->ResultsWindow(), vrd::ListId::Leq1, 5),
             QStringLiteral("12/05/2011 - 00:03    Leq <  6x dBA"));
    QCOMPARE(main_->ResultsWindow()->List(vrd::ListId::Leq5)->model()->rowCount(), 0);
    QVERIFY(main_->Menus().mnuSave->menuAction()->isEnabled());

    // A file that holds no report at all says so; the lists are those of a report without a
    // level record: the 5-minute summary's heading alone.
    const QString picture = files_.Write(QStringLiteral("picture.txt"),
                                         std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\n", 17));
    QVERIFY(Open(main_->Menus().mnutxt, picture));
    warning = TakeWarning(*main_);
    QVERIFY2(warning.contains(picture) &&
                 warning.contains(QStringLiteral("holds no report: none of its lines is a section "
                                                 "heading")),
             qPrintable(warning));
    QCOMPARE(main_->ResultsWindow()->List(vrd::ListId::Leq1)->model()->rowCount(), 0);
    QCOMPARE(main_->ResultsWindow()->List(vrd::ListId::Leq5)->model()->rowCount(), 3);
    QVERIFY(main_->Menus().mnuSave->menuAction()->isEnabled());
}

void TestOpenCommands::menusAreHeldDuringALoad() {
    dialogs_->openAnswers.append(vrdPath_);
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    main_->Menus().mnuvrd->trigger();
    QVERIFY(main_->IsLoading());
    QVERIFY(main_->isEnabled());
    QVERIFY(!main_->Menus().mnuOpen->menuAction()->isEnabled());
    QVERIFY(!main_->Menus().mnuSave->menuAction()->isEnabled());
    QVERIFY(!main_->Menus().mnuChart->isEnabled());
    QVERIFY(!main_->Menus().mnuAbout->isEnabled());
    // Nothing reaches a command meanwhile, whatever the route.
    main_->Menus().mnutxt->trigger();
    main_->OpenFile(txtPath_);
    QCOMPARE(dialogs_->openCalls.size(), 1);
    // The progress shows only for a load that outlasts a blink.
    QVERIFY(main_->Progress().Dialog() != nullptr);
    QVERIFY(!main_->Progress().Dialog()->isVisible());

    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.count(), 1);
    QVERIFY(main_->Progress().Dialog() == nullptr);
    QVERIFY(main_->Menus().mnuOpen->menuAction()->isEnabled());
    QVERIFY(main_->Menus().mnuAbout->isEnabled());
    QCOMPARE(main_->State().OpenedFileName, QFile::encodeName(vrdPath_).toStdString());
}

void TestOpenCommands::cancelledLoadKeepsNothingItRead() {
    QVERIFY(Open(main_->Menus().mnutxt, txtPath_));
    dialogs_->openAnswers.append(vrdPath_);
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    main_->Menus().mnuvrd->trigger();
    main_->Loader().Cancel();
    QVERIFY(ended.wait(10000));
    QVERIFY(TakeWarning(*main_).isEmpty());
    QCOMPARE(main_->State().OpenedFileName, QFile::encodeName(vrdPath_).toStdString());
    for (const vrd::ListId list : vrd::kAllLists)
        QCOMPARE(main_->ResultsWindow()->List(list)->model()->rowCount(), 0);
    QVERIFY(main_->Menus().mnuSave->menuAction()->isEnabled());
    QVERIFY(main_->Menus().mnuOpen->menuAction()->isEnabled());
}

void TestOpenCommands::closedResultsWindowComesBackForTheNextOpen() {
    QVERIFY(Open(main_->Menus().mnuvrd, vrdPath_));
    QPointer<QMdiSubWindow> first = main_->Workspace()->subWindowList().first();
    first->close();
    QTRY_VERIFY(first.isNull());
    QVERIFY(main_->ResultsWindow() == nullptr);
    QVERIFY(Open(main_->Menus().mnutxt, txtPath_));
    QVERIFY(main_->ResultsWindow() != nullptr);
    QCOMPARE(main_->ResultsWindow()->windowTitle(), txtPath_);
    QCOMPARE(main_->Workspace()->subWindowList().first()->pos(), QPoint(0, 0));
    QVERIFY(main_->ResultsWindow()->List(vrd::ListId::Leq1)->model()->rowCount() > 0);
}

void TestOpenCommands::chartShowsTheMinutesReadLast() {
    QVERIFY(Open(main_->Menus().mnuvrd, vrdPath_));
    main_->Menus().mnuChart->trigger();
    frmGraph* chart = main_->ChartWindow();
    QVERIFY(chart != nullptr);
    QCOMPARE(main_->Blocks().BlockGraphWindow, vrd::kFalse);
    // The last minute's line feed ends the store of minutes, so that minute is not charted.
    QCOMPARE(chart->Levels()->count(), 149);
    // Each hour, again after every two minutes below 60 dB (told apart by zero-width spaces).
    QStringList hours;
    for (QString label : chart->TimeAxis()->categoriesLabels())
        if (!hours.contains(label.remove(QChar(0x200B))))
            hours << label;
    QCOMPARE(hours, (QStringList{QStringLiteral("12/05/2011-00h"), QStringLiteral("12/05/2011-01h"),
                                 QStringLiteral("12/05/2011-02h")}));
    QVERIFY(chart->TimeAxis()->categoriesLabels().size() > 3);

    const QString dash = QStringLiteral(" \u2014 ");
    QCOMPARE(chart->TitleLine(), vrdPath_ % dash % QStringLiteral("Site Test") % dash %
                                     QStringLiteral("12/05/2011 00:00 to 12/05/2011 02:28"));

    const QString shorter = files_.Write(QStringLiteral("short.txt"), BuildReport(40, Loud));
    QVERIFY(Open(main_->Menus().mnutxt, shorter));
    QCOMPARE(chart->Levels()->count(), 149); // an open chart keeps what it showed
    main_->Menus().mnuChart->trigger();
    QCOMPARE(main_->ChartWindow(), chart);
    QCOMPARE(chart->Levels()->count(), 39);
    QVERIFY(chart->TitleLine().startsWith(shorter % dash));

    // An open that fails before its parse leaves the minutes, and the chart still names the file
    // they came from, in its title line and in the name it suggests.
    QVERIFY(Open(main_->Menus().mnuvrd, files_.Write(QStringLiteral("noise.vrd"), "zzz")));
    TakeWarning(*main_);
    main_->Menus().mnuChart->trigger();
    QCOMPARE(chart->Levels()->count(), 39);
    QVERIFY(chart->TitleLine().startsWith(shorter % dash % QStringLiteral("Site Test")));
    chart->SavePngAction()->trigger(); // cancelled
    QCOMPARE(dialogs_->saveCalls.last().preset, QStringLiteral("short.png"));
}

void TestOpenCommands::fileNamedAtStartUpOpensAfterTheStartScreen() {
    FakeFileDialogs dialogs;
    MDIFormMain main(dialogs, {100ms, txtPath_});
    QSignalSpy ended(&main, &MDIFormMain::loadEnded);
    main.MDIForm_Load();
    QVERIFY(!main.IsLoading());
    QVERIFY(ended.wait(10000));
    QCOMPARE(main.State().OpenedFileName, QFile::encodeName(txtPath_).toStdString());
    QCOMPARE(main.State().DecodedReport, report_);
    QVERIFY(dialogs.openCalls.isEmpty());
    // A save after it can suggest a name.
    QCOMPARE(main.Dialog().ReportFileName(), QStringLiteral("site day.txt"));
}

void TestOpenCommands::droppedFileOpens() {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(vrdPath_)});
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_.get(), &drop);
    QVERIFY(ended.wait(10000));
    QCOMPARE(main_->State().DecodedReport, report_);
    QCOMPARE(main_->ResultsWindow()->windowTitle(), vrdPath_);
}

VRD_GUI_TEST_MAIN(TestOpenCommands)
#include "tst_open_commands.moc"
