#include "views/analysis/window/recovery_copy.h"

#include "export/safe_write.h"
#include "options/analysis_file.h"
#include "report/read_file.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/common/analysis_widgets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

QString Suffixed(const QString& base, const char* suffix) {
    return base + QLatin1String(suffix);
}

} // namespace

QString RecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

RecoveryCopy::RecoveryCopy(const AnalysisSession& session, AnalysisFileState& state,
                           QObject* parent)
    : QObject(parent), session_(session), state_(state) {
    base_ = RecoveryFolder() + QStringLiteral("/analysis-") +
            QUuid::createUuid().toString(QUuid::WithoutBraces);
    timer_.setSingleShot(true);
    timer_.setInterval(kDelay);
    connect(&timer_, &QTimer::timeout, this, &RecoveryCopy::WriteNow);
    // After the file state, which judges whether the change leaves something unsaved.
    for (const auto signal : {&AnalysisSession::seriesChanged, &AnalysisSession::resultChanged,
                              &AnalysisSession::marksChanged, &AnalysisSession::assessmentChanged})
        connect(&session_, signal, this, &RecoveryCopy::Follow);
    connect(&state_, &AnalysisFileState::stateChanged, this, &RecoveryCopy::Follow);
}

RecoveryCopy::~RecoveryCopy() {
    Remove();
}

void RecoveryCopy::SetDelay(std::chrono::milliseconds delay) {
    timer_.setInterval(delay);
}

QString RecoveryCopy::Path() const {
    return Suffixed(base_, ".vrda");
}

// The first change after a copy starts the wait; the changes during it do not put it off, so
// that an hour of steady marking is copied every delay.
void RecoveryCopy::Follow() {
    if (!state_.IsModified()) {
        timer_.stop();
        Remove();
        return;
    }
    if (!timer_.isActive())
        timer_.start();
}

bool RecoveryCopy::WriteNow() {
    timer_.stop();
    if (!state_.IsModified())
        return true;
    if (!lock_) {
        if (!QDir().mkpath(RecoveryFolder()))
            return false;
        lock_ = std::make_unique<QLockFile>(Suffixed(base_, ".lock"));
        lock_->setStaleLockTime(0);
        if (!lock_->tryLock(0)) {
            lock_.reset();
            return false;
        }
    }
    const std::string copy = LocalPath(Path());
    const vrd::AnalysisFileBytes bytes = vrd::FormatAnalysisFile(state_.Document(), copy);
    if (bytes.error)
        return false;
    const QString analysis =
        state_.Path().isEmpty() ? QString() : QFileInfo(state_.Path()).absoluteFilePath();
    const QByteArray analysisBytes = analysis.toUtf8();
    // The name first: a copy is never without the analysis it belongs to.
    if (vrd::WriteFileSafely(LocalPath(Suffixed(base_, ".path")), analysisBytes.toStdString()) ||
        vrd::WriteFileSafely(copy, bytes.bytes))
        return false;
    kept_ = true;
    return true;
}

void RecoveryCopy::Remove() {
    if (kept_) {
        QFile::remove(Path());
        QFile::remove(Suffixed(base_, ".path"));
        kept_ = false;
    }
    lock_.reset();
}

std::vector<KeptRecovery> KeptRecoveries() {
    std::vector<KeptRecovery> found;
    const QDir folder(RecoveryFolder());
    for (const QFileInfo& copy :
         folder.entryInfoList({QStringLiteral("*.vrda")}, QDir::Files, QDir::Time)) {
        const QString base = copy.path() + QLatin1Char('/') + copy.completeBaseName();
        QLockFile lock(Suffixed(base, ".lock"));
        lock.setStaleLockTime(0);
        // Held by a window that runs: not left by a crash.
        if (!lock.tryLock(0))
            continue;
        KeptRecovery recovery;
        recovery.copy = copy.filePath();
        recovery.kept = copy.lastModified();
        const vrd::FileRead path = vrd::ReadWholeFile(LocalPath(Suffixed(base, ".path")));
        if (!path.failure)
            recovery.analysis =
                QString::fromUtf8(path.bytes.data(), static_cast<qsizetype>(path.bytes.size()));
        const vrd::AnalysisFileRead read = vrd::ReadAnalysisFile(LocalPath(recovery.copy));
        if (read.document && !read.document->files.empty()) {
            const std::string& first = read.document->files.front();
            recovery.report = QFileInfo(QString::fromLocal8Bit(
                                            first.data(), static_cast<qsizetype>(first.size())))
                                  .fileName();
        }
        found.push_back(std::move(recovery));
    }
    return found;
}

void DiscardRecovery(const KeptRecovery& recovery) {
    const QFileInfo copy(recovery.copy);
    const QString base = copy.path() + QLatin1Char('/') + copy.completeBaseName();
    QFile::remove(recovery.copy);
    QFile::remove(Suffixed(base, ".path"));
}
