#pragma once
// The Files tab: the reports of the analysis with "Add file..." and "Remove", and below them
// "Open analysis...", "Save analysis..." and the choice of absolute paths.

#include <QWidget>

class FileActions;
class QAbstractButton;
class QAbstractItemModel;
class QListView;

class FilesTab final : public QWidget {
    Q_OBJECT

  public:
    FilesTab(QAbstractItemModel& files, FileActions& actions, QWidget* parent = nullptr);

    QListView* FilesView() const { return filesView_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void SetTexts();

    QListView* filesView_ = nullptr;
    QAbstractButton* addFile_ = nullptr;
    QAbstractButton* removeFile_ = nullptr;
    QAbstractButton* openAnalysis_ = nullptr;
    QAbstractButton* saveAnalysis_ = nullptr;
    QAbstractButton* absolutePaths_ = nullptr;
};
