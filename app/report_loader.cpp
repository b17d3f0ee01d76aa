#include "app/report_loader.h"

#include <QFile>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace {

LoadedReportPtr RunLoad(LoadRequest request, const std::shared_ptr<std::atomic<bool>>& cancelled,
                        ReportLoader* loader) {
    auto loaded = std::make_shared<LoadedReport>();
    loaded->state = std::move(request.state);
    loaded->lists = std::move(request.lists);
    const vrd::Progress progress = [cancelled, loader](std::uint64_t done, std::uint64_t total) {
        // Emitted from the worker; receivers on the GUI thread get it queued.
        emit loader->progressed(static_cast<qint64>(done), static_cast<qint64>(total));
        return !cancelled->load();
    };
    loaded->outcome = vrd::LoadAndParse(loaded->state, loaded->lists, request.kind, progress);
    return loaded;
}

} // namespace

ReportLoader::ReportLoader(QObject* parent) : QObject(parent) {
    qRegisterMetaType<LoadedReportPtr>();
    connect(&watcher_, &QFutureWatcher<LoadedReportPtr>::finished, this, &ReportLoader::Finish);
}

ReportLoader::~ReportLoader() {
    Cancel();
    WaitForEnd();
}

void ReportLoader::Start(LoadRequest request) {
    Q_ASSERT(!IsRunning());
    path_ = QFile::decodeName(QByteArray::fromStdString(request.state.OpenedFileName));
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    watcher_.setFuture(QtConcurrent::run(RunLoad, std::move(request), cancelled_, this));
}

void ReportLoader::Cancel() {
    if (cancelled_)
        cancelled_->store(true);
}

bool ReportLoader::IsRunning() const {
    return watcher_.isRunning();
}

void ReportLoader::WaitForEnd() {
    watcher_.waitForFinished();
}

void ReportLoader::Finish() {
    // A cancel that came too late to stop the work still discards its result.
    if (cancelled_->load()) {
        emit loadCancelled(path_);
        return;
    }
    LoadedReportPtr loaded = watcher_.result();
    if (loaded->outcome.failure) {
        const std::string& reason = loaded->outcome.failure->reason;
        emit loadFailed(path_,
                        QString::fromLatin1(reason.data(), static_cast<qsizetype>(reason.size())),
                        loaded);
        return;
    }
    emit reportReady(path_, loaded);
}
