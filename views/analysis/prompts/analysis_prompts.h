#pragma once
// What the analysis window's commands ask of the user and tell them: a file to save or open, a
// question to go on or not, a warning. The program asks with its dialogs; the tests answer
// through the chooser and the confirmer they set.

#include "levels_csv/csv_layout.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class AnalysisSession;
class QWidget;

class AnalysisPrompts {
    Q_DECLARE_TR_FUNCTIONS(AnalysisPrompts)

  public:
    // Asks for a file: to save (with a suggested name) or to open. nullopt when the user cancels.
    struct PathRequest {
        QString caption;
        QString filter;
        QString suggestedName;
        bool save = true;
    };
    using PathChooser = std::function<std::optional<QString>(QWidget*, const PathRequest&)>;
    // Asks whether to go on (true) or cancel; goOn names the button that goes on.
    using Confirmer = std::function<bool(QWidget*, const QString& question, const QString& goOn)>;

    // Asks for the columns of the CSV export at path, from its first bytes (all of them when
    // whole), starting from start; nullopt when the user cancels.
    struct ColumnsRequest {
        QString path;
        std::string firstBytes;
        bool whole = false;
        vrd::CsvReadOptions start;
    };
    using ColumnsChooser =
        std::function<std::optional<vrd::CsvReadOptions>(QWidget*, const ColumnsRequest&)>;

    explicit AnalysisPrompts(QWidget& window) : window_(window) {}

    void SetColumnsChooser(ColumnsChooser chooser) { chooseColumns_ = std::move(chooser); }
    // Without a chooser, the columns dialog asks.
    std::optional<vrd::CsvReadOptions> ChooseColumns(const ColumnsRequest& request) const;

    void SetPathChooser(PathChooser chooser) { choosePath_ = std::move(chooser); }
    void SetConfirmer(Confirmer confirmer) { confirm_ = std::move(confirmer); }

    // Without a chooser nothing is chosen.
    std::optional<QString> ChoosePath(const PathRequest& request) const;
    // Without a confirmer, a message box asks; objectName names it for the tests.
    bool Confirm(const QString& question, const QString& goOn,
                 const QString& objectName = QString()) const;
    void ShowWarning(const QString& text) const;
    // "PATH": reason.
    void ShowFailure(const QString& path, const QString& reason) const;
    // "PATH" could not be written: reason. Nothing was changed on disk.
    void ShowNotWritten(const QString& path, const QString& reason) const;
    // "week analysis.pdf" after the first report's name, or "analysis.pdf".
    static QString SuggestedName(const AnalysisSession& session, const QString& suffix);

    QWidget& Window() const { return window_; }

  private:
    QWidget& window_;
    PathChooser choosePath_;
    Confirmer confirm_;
    ColumnsChooser chooseColumns_;
};
