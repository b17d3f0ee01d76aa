// The loader: the core's result, delivered through typed signals; over the report shown, it leaves
// exactly what the core leaves when it opens over that state; a cancel hands back nothing and ends
// at once, even when the worker is stuck.

#include "app/report_loader.h"
#include "tests/gui/gui_test_support.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {

int Level(int minute) {
    return 50 + minute % 30;
}

// What the open command hands the loader: the open begun over the report shown.
LoadRequest RequestFor(const QString& path, vrd::ReportKind kind, vrd::SharedReport shown = {}) {
    if (!shown)
        shown = std::make_shared<const vrd::OpenedReport>();
    LoadRequest request;
    request.began = std::make_shared<const vrd::OpenedReport>(
        vrd::BeganOpen(*shown, shown->window, QFile::encodeName(path).toStdString()));
    request.before = std::move(shown);
    request.kind = kind;
    return request;
}

// Waits for the signal that ends the load; the loaded report, or null after a cancel.
vrd::SharedReport Await(ReportLoader& loader) {
    QSignalSpy ready(&loader, &ReportLoader::reportReady);
    QSignalSpy failed(&loader, &ReportLoader::loadFailed);
    QSignalSpy cancelled(&loader, &ReportLoader::loadCancelled);
    if (!QTest::qWaitFor([&] { return ready.count() + failed.count() + cancelled.count() > 0; },
                         10000))
        return nullptr;
    if (ready.count() > 0)
        return ready.at(0).at(1).value<vrd::SharedReport>();
    if (failed.count() > 0)
        return failed.at(0).at(2).value<vrd::SharedReport>();
    return nullptr;
}

} // namespace

class TestReportLoader final : public QObject {
    Q_OBJECT

  private slots:
    void deliversWhatTheCoreMakes();
    void appliedLoadLeavesWhatTheCoreLeaves_data();
    void appliedLoadLeavesWhatTheCoreLeaves();
    void cancelHandsBackNothing();
    void cancelEndsALoadStuckInARead();

  private:
    TestFiles files_;
};

void TestReportLoader::deliversWhatTheCoreMakes() {
    const QString path =
        files_.Write(QStringLiteral("a.vrd"), EncodeReport(BuildReport(240, Level)));
    ReportLoader loader;
    QSignalSpy ready(&loader, &ReportLoader::reportReady);
    QSignalSpy failed(&loader, &ReportLoader::loadFailed);
    loader.Start(RequestFor(path, vrd::ReportKind::Encoded));
    QVERIFY(loader.IsRunning());
    QVERIFY(ready.wait(10000));
    QCOMPARE(failed.count(), 0);
    QCOMPARE(ready.at(0).at(0).toString(), path);
    QVERIFY(!loader.IsRunning());

    const auto loaded = ready.at(0).at(1).value<vrd::SharedReport>();
    const CoreOpen core = OpenWithCore(path, vrd::ReportKind::Encoded);
    QVERIFY(loaded->outcome.reportLoaded);
    QVERIFY(loaded->outcome.reportReplaced);
    QCOMPARE(loaded->state.DecodedReport, core.state.DecodedReport);
    QCOMPARE(loaded->state.MinuteLines, core.state.MinuteLines);
    QCOMPARE(loaded->state.Running.Leq10, core.state.Running.Leq10);
    for (const vrd::ListId list : vrd::kAllLists)
        QCOMPARE(loaded->window.RowCount(list), core.lists.RowCount(list));
}

void TestReportLoader::appliedLoadLeavesWhatTheCoreLeaves_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("encoded");
    QTest::addColumn<bool>("reportReplaced");
    QTest::addColumn<bool>("minutesReplaced");

    const std::string report = BuildReport(120, Level);
    std::string badWord = EncodeReport(report);
    // A word longer than the table, a third of the way into the body.
    badWord.insert(badWord.size() / 3, std::string(300, '0'));
    std::string badLevel = report;
    badLevel.replace(badLevel.find("Leq <  52"), 9, "Leq <  5x");

    QTest::newRow("good .vrd") << files_.Write(QStringLiteral("good.vrd"), EncodeReport(report))
                               << true << true << true;
    QTest::newRow("good .txt") << files_.Write(QStringLiteral("good.txt"), report) << false << true
                               << true;
    QTest::newRow("missing") << files_.Path(QStringLiteral("missing.vrd")) << true << false
                             << false;
    QTest::newRow("folder") << files_.Path(QString()) << false << false << false;
    QTest::newRow("no code table")
        << files_.Write(QStringLiteral("no table.vrd"), std::string(500, 'x')) << true << false
        << false;
    // The text decoded before the bad word replaces the report; the parse never starts.
    QTest::newRow("bad code word")
        << files_.Write(QStringLiteral("bad word.vrd"), badWord) << true << true << false;
    QTest::newRow("bad level") << files_.Write(QStringLiteral("bad level.txt"), badLevel) << false
                               << true << true;
    QTest::newRow("empty .txt") << files_.Write(QStringLiteral("empty.txt"), std::string()) << false
                                << true << true;
}

