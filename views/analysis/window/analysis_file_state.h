#pragma once
// The analysis file the analysis window shows: its path, what the window holds beside the
// session (the document's plain reading, paths and kept keys), whether the analysis changed since
// it was opened or saved, the window's title that says both ("Analysis - week.vrda*"), and the
// question before unsaved changes are closed or replaced.

#include "options/analysis_file.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class AnalysisSession;
class QWidget;

class AnalysisFileState final : public QObject {
    Q_OBJECT

  public:
    enum class Answer { Save, Discard, Cancel };
    // Asks what to do with the unsaved changes of the analysis named name.
    using Question = std::function<Answer(QWidget* window, const QString& name)>;

    // Follows session, titles window and asks before window closes with unsaved changes; save
    // saves the analysis (asking for a path if it has none) and says whether it did.
    AnalysisFileState(QWidget& window, const AnalysisSession& session, std::function<bool()> save);

    // Empty for an analysis never saved.
    const QString& Path() const { return path_; }
    bool IsModified() const { return modified_; }
    // The session as the document of the analysis file.
    vrd::AnalysisDocument Document() const;
    bool AbsolutePaths() const { return base_.absolutePaths; }
    void SetAbsolutePaths(bool absolute);

    // The analysis is now the one of path, opened (with its document) or saved as it stands.
    void Opened(const QString& path, vrd::AnalysisDocument document);
    void Saved(const QString& path);
    // The analysis of path (empty: never saved) as a recovery copy gave it: unsaved until saved.
    void Restored(const QString& path, vrd::AnalysisDocument document);
    // A new analysis, of no file, from what the session holds now.
    void StartAfresh();

    // True when the analysis may be closed or replaced: nothing unsaved, or the user saved or
    // discarded it.
    bool MaySetAside();
    void SetQuestion(Question question) { question_ = std::move(question); }

  signals:
    // The path or the modified state changed.
    void stateChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The bytes the analysis would be saved as, to compare with those of the last open or save.
    std::string Bytes() const;
    void MarkUnchanged();
    void Follow();

    QWidget& window_;
    const AnalysisSession& session_;
    std::function<bool()> save_;
    Question question_;
    QString path_;
    vrd::AnalysisDocument base_; // what the session does not hold
    std::string unchanged_;      // Bytes() at the last open or save
    bool modified_ = false;
};
