#include "app/report_loader.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>
#include <utility>

// What the GUI thread and the worker of one load share.
struct ReportLoader::Job {
    std::atomic<bool> cancelled{false};
    std::atomic<std::uint64_t> done{0};
    std::atomic<std::uint64_t> total{0};

    std::mutex mutex;
    std::condition_variable ended;
    bool workerEnded = false; // guarded by mutex
    vrd::SharedReport result; // guarded by mutex: what the worker made, unless cancelled
};

namespace {

// The core reports each stage from 0 to its own total (the decoding in bytes of the file, the
// parse in bytes of the report); the progress runs once over all of them instead.
vrd::Progress JobProgress(ReportLoader::Job& job, vrd::ReportKind kind) {
    const std::uint64_t stages = kind == vrd::ReportKind::Encoded ? 2 : 1;
    return [&job, stages, stage = std::uint64_t{0},
            stageTotal = std::uint64_t{0}](std::uint64_t done, std::uint64_t total) mutable {
        if (total != stageTotal) {
            if (stageTotal != 0 && stage + 1 < stages)
                ++stage;
            stageTotal = total;
        }
        if (total > 0) {
            constexpr std::uint64_t kScale = 1U << 20;
            const std::uint64_t part = std::min(done, total) * kScale / total;
            job.done.store(stage * kScale + part, std::memory_order_relaxed);
            job.total.store(stages * kScale, std::memory_order_relaxed);
        }
        return !job.cancelled.load();
    };
}

// Runs on a thread of its own; the GUI thread takes the result when it next looks.
void Work(std::shared_ptr<ReportLoader::Job> job, LoadRequest request) {
    vrd::SharedReport loaded;
    // Nothing may leave the worker's thread: without even the memory for its result, the load
    // ends as a cancelled one, which keeps the report shown.
    try {
        loaded = std::make_shared<const vrd::OpenedReport>(vrd::FinishOpen(
            *request.began, *request.before, request.kind, true, JobProgress(*job, request.kind)));
    } catch (...) {
        loaded.reset();
    }
    // What the open began from is not kept alive by a worker that may outlast it.
    request.began.reset();
    request.before.reset();
    if (job->cancelled.load())
        loaded.reset(); // nobody takes it: freed now rather than kept until the next load
    {
        const std::lock_guard<std::mutex> lock(job->mutex);
        job->result = std::move(loaded);
        job->workerEnded = true;
    }
    job->ended.notify_all();
}

} // namespace

ReportLoader::ReportLoader(QObject* parent) : QObject(parent) {
    qRegisterMetaType<vrd::SharedReport>();
    pollTimer_.setInterval(kProgressInterval);
    connect(&pollTimer_, &QTimer::timeout, this, &ReportLoader::Poll);
}

ReportLoader::~ReportLoader() {
    if (job_)
        job_->cancelled.store(true);
    // Not needed for safety, the worker touching nothing of this object; it only keeps a stopping
    // worker from running on into the end of the program.
    WaitForWorker(std::chrono::seconds(2));
}

void ReportLoader::Start(LoadRequest request) {
    Q_ASSERT(!IsRunning());
    path_ = QFile::decodeName(QByteArray::fromStdString(request.began->state.OpenedFileName));
    job_ = std::make_shared<Job>();
    lastWorker_ = job_;
    // Detached: a read from a device or a pipe may never come back, and neither a cancel nor the
    // end of the program may wait for it.
    std::thread(Work, job_, std::move(request)).detach();
    pollTimer_.start();
}

void ReportLoader::Cancel() {
    if (!job_ || cancelling_)
        return;
    job_->cancelled.store(true);
    pollTimer_.stop();
    cancelling_ = true;
    QMetaObject::invokeMethod(this, &ReportLoader::EndCancelled, Qt::QueuedConnection);
}

bool ReportLoader::IsRunning() const {
    return job_ != nullptr;
}

bool ReportLoader::WaitForWorker(std::chrono::milliseconds limit) {
    if (!lastWorker_)
        return true;
    std::unique_lock<std::mutex> lock(lastWorker_->mutex);
    return lastWorker_->ended.wait_for(lock, limit, [this] { return lastWorker_->workerEnded; });
}

void ReportLoader::EndCancelled() {
    job_.reset();
    cancelling_ = false;
    // A copy: a receiver may start the next load, which changes path_.
    const QString path = path_;
    emit loadCancelled(path);
}

// Each tick either finds the worker ended and hands its result on, or tells how far it got.
void ReportLoader::Poll() {
    if (!job_)
        return;
    bool ended = false;
    vrd::SharedReport loaded;
    {
        const std::lock_guard<std::mutex> lock(job_->mutex);
        ended = job_->workerEnded;
        loaded = std::move(job_->result);
    }
    if (ended) {
        Finish(loaded);
        return;
    }
    const std::uint64_t total = job_->total.load(std::memory_order_relaxed);
    if (total > 0)
        emit progressed(static_cast<qint64>(job_->done.load(std::memory_order_relaxed)),
                        static_cast<qint64>(total));
}

void ReportLoader::Finish(const vrd::SharedReport& loaded) {
    pollTimer_.stop();
    job_.reset();
    // A copy: a receiver may start the next load, which changes path_.
    const QString path = path_;
    if (!loaded ||
        (loaded->outcome.failure && loaded->outcome.failure->stage == vrd::Stage::Cancelled)) {
        emit loadCancelled(path);
        return;
    }
    if (loaded->outcome.failure) {
        const std::string& reason = loaded->outcome.failure->reason;
        emit loadFailed(path,
                        QString::fromLatin1(reason.data(), static_cast<qsizetype>(reason.size())),
                        loaded);
        return;
    }
    emit reportReady(path, loaded);
}
