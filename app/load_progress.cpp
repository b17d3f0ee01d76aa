#include "app/load_progress.h"

#include "app/report_loader.h"

#include <QFileInfo>
#include <QProgressBar>
#include <QProgressDialog>

#include <algorithm>

namespace {

constexpr int kSteps = 1000;

} // namespace

LoadProgress::LoadProgress(ReportLoader& loader, QWidget& window)
    : QObject(&window), loader_(loader), window_(window) {
    connect(&loader_, &ReportLoader::progressed, this, &LoadProgress::Show);
}

LoadProgress::~LoadProgress() {
    End();
}

void LoadProgress::Begin(const QString& path) {
    End();
    dialog_ = new QProgressDialog(&window_);
    dialog_->setObjectName(QStringLiteral("loadProgress"));
    dialog_->setWindowTitle(window_.windowTitle());
    dialog_->setLabelText(QStringLiteral("Reading \"") % QFileInfo(path).fileName() %
                          QStringLiteral("\"…"));
    dialog_->setCancelButtonText(QStringLiteral("Cancel"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    // The dialog's own setValue() processes events while it is shown modal, which would run the
    // end of the load inside a progress step; the bar is set directly instead.
    bar_ = new QProgressBar(dialog_);
    dialog_->setBar(bar_);
    // Busy until the loader tells how far it got; shown only when the load outlasts a blink.
    dialog_->setRange(0, 0);
    dialog_->setMinimumDuration(static_cast<int>(kBlink.count()));
    dialog_->setValue(0);
    connect(dialog_, &QProgressDialog::canceled, &loader_, &ReportLoader::Cancel);
}

void LoadProgress::End() {
    if (dialog_.isNull())
        return;
    dialog_->disconnect(&loader_);
    dialog_->close();
    dialog_->deleteLater();
    dialog_ = nullptr;
}

void LoadProgress::Show(qint64 done, qint64 total) {
    if (dialog_.isNull() || bar_.isNull() || total <= 0)
        return;
    bar_->setRange(0, kSteps);
    bar_->setValue(static_cast<int>(std::min(done, total) * kSteps / total));
}

QProgressDialog* LoadProgress::Dialog() const {
    return dialog_;
}