void TestReportLoader::appliedLoadLeavesWhatTheCoreLeaves() {
    QFETCH(QString, path);
    QFETCH(bool, encoded);
    QFETCH(bool, reportReplaced);
    QFETCH(bool, minutesReplaced);
    const vrd::ReportKind kind = encoded ? vrd::ReportKind::Encoded : vrd::ReportKind::Plain;

    // The state after an earlier open of another report, with minutes of its own.
    const QString earlier =
        files_.Write(QStringLiteral("earlier.txt"), BuildReport(30, [](int) { return 77; }));
    const CoreOpen before = OpenWithCore(earlier, vrd::ReportKind::Plain);
    const vrd::Declaration& shownBefore = before.state;
    QVERIFY(!shownBefore.MinuteLines.empty());

    // What the core leaves when it opens path over that state by itself.
    vrd::Declaration expected = shownBefore;
    vrd::ReportLists expectedLists = before.lists;
    vrd::BeginOpen(expected, expectedLists, QFile::encodeName(path).toStdString());
    const vrd::OpenOutcome outcome = vrd::LoadAndParse(expected, expectedLists, kind);

    // The open command begins the open over the report shown and hands the loader the rest.
    ReportLoader loader;
    loader.Start(RequestFor(path, kind, Shared(before)));
    const vrd::SharedReport loaded = Await(loader);
    QVERIFY(loaded != nullptr);
    QCOMPARE(loaded->outcome.reportLoaded, outcome.reportLoaded);
    QCOMPARE(loaded->outcome.failure.has_value(), outcome.failure.has_value());
    QCOMPARE(loaded->outcome.reportReplaced, reportReplaced);
    QCOMPARE(loaded->state.MinuteLines != shownBefore.MinuteLines, minutesReplaced);

    const vrd::Declaration& shown = loaded->state;
    QCOMPARE(shown.DecodedReport, expected.DecodedReport);
    QCOMPARE(shown.MinuteLines, expected.MinuteLines);
    QCOMPARE(shown.OpenedFileName, expected.OpenedFileName);
    QCOMPARE(shown.Running.Leq5, expected.Running.Leq5);
    QCOMPARE(shown.Running.Leq10, expected.Running.Leq10);
    for (const vrd::LabelId label : {vrd::LabelId::Name, vrd::LabelId::Serial})
        QCOMPARE(loaded->window.Label(label), expectedLists.Label(label));
    QCOMPARE(loaded->window.Caption(), expectedLists.Caption());
    for (const vrd::ListId list : vrd::kAllLists) {
        QCOMPARE(loaded->window.RowCount(list), expectedLists.RowCount(list));
        for (std::size_t row = 0; row < expectedLists.RowCount(list); ++row)
            QCOMPARE(loaded->window.Row(shown.DecodedReport, list, row),
                     expectedLists.Row(expected.DecodedReport, list, row));
    }
}

void TestReportLoader::cancelHandsBackNothing() {
    const QString path = files_.Write(QStringLiteral("cancel.txt"), BuildReport(60, Level));
    ReportLoader loader;
    QSignalSpy ready(&loader, &ReportLoader::reportReady);
    QSignalSpy failed(&loader, &ReportLoader::loadFailed);
    QSignalSpy cancelled(&loader, &ReportLoader::loadCancelled);
    loader.Start(RequestFor(path, vrd::ReportKind::Plain));
    loader.Cancel();
    // The load runs until its end has been signalled; a second cancel changes nothing.
    QVERIFY(loader.IsRunning());
    loader.Cancel();
    QVERIFY(cancelled.wait(10000));
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(cancelled.at(0).at(0).toString(), path);
    QVERIFY(!loader.IsRunning());
    QVERIFY(loader.WaitForWorker(10s));
    QTest::qWait(20);
    QCOMPARE(ready.count() + failed.count() + cancelled.count(), 1);
}

// A pipe without a writer keeps the worker in its read; a cancel must not wait for it, and the
// next load must not either.
void TestReportLoader::cancelEndsALoadStuckInARead() {
    const QString fifo = files_.Path(QStringLiteral("stuck.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ReportLoader loader;
    QSignalSpy cancelled(&loader, &ReportLoader::loadCancelled);
    loader.Start(RequestFor(fifo, vrd::ReportKind::Plain));
    QVERIFY(!loader.WaitForWorker(50ms));
    loader.Cancel();
    QVERIFY(cancelled.wait(1000));
    QVERIFY(!loader.IsRunning());
    QVERIFY(!loader.WaitForWorker(0ms));

    const QString good = files_.Write(QStringLiteral("next.txt"), BuildReport(45, Level));
    loader.Start(RequestFor(good, vrd::ReportKind::Plain));
    const vrd::SharedReport next = Await(loader);
    QVERIFY(next != nullptr);
    QCOMPARE(next->state.DecodedReport, BuildReport(45, Level));

    // A writer that closes at once lets the stuck read end; its result goes nowhere.
    QFile writer(fifo);
    QVERIFY(writer.open(QIODevice::WriteOnly));
    writer.close();
    QSignalSpy ready(&loader, &ReportLoader::reportReady);
    QTest::qWait(50);
    QCOMPARE(ready.count(), 0);
    QCOMPARE(cancelled.count(), 1);
}

VRD_GUI_TEST_MAIN(TestReportLoader)
#include "tst_report_loader.moc"
