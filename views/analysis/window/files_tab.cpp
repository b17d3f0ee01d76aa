#include "views/analysis/window/files_tab.h"

#include "views/analysis/window/analysis_file_state.h"
#include "views/analysis/window/file_actions.h"
#include "views/common/analysis_widgets.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

FilesTab::FilesTab(QAbstractItemModel& files, FileActions& actions, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    filesView_ = new QListView(this);
    filesView_->setObjectName(QStringLiteral("FileList"));
    filesView_->setModel(&files);
    actions.SetFileList(*filesView_);
    auto* add = NamedButton(this, "AddFile", QString());
    auto* remove = NamedButton(this, "RemoveFile", QString());
    addFile_ = add;
    removeFile_ = remove;
    connect(add, &QPushButton::clicked, &actions, &FileActions::AddFile);
    connect(remove, &QPushButton::clicked, &actions, &FileActions::RemoveFile);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);

    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto* open = NamedButton(row, "OpenAnalysis", QString());
    auto* save = NamedButton(row, "SaveAnalysis", QString());
    auto* absolute = new QCheckBox(row);
    absolute->setObjectName(QStringLiteral("AbsolutePaths"));
    openAnalysis_ = open;
    saveAnalysis_ = save;
    absolutePaths_ = absolute;
    rowLayout->addWidget(open);
    rowLayout->addWidget(save);
    rowLayout->addWidget(absolute);
    rowLayout->addStretch(1);
    connect(open, &QPushButton::clicked, &actions, &FileActions::OpenAnalysis);
    connect(save, &QPushButton::clicked, &actions, &FileActions::SaveAnalysis);
    AnalysisFileState& file = actions.AnalysisFile();
    connect(absolute, &QCheckBox::toggled, &file, &AnalysisFileState::SetAbsolutePaths);
    connect(&file, &AnalysisFileState::stateChanged, absolute, [&file, absolute] {
        const QSignalBlocker blocker(absolute);
        absolute->setChecked(file.AbsolutePaths());
    });

    layout->addWidget(filesView_, 1);
    layout->addLayout(buttons);
    layout->addWidget(row);
    SetTexts();
}

void FilesTab::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        SetTexts();
    QWidget::changeEvent(event);
}

void FilesTab::SetTexts() {
    addFile_->setText(tr("Add file..."));
    removeFile_->setText(tr("Remove"));
    openAnalysis_->setText(tr("Open analysis..."));
    saveAnalysis_->setText(tr("Save analysis..."));
    absolutePaths_->setText(tr("Save the report paths as absolute paths"));
    absolutePaths_->setToolTip(tr("Without it the analysis file names its reports from its own "
                                  "folder, so that both can be moved together"));
}
