// Files opened one right after another, good and bad, and commands that come while a load runs:
// whatever the order, the program ends enabled, with the menus a report allows, and with the
// lists, labels, caption and report of exactly one file, as the core leaves them after the same
// opens in the same order. A load held up in its read (a named pipe nobody writes to yet) shows
// that nothing else starts meanwhile, that a cancel ends it at once and that its result never
// lands later.

#include "app/load_progress.h"
#include "app/mdi_form_main.h"
#include "tests/gui/gui_test_support.h"
#include "views/results/frm_array.h"

#include <QDropEvent>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace std::chrono_literals;

namespace {

int Quiet(int minute) {
    return 40 + minute % 15;
}

int Loud(int minute) {
    return 70 + minute % 25;
}

std::string WithSite(std::string report, const std::string& site) {
    return report.replace(0, std::string("Site Test").size(), site);
}

vrd::ReportKind KindOf(const QString& path) {
    return path.endsWith(QStringLiteral(".vrd")) ? vrd::ReportKind::Encoded
                                                 : vrd::ReportKind::Plain;
}

// The core making the same opens in the same order: where the program's state must end up.
struct Reference {
    vrd::Declaration state;
    vrd::ReportLists lists;
    bool reportRead = false;
    bool windowLoaded = false;
    QStringList failed;

    void Open(const QString& path) {
        const std::string name = QFile::encodeName(path).toStdString();
        vrd::BeginOpen(state, lists, name);
        // The first open loads the results window, which takes the path as its caption.
        if (!windowLoaded)
            lists.SetCaption(name);
        windowLoaded = true;
        const vrd::OpenOutcome outcome = vrd::LoadAndParse(state, lists, KindOf(path));
        reportRead = reportRead || outcome.reportLoaded;
        if (outcome.failure)
            failed.append(path);
    }
};

QString Row(const frmArray& window, vrd::ListId list, int row) {
    const QAbstractItemModel* model = window.List(list)->model();
    return model->data(model->index(row, 0)).toString();
}

// The warnings the window shows, which are then closed.
QStringList TakeWarnings(QWidget& window) {
    QStringList texts;
    for (QString text = TakeWarning(window); !text.isEmpty(); text = TakeWarning(window))
        texts.append(text);
    return texts;
}

} // namespace

class TestQuickSuccession final : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensBackToBackEndAsTheCoreLeavesThem_data();
    void opensBackToBackEndAsTheCoreLeavesThem();
    void commandsDuringALoadAreRefused();
    void cancelledLoadNeverLandsLater();
    void closingDuringAHeldUpLoadDoesNotWait();

  private:
    QAction* OpenCommand(const QString& path) const;
    // Every command that could interleave with a load, each of which must be refused.
    void TryEverything(const QString& path);
    void VerifyEndState(const Reference& expected);

    TestFiles files_;
    QMap<QString, QString> paths_;
    std::unique_ptr<FakeFileDialogs> dialogs_;
    std::unique_ptr<MDIFormMain> main_;
};

void TestQuickSuccession::initTestCase() {
    const std::string good = BuildReport(150, Quiet);
    std::string badWord = EncodeReport(WithSite(BuildReport(200, Loud), "Site Word"));
    badWord.insert(badWord.size() / 2, std::string(300, '0'));
    std::string badLevel = WithSite(BuildReport(80, Loud), "Site Level");
    badLevel.replace(badLevel.find("Leq <  75"), 9, "Leq <  7x");

    paths_[QStringLiteral("good")] = files_.Write(QStringLiteral("good.vrd"), EncodeReport(good));
    paths_[QStringLiteral("other")] =
        files_.Write(QStringLiteral("other.txt"), WithSite(BuildReport(90, Loud), "Site Other"));
    // Big enough that its load lasts a while even on a fast machine.
    paths_[QStringLiteral("big")] = files_.Write(
        QStringLiteral("big.vrd"), EncodeReport(WithSite(BuildReport(20000, Loud), "Site Big")));
    paths_[QStringLiteral("noTable")] =
        files_.Write(QStringLiteral("no table.vrd"), std::string(400, 'z'));
    paths_[QStringLiteral("missing")] = files_.Path(QStringLiteral("missing.vrd"));
    paths_[QStringLiteral("badWord")] = files_.Write(QStringLiteral("bad word.vrd"), badWord);
    paths_[QStringLiteral("badLevel")] = files_.Write(QStringLiteral("bad level.txt"), badLevel);
    paths_[QStringLiteral("pipe")] = files_.MakePipe(QStringLiteral("pipe.txt"));
}

