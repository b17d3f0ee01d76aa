#pragma once
// The commands on the files of an analysis: a report added or removed (undoable steps), and the
// analysis file (.vrda) opened or saved, with the question about unsaved changes before an open
// or a close.

#include "analysis/report_for_analysis.h"
#include "options/analysis_file.h"

#include <QObject>
#include <QString>

#include <optional>

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
    // The analysis replaced by the CSV export at path alone (the main window's open and drop),
    // its columns asked first; unsaved changes are asked about before, and kept on a cancel.
    bool OpenCsvExport(const QString& path);
    bool RemoveFile();
    // OpenAnalysisFile reads the file first and then asks what to do with unsaved changes;
    // WriteAnalysis is the writer behind "Save analysis...".
    bool OpenAnalysis();
    bool SaveAnalysis();
    // Saves into the analysis file shown; asks for a file when there is none.
    bool Save();
    bool OpenAnalysisFile(const QString& path);
    // The analysis of a recovery copy, as the analysis file it is a copy of (analysis, empty for
    // one never saved) with unsaved changes; asks about unsaved changes first.
    bool Restore(const QString& copy, const QString& analysis);
    bool WriteAnalysis(const QString& path, QString& reason);
    AnalysisFileState& AnalysisFile() const { return *analysisFile_; }

  private:
    // The file at path read off the GUI thread; a CSV export has its columns asked first. nullopt
    // when the user cancels or the export is refused (the refusal shown, naming the file).
    std::optional<vrd::ReportForAnalysis> ReadFile(const QString& path);
    bool SaveAnalysisAs(const QString& path);
    // The document of the analysis file at path; nullopt, with the failure shown, when unusable.
    std::optional<vrd::AnalysisDocument> ReadDocument(const QString& path) const;
    void OpenDocument(const QString& path, const vrd::AnalysisDocument& document);

    EditedAnalysis& analysis_;
    const AnalysisPrompts& prompts_;
    AnalysisFileState* analysisFile_ = nullptr;
    QListView* files_ = nullptr;
};
