#pragma once
// Reading, decoding and parsing a report off the GUI thread.
//
// A load runs the open command on a thread of its own over the report shown now, which it only
// reads, and hands back the new report as one value that nobody changes after.
//
// A cancel ends the load at once, whatever the worker is doing (a read from a device or a pipe
// may never come back): the worker is left to stop at its next progress step, and what it makes
// is dropped. The worker changes nothing but its own data and reads only values that nobody
// changes, so neither a cancel nor the end of the program waits for it for long. (A worker held
// up in its read keeps the report it began over alive until the read ends.)

#include "report/opened_report.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>

// What a load starts from: the value the open began with (vrd::BeganOpen), and the report opened
// until now, which keeps what the load does not replace.
struct LoadRequest {
    vrd::SharedReport began;
    vrd::SharedReport before;
    vrd::ReportKind kind = vrd::ReportKind::Encoded;
};

class ReportLoader final : public QObject {
    Q_OBJECT

  public:
    // How often a running load tells how far it got, and how soon its end is seen.
    static constexpr std::chrono::milliseconds kProgressInterval{50};

    explicit ReportLoader(QObject* parent = nullptr);
    ~ReportLoader() override;

    // Starts a load of the file request.began names; one load at a time.
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
    void reportReady(const QString& path, const vrd::SharedReport& report);
    // The reason a person can read; partial holds what the failure table says stays.
    void loadFailed(const QString& path, const QString& reason, const vrd::SharedReport& partial);
    void loadCancelled(const QString& path);

  public:
    struct Job;

  private:
    void Poll();
    void Finish(const vrd::SharedReport& loaded);
    void EndCancelled();

    std::shared_ptr<Job> job_;        // the running load, null when none
    std::shared_ptr<Job> lastWorker_; // the worker started last, running or not
    QTimer pollTimer_;                // looks at the running load: its progress and its end
    QString path_;
    bool cancelling_ = false;
};

Q_DECLARE_METATYPE(vrd::SharedReport)
