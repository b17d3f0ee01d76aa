#pragma once
// Reading, decoding and parsing a report off the GUI thread.
//
// A load runs on a thread of its own over its own state and lists; when it is done the main window
// takes over what it made in one go (ApplyLoad). The load never needs the report shown now nor its
// minute lines, so the caller keeps them instead of handing over a copy, and gets told whether the
// load replaced them.
//
// A cancel ends the load at once, whatever the worker is doing (a read from a device or a pipe
// may never come back): the worker is left to stop at its next progress step, and what it makes
// is dropped. The worker touches nothing but its own data, so neither a cancel nor the end of the
// program waits for it for long.

#include "report/declaration.h"
#include "report/open_report.h"
#include "report/report_lists.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>

// What a load starts from: the state as the open command left it before reading, and the lists
// the parse fills (empty, with the labels and caption shown now). The state's report and minute
// lines are not read: leave them empty.
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
    // Whether state.DecodedReport and state.MinuteLines hold what the load made of them; where
    // not, the caller's stay, and these are empty.
    bool reportReplaced = false;
    bool minutesReplaced = false;
};
using LoadedReportPtr = std::shared_ptr<LoadedReport>;

// Moves the state a load left into shown: all of it, but the report and the minute lines only
// where the load replaced them.
void ApplyLoad(vrd::Declaration& shown, LoadedReport& loaded);

class ReportLoader final : public QObject {
    Q_OBJECT

  public:
    // How often a running load tells how far it got, and how soon its end is seen.
    static constexpr std::chrono::milliseconds kProgressInterval{50};

    explicit ReportLoader(QObject* parent = nullptr);
    ~ReportLoader() override;

    // Starts a load of request.state.OpenedFileName; one load at a time.
    void Start(LoadRequest request);
    // Ends the running load: loadCancelled follows from the event loop, and nothing is handed
    // back. Does nothing when no load runs or its end is already on its way.
    void Cancel();
    // From Start until the signal that ends the load has been emitted.
    bool IsRunning() const;
    // Blocks until the worker of the last load has stopped, at most for limit; false when it has
    // not (it is stuck in a read). The signal that ends a load still comes from the event loop.
    bool WaitForWorker(std::chrono::milliseconds limit);

  signals:
    // Now and then during a long load, on the GUI thread.
    void progressed(qint64 done, qint64 total);
    // path is the opened file as the user chose it.
    void reportReady(const QString& path, const LoadedReportPtr& report);
    // The reason a person can read; partial holds what the failure table says stays.
    void loadFailed(const QString& path, const QString& reason, const LoadedReportPtr& partial);
    void loadCancelled(const QString& path);

  public:
    struct Job;

  private:
    void Poll();
    void Finish(const LoadedReportPtr& loaded);
    void EndCancelled();

    std::shared_ptr<Job> job_;        // the running load, null when none
    std::shared_ptr<Job> lastWorker_; // the worker started last, running or not
    QTimer pollTimer_;                // looks at the running load: its progress and its end
    QString path_;
    bool cancelling_ = false;
};

Q_DECLARE_METATYPE(LoadedReportPtr)
