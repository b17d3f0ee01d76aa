#include "views/analysis/window/frm_analysis.h"

#include "export/safe_write.h"
#include "report/read_file.h"
#include "views/analysis/session/analysis_document.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/common/analysis_widgets.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>

// The analysis window's commands on the analysis file (.vrda): "Open analysis..." and "Save
// analysis...", and the save that the question about unsaved changes calls.

namespace {

QString AnalysisFilter() {
    return frmAnalysis::tr("Analysis (*.vrda);;All files (*)");
}

} // namespace

void frmAnalysis::FollowAnalysisFile() {
    analysisFile_ = new AnalysisFileState(*this, session_, [this] {
        return analysisFile_->Path().isEmpty() ? SaveAnalysis()
                                               : SaveAnalysisAs(analysisFile_->Path());
    });
}

// "Open analysis...", "Save analysis..." and the choice of absolute paths, below the reports of the
// analysis in the Files tab.
QWidget* frmAnalysis::BuildAnalysisFileRow(QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* open = NamedButton(row, "OpenAnalysis", QString());
    auto* save = NamedButton(row, "SaveAnalysis", QString());
    auto* absolute = new QCheckBox(row);
    absolute->setObjectName(QStringLiteral("AbsolutePaths"));
    openAnalysis_ = open;
    saveAnalysis_ = save;
    absolutePaths_ = absolute;
    layout->addWidget(open);
    layout->addWidget(save);
    layout->addWidget(absolute);
    layout->addStretch(1);
    connect(open, &QPushButton::clicked, this, &frmAnalysis::OpenAnalysis);
    connect(save, &QPushButton::clicked, this, &frmAnalysis::SaveAnalysis);
    connect(absolute, &QCheckBox::toggled, analysisFile_, &AnalysisFileState::SetAbsolutePaths);
    connect(analysisFile_, &AnalysisFileState::stateChanged, absolute, [this, absolute] {
        const QSignalBlocker blocker(absolute);
        absolute->setChecked(analysisFile_->AbsolutePaths());
    });
    return row;
}

void frmAnalysis::SetAnalysisFileRowTexts() {
    openAnalysis_->setText(tr("Open analysis..."));
    saveAnalysis_->setText(tr("Save analysis..."));
    absolutePaths_->setText(tr("Save the report paths as absolute paths"));
    absolutePaths_->setToolTip(tr("Without it the analysis file names its reports from its own "
                                  "folder, so that both can be moved together"));
}

bool frmAnalysis::OpenAnalysis() {
    const std::optional<QString> path =
        ChoosePath({tr("Open analysis"), AnalysisFilter(), QString(), false});
    if (!path || path->isEmpty())
        return false;
    return OpenAnalysisFile(*path);
}

// The file is read before anything is asked: one that cannot be used leaves the analysis shown
// as it is, changes and all.
bool frmAnalysis::OpenAnalysisFile(const QString& path) {
    const std::string local = LocalPath(path);
    const vrd::FileRead file = vrd::ReadWholeFile(local);
    if (file.failure) {
        ShowFailure(path, QString::fromStdString(file.failure->reason));
        return false;
    }
    vrd::AnalysisFileRead read = vrd::ParseAnalysisFile(file.bytes, local);
    if (!read.document) {
        ShowFailure(path, QString::fromStdString(read.error));
        return false;
    }
    if (!analysisFile_->MaySetAside())
        return false;
    OpenDocumentInSession(session_, *read.document);
    analysisFile_->Opened(path, std::move(*read.document));
    QStringList failed;
    for (const vrd::ReportForAnalysis& report : session_.Reports())
        if (report.failure)
            failed << QString::fromLocal8Bit(report.path.data(),
                                             static_cast<qsizetype>(report.path.size()));
    if (!failed.isEmpty())
        ShowWarning(tr("\"%1\": these reports could not be opened; the Files tab says why:\n%2")
                        .arg(path, failed.join(QLatin1Char('\n'))));
    return true;
}

bool frmAnalysis::SaveAnalysis() {
    const QString current = analysisFile_->Path();
    const std::optional<QString> path =
        ChoosePath({tr("Save analysis"), AnalysisFilter(),
                    current.isEmpty() ? SuggestedName(QStringLiteral(".vrda")) : current, true});
    if (!path || path->isEmpty())
        return false;
    // A name typed without a suffix gets the analysis file's.
    return SaveAnalysisAs(QFileInfo(*path).suffix().isEmpty() ? *path + QStringLiteral(".vrda")
                                                              : *path);
}

bool frmAnalysis::SaveAnalysisAs(const QString& path) {
    QString reason;
    if (WriteAnalysis(path, reason))
        return true;
    ShowNotWritten(path, reason);
    return false;
}

bool frmAnalysis::WriteAnalysis(const QString& path, QString& reason) {
    const std::string local = LocalPath(path);
    const vrd::AnalysisFileBytes bytes = vrd::FormatAnalysisFile(analysisFile_->Document(), local);
    std::optional<std::string> failure = bytes.error;
    if (!failure)
        failure = vrd::WriteFileSafely(local, bytes.bytes);
    if (failure) {
        reason = QString::fromStdString(*failure);
        return false;
    }
    analysisFile_->Saved(path);
    return true;
}
