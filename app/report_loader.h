#pragma once
// Reading, decoding and parsing a report off the GUI thread.
//
// The loader works on its own copy of the shared state and on its own lists; when it is done the
// main window takes both over in one go. A cancelled load hands nothing back.

#include "report/declaration.h"
#include "report/open_report.h"
#include "report/report_lists.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

// What a load starts from: the state as the open command left it before reading, and the lists
// the parse fills (empty, with the labels and caption shown now).
struct LoadRequest {
    vrd::Declaration state;
    vrd::ReportLists lists;
    vrd::ReportKind kind = vrd::ReportKind::Encoded;
};

// What a load hands back, on success or failure alike: the state and lists as far as it got.
struct LoadedReport {
    vrd::Declaration state;
    vrd::ReportLists lists;
    vrd::OpenOutcome outcome;
};
using LoadedReportPtr = std::shared_ptr<LoadedReport>;

class ReportLoader final : public QObject {
    Q_OBJECT

  public:
    explicit ReportLoader(QObject* parent = nullptr);
    ~ReportLoader() override;

    // Starts a load of request.state.OpenedFileName; one load at a time.
    void Start(LoadRequest request);
    // Asks the running load to stop; it then ends with loadCancelled and hands nothing back.
    void Cancel();
    bool IsRunning() const;
    // Blocks until the running load has ended; its signal follows from the event loop.
    void WaitForEnd();

  signals:
    // Emitted from the worker thread now and then during a long load.
    void progressed(qint64 done, qint64 total);
    // path is the opened file as the user chose it.
    void reportReady(const QString& path, const LoadedReportPtr& report);
    // The reason a person can read; partial holds what the failure table says stays.
    void loadFailed(const QString& path, const QString& reason, const LoadedReportPtr& partial);
    void loadCancelled(const QString& path);

  private:
    void Finish();

    QFutureWatcher<LoadedReportPtr> watcher_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    QString path_;
};

Q_DECLARE_METATYPE(LoadedReportPtr)
