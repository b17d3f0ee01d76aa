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
    LoadedReportPtr result;   // guarded by mutex: what the worker made, unless cancelled
};

namespace {

// A load that threw keeps nothing of what it made: the lists as they were seeded, and the
// caller's report and minute lines.
void FailWithoutReplacing(LoadedReport& loaded, vrd::ReportLists seed, std::string reason) {
    loaded.lists = std::move(seed);
    loaded.outcome = {};
    loaded.outcome.failure = vrd::Failure{vrd::Stage::Read, std::move(reason)};
    loaded.reportReplaced = false;
    loaded.minutesReplaced = false;
}

LoadedReportPtr RunLoad(LoadRequest& request, ReportLoader::Job& job) {
    auto loaded = std::make_shared<LoadedReport>();
    loaded->state = std::move(request.state);
    loaded->lists = request.lists;
    // The core reports each stage from 0 to its own total (the decoding in bytes of the file, the
    // parse in bytes of the report); the progress runs once over all of them instead.
    const std::uint64_t stages = request.kind == vrd::ReportKind::Encoded ? 2 : 1;
    std::uint64_t stage = 0;
    std::uint64_t stageTotal = 0;
    const vrd::Progress progress = [&job, &stage, &stageTotal, stages](std::uint64_t done,
                                                                       std::uint64_t total) {
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
    // Nothing may leave the worker's thread but its result.
    try {
        loaded->outcome = vrd::LoadAndParse(loaded->state, loaded->lists, request.kind, progress);
        loaded->reportReplaced = loaded->outcome.reportReplaced;
        loaded->minutesReplaced = loaded->outcome.reportLoaded;
    } catch (const std::bad_alloc&) {
        FailWithoutReplacing(*loaded, std::move(request.lists),
                             "there is not enough memory to read it");
    } catch (const std::exception& error) {
        FailWithoutReplacing(*loaded, std::move(request.lists), error.what());
    } catch (...) {
        FailWithoutReplacing(*loaded, std::move(request.lists), "an unexpected error");
    }
    if (!loaded->reportReplaced)
        std::string().swap(loaded->state.DecodedReport);
    if (!loaded->minutesReplaced)
        std::string().swap(loaded->state.MinuteLines);
    return loaded;
}

// Runs on a thread of its own; the GUI thread takes the result when it next looks.
void Work(std::shared_ptr<ReportLoader::Job> job, LoadRequest request) {
    LoadedReportPtr loaded = RunLoad(request, *job);
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

void ApplyLoad(vrd::Declaration& shown, LoadedReport& loaded) {
    std::string report =
        std::move(loaded.reportReplaced ? loaded.state.DecodedReport : shown.DecodedReport);
    std::string minutes =
        std::move(loaded.minutesReplaced ? loaded.state.MinuteLines : shown.MinuteLines);
    shown = std::move(loaded.state);
    shown.DecodedReport = std::move(report);
    shown.MinuteLines = std::move(minutes);
}

ReportLoader::ReportLoader(QObject* parent) : QObject(parent) {
    qRegisterMetaType<LoadedReportPtr>();
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
    path_ = QFile::decodeName(QByteArray::fromStdString(request.state.OpenedFileName));
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
    LoadedReportPtr loaded;
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

void ReportLoader::Finish(const LoadedReportPtr& loaded) {
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
