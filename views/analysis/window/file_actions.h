#pragma once
// The commands on the files of an analysis: a report added or removed (undoable steps), and the
// analysis file (.vrda) opened or saved, with the question about unsaved changes before an open
// or a close.

#include <QObject>
#include <QString>

class AnalysisFileState;
class AnalysisPrompts;
class EditedAnalysis;
class QListView;
class QWidget;

class FileActions final : public QObject {
    Q_OBJECT

  public:
    // window is titled with the analysis file and asks before it closes with unsaved changes.
    FileActions(EditedAnalysis& analysis, const AnalysisPrompts& prompts, QWidget& window);

    // The files list whose current row "Remove" takes out.
    void SetFileList(QListView& list) { files_ = &list; }

    bool AddFile();
    bool RemoveFile();
    // OpenAnalysisFile reads the file first and then asks what to do with unsaved changes;
    // WriteAnalysis is the writer behind "Save analysis...".
    bool OpenAnalysis();
    bool SaveAnalysis();
    bool OpenAnalysisFile(const QString& path);
    bool WriteAnalysis(const QString& path, QString& reason);
    AnalysisFileState& AnalysisFile() const { return *analysisFile_; }

  private:
    bool SaveAnalysisAs(const QString& path);

    EditedAnalysis& analysis_;
    const AnalysisPrompts& prompts_;
    AnalysisFileState* analysisFile_ = nullptr;
    QListView* files_ = nullptr;
};