void TestQuickSuccession::init() {
    dialogs_ = std::make_unique<FakeFileDialogs>();
    main_ = std::make_unique<MDIFormMain>(*dialogs_, StartUpOptions{0ms, {}});
    QSignalSpy started(main_.get(), &MDIFormMain::startUpFinished);
    main_->MDIForm_Load();
    QVERIFY(started.wait(5000));
}

void TestQuickSuccession::cleanup() {
    main_.reset();
    dialogs_.reset();
}

QAction* TestQuickSuccession::OpenCommand(const QString& path) const {
    return KindOf(path) == vrd::ReportKind::Encoded ? main_->Menus().mnuvrd : main_->Menus().mnutxt;
}

void TestQuickSuccession::TryEverything(const QString& path) {
    const qsizetype openCalls = dialogs_->openCalls.size();
    dialogs_->openAnswers.prepend(path);
    main_->Menus().mnuvrd->trigger();
    main_->Menus().mnutxt->trigger();
    main_->Menus().csvfile->trigger();
    main_->Menus().txtfile->trigger();
    main_->Menus().mnuChart->trigger();
    main_->Menus().mnuAbout->trigger();
    main_->OpenFile(path);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_.get(), &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_.get(), &drop);

    // No dialog was asked, and nothing opened.
    QCOMPARE(dialogs_->openCalls.size(), openCalls);
    QVERIFY(dialogs_->saveCalls.isEmpty());
    QVERIFY(main_->AboutWindow() == nullptr);
    QVERIFY(main_->ChartWindow() == nullptr);
    QVERIFY(main_->isEnabled());
    dialogs_->openAnswers.removeFirst();
}

void TestQuickSuccession::VerifyEndState(const Reference& expected) {
    QVERIFY(!main_->IsLoading());
    QVERIFY(main_->isEnabled());
    QVERIFY(main_->Progress().Dialog() == nullptr);
    const MainMenus& menus = main_->Menus();
    QVERIFY(menus.mnuOpen->menuAction()->isEnabled());
    QVERIFY(menus.mnuAbout->isEnabled());
    QCOMPARE(menus.mnuSave->menuAction()->isEnabled(), expected.reportRead);
    QCOMPARE(menus.mnuChart->isEnabled(), expected.reportRead);

    const vrd::Declaration& state = main_->State();
    QCOMPARE(state.OpenedFileName, expected.state.OpenedFileName);
    QCOMPARE(state.DecodedReport, expected.state.DecodedReport);
    QCOMPARE(state.MinuteLines, expected.state.MinuteLines);

    const frmArray* results = main_->ResultsWindow();
    QVERIFY(results != nullptr);
    QCOMPARE(results->windowTitle(),
             QFile::decodeName(QByteArray::fromStdString(expected.lists.Caption())));
    QCOMPARE(results->Rows().Label(vrd::LabelId::Name),
             Latin1(expected.lists.Label(vrd::LabelId::Name)));
    QCOMPARE(results->Rows().Label(vrd::LabelId::Serial),
             Latin1(expected.lists.Label(vrd::LabelId::Serial)));
    for (const vrd::ListId list : vrd::kAllLists) {
        const int rows = static_cast<int>(expected.lists.RowCount(list));
        QCOMPARE(results->List(list)->model()->rowCount(), rows);
        for (int row = 0; row < rows; ++row)
            QCOMPARE(Row(*results, list, row),
                     Latin1(std::string(expected.lists.Row(expected.state.DecodedReport, list,
                                                           static_cast<std::size_t>(row)))));
    }

    // One warning for each failed open, naming its file, and none for anything else.
    const QStringList warnings = TakeWarnings(*main_);
    QCOMPARE(warnings.size(), expected.failed.size());
    for (const QString& path : expected.failed)
        QVERIFY2(std::any_of(warnings.begin(), warnings.end(),
                             [&](const QString& text) { return text.contains(path); }),
                 qPrintable(path));
}

void TestQuickSuccession::opensBackToBackEndAsTheCoreLeavesThem_data() {
    QTest::addColumn<QStringList>("files");
    const auto files = [](std::initializer_list<const char*> names) {
        QStringList list;
        for (const char* name : names)
            list.append(QLatin1String(name));
        return list;
    };
    QTest::newRow("good, then failures") << files({"good", "noTable", "missing"});
    QTest::newRow("failures, then good") << files({"missing", "noTable", "badWord", "other"});
    QTest::newRow("big, then a bad code word") << files({"good", "big", "badWord"});
    QTest::newRow("a bad level last") << files({"big", "other", "badLevel"});
    QTest::newRow("good files only") << files({"other", "good", "big", "other", "good"});
    QTest::newRow("the same bad file twice") << files({"badLevel", "badLevel"});
}

