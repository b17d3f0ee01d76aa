#include "views/analysis/window/analysis_file_state.h"

#include "views/analysis/session/analysis_document.h"
#include "views/analysis/session/analysis_session.h"
#include "views/common/analysis_widgets.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace {

QString Title() {
    return AnalysisFileState::tr("Analysis");
}

AnalysisFileState::Answer AskAboutChanges(QWidget* window, const QString& name) {
    QMessageBox box(
        QMessageBox::Warning, window->windowTitle(),
        AnalysisFileState::tr("The analysis \"%1\" has changes that are not saved.").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.setObjectName(QStringLiteral("UnsavedAnalysis"));
    box.setInformativeText(AnalysisFileState::tr("Save them first?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return AnalysisFileState::Answer::Save;
    case QMessageBox::Discard:
        return AnalysisFileState::Answer::Discard;
    default:
        return AnalysisFileState::Answer::Cancel;
    }
}

} // namespace

AnalysisFileState::AnalysisFileState(QWidget& window, const AnalysisSession& session,
                                     std::function<bool()> save)
    : QObject(&window), window_(window), session_(session), save_(std::move(save)),
      question_(AskAboutChanges) {
    for (const auto signal : {&AnalysisSession::seriesChanged, &AnalysisSession::resultChanged,
                              &AnalysisSession::exclusionsChanged, &AnalysisSession::marksChanged,
                              &AnalysisSession::assessmentChanged})
        connect(&session_, signal, this, &AnalysisFileState::Follow);
    window_.installEventFilter(this);
    MarkUnchanged();
}

vrd::AnalysisDocument AnalysisFileState::Document() const {
    return SessionDocument(session_, base_);
}

void AnalysisFileState::SetAbsolutePaths(bool absolute) {
    base_.absolutePaths = absolute;
    Follow();
}

void AnalysisFileState::Opened(const QString& path, vrd::AnalysisDocument document) {
    path_ = path;
    base_ = std::move(document);
    MarkUnchanged();
}

void AnalysisFileState::Saved(const QString& path) {
    path_ = path;
    MarkUnchanged();
}

void AnalysisFileState::Restored(const QString& path, vrd::AnalysisDocument document) {
    path_ = path;
    base_ = std::move(document);
    // No analysis file's bytes are empty: nothing matches them until a save.
    unchanged_.clear();
    Follow();
}

void AnalysisFileState::StartAfresh() {
    path_.clear();
    base_ = vrd::AnalysisDocument{};
    MarkUnchanged();
}

bool AnalysisFileState::MaySetAside() {
    if (!modified_)
        return true;
    const QString name = path_.isEmpty() ? Title() : QFileInfo(path_).fileName();
    switch (question_(&window_, name)) {
    case Answer::Save:
        return save_();
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

bool AnalysisFileState::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && !MaySetAside()) {
        event->ignore();
        return true;
    }
    // The title in the window's new language.
    if (watched == &window_ && event->type() == QEvent::LanguageChange)
        Follow();
    return QObject::eventFilter(watched, event);
}

std::string AnalysisFileState::Bytes() const {
    const vrd::AnalysisFileBytes bytes = vrd::FormatAnalysisFile(Document(), LocalPath(path_));
    return bytes.error ? *bytes.error : bytes.bytes;
}

void AnalysisFileState::MarkUnchanged() {
    unchanged_ = Bytes();
    modified_ = true; // so that Follow titles the window whatever it was
    Follow();
}

void AnalysisFileState::Follow() {
    const bool modified = Bytes() != unchanged_;
    QString title = Title();
    if (!path_.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(path_).fileName();
    if (modified)
        title += QLatin1Char('*');
    window_.setWindowTitle(title);
    if (modified == modified_)
        return;
    modified_ = modified;
    emit stateChanged();
}
