// The loader: the core's result, delivered through typed signals; a failure hands back what
// stays; a cancel hands back nothing.

#include "app/report_loader.h"
#include "gui_test_support.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

int Level(int minute) {
    return 50 + minute % 30;
}

LoadRequest RequestFor(const QString& path, vrd::ReportKind kind, vrd::Declaration state = {}) {
    LoadRequest request;
    vrd::BeginOpen(state, request.lists, QFile::encodeName(path).toStdString());
    request.state = std::move(state);
    request.kind = kind;
    return request;
}

} // namespace

class TestReportLoader final : public QObject {
    Q_OBJECT

  private slots:
    void deliversWhatTheCoreMakes();
    void failureHandsBackWhatStays();
    void cancelHandsBackNothing();

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
    QVERIFY(ready.wait(10000));
    QCOMPARE(failed.count(), 0);
    QCOMPARE(ready.at(0).at(0).toString(), path);

    const auto loaded = ready.at(0).at(1).value<LoadedReportPtr>();
    const CoreOpen core = OpenWithCore(path, vrd::ReportKind::Encoded);
    QVERIFY(loaded->outcome.reportLoaded);
    QCOMPARE(loaded->state.DecodedReport, core.state.DecodedReport);
    QCOMPARE(loaded->state.MinuteLines, core.state.MinuteLines);
    QCOMPARE(loaded->state.Running.Leq10, core.state.Running.Leq10);
    for (const vrd::ListId list : vrd::kAllLists)
        QCOMPARE(loaded->lists.RowCount(list), core.lists.RowCount(list));
}

void TestReportLoader::failureHandsBackWhatStays() {
    const QString path = files_.Path(QStringLiteral("none.vrd"));
    vrd::Declaration previous;
    previous.DecodedReport = "previous report\n";
    ReportLoader loader;
    QSignalSpy ready(&loader, &ReportLoader::reportReady);
    QSignalSpy failed(&loader, &ReportLoader::loadFailed);
    loader.Start(RequestFor(path, vrd::ReportKind::Encoded, previous));
    QVERIFY(failed.wait(10000));
    QCOMPARE(ready.count(), 0);
    QCOMPARE(failed.at(0).at(0).toString(), path);
    QVERIFY2(failed.at(0).at(1).toString().contains(QStringLiteral("No such file")),
             qPrintable(failed.at(0).at(1).toString()));

    // The new path, unblocked, no rows, and the previous report.
    const auto partial = failed.at(0).at(2).value<LoadedReportPtr>();
    QVERIFY(!partial->outcome.reportLoaded);
    QCOMPARE(partial->state.DecodedReport, previous.DecodedReport);
    QCOMPARE(partial->state.OpenedFileName, QFile::encodeName(path).toStdString());
    QCOMPARE(partial->state.BlockResultsWindow, vrd::kFalse);
    QCOMPARE(partial->lists.RowCount(vrd::ListId::Leq1), std::size_t{0});
}

void TestReportLoader::cancelHandsBackNothing() {
    const QString path = files_.Write(QStringLiteral("cancel.txt"), BuildReport(60, Level));
    ReportLoader loader;
    QSignalSpy ready(&loader, &ReportLoader::reportReady);
    QSignalSpy failed(&loader, &ReportLoader::loadFailed);
    QSignalSpy cancelled(&loader, &ReportLoader::loadCancelled);
    loader.Start(RequestFor(path, vrd::ReportKind::Plain));
    loader.Cancel();
    QVERIFY(cancelled.wait(10000));
    QCOMPARE(cancelled.at(0).at(0).toString(), path);
    QCOMPARE(ready.count() + failed.count(), 0);
    QVERIFY(!loader.IsRunning());
}

VRD_GUI_TEST_MAIN(TestReportLoader)
#include "tst_report_loader.moc"