// Each open starts the moment the one before has ended, from within its end, and every other
// command is tried while each load runs.
void TestQuickSuccession::opensBackToBackEndAsTheCoreLeavesThem() {
    QFETCH(QStringList, files);
    Reference expected;
    qsizetype next = 0;
    const auto openNext = [&] {
        if (next == files.size())
            return;
        const QString path = paths_.value(files.at(next++));
        expected.Open(path);
        dialogs_->openAnswers.append(path);
        OpenCommand(path)->trigger();
        QVERIFY(main_->IsLoading());
        TryEverything(paths_.value(QStringLiteral("other")));
    };
    connect(main_.get(), &MDIFormMain::loadEnded, this, openNext);
    openNext();
    QTRY_VERIFY_WITH_TIMEOUT(next == files.size() && !main_->IsLoading(), 30000);
    QCOMPARE(dialogs_->openCalls.size(), files.size());
    VerifyEndState(expected);
}

void TestQuickSuccession::commandsDuringALoadAreRefused() {
    const QString pipe = paths_.value(QStringLiteral("pipe"));
    dialogs_->openAnswers.append(pipe);
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    main_->Menus().mnutxt->trigger();
    QVERIFY(main_->IsLoading());
    // The progress shows once the load outlasts a blink, and the load goes on meanwhile.
    QTRY_VERIFY(main_->Progress().Dialog() != nullptr && main_->Progress().Dialog()->isVisible());
    TryEverything(paths_.value(QStringLiteral("good")));
    QVERIFY(main_->IsLoading());
    QCOMPARE(ended.count(), 0);

    const std::string report = WithSite(BuildReport(70, Quiet), "Site Pipe");
    QVERIFY(FeedPipe(pipe, report));
    QVERIFY(ended.wait(10000));
    Reference expected;
    expected.Open(files_.Write(QStringLiteral("pipe copy.txt"), report));
    expected.state.OpenedFileName = QFile::encodeName(pipe).toStdString();
    expected.lists.SetCaption(expected.state.OpenedFileName);
    VerifyEndState(expected);
}

void TestQuickSuccession::cancelledLoadNeverLandsLater() {
    const QString good = paths_.value(QStringLiteral("good"));
    const QString pipe = paths_.value(QStringLiteral("pipe"));
    const QString other = paths_.value(QStringLiteral("other"));
    Reference expected;
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    dialogs_->openAnswers = {good, pipe};
    main_->Menus().mnuvrd->trigger();
    QVERIFY(ended.wait(10000));
    expected.Open(good);

    // The user cancels a load stuck in its read: it ends at once and keeps nothing it read.
    main_->Menus().mnutxt->trigger();
    QTRY_VERIFY(main_->Progress().Dialog() != nullptr && main_->Progress().Dialog()->isVisible());
    auto* cancel = main_->Progress().Dialog()->findChild<QPushButton*>();
    QVERIFY(cancel != nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(ended.wait(2000));
    vrd::BeginOpen(expected.state, expected.lists, QFile::encodeName(pipe).toStdString());
    VerifyEndState(expected);

    // The next file opens while the cancelled read is still held up.
    dialogs_->openAnswers = {other};
    main_->Menus().mnutxt->trigger();
    QVERIFY(ended.wait(10000));
    expected.Open(other);
    VerifyEndState(expected);

    // Once the held-up read gets its text, the cancelled load finishes unseen.
    QVERIFY(FeedPipe(pipe, WithSite(BuildReport(300, Loud), "Site Late")));
    QTest::qWait(200);
    VerifyEndState(expected);
    QCOMPARE(ended.count(), 3);
}

void TestQuickSuccession::closingDuringAHeldUpLoadDoesNotWait() {
    const QString pipe = paths_.value(QStringLiteral("pipe"));
    dialogs_->openAnswers.append(pipe);
    QSignalSpy ended(main_.get(), &MDIFormMain::loadEnded);
    main_->Menus().mnutxt->trigger();
    QVERIFY(main_->IsLoading());
    main_->show();
    // A close that waited for the read would never return.
    QVERIFY(main_->close());
    QVERIFY(ended.wait(2000));
    QVERIFY(!main_->IsLoading());
    QVERIFY(FeedPipe(pipe, std::string()));
}

VRD_GUI_TEST_MAIN(TestQuickSuccession)
#include "tst_quick_succession.moc"
