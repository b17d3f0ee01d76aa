#pragma once
// The one file dialog the four file commands share. It keeps, from one use to the next, the name
// of the file whose report the program holds, from which the save commands build the name they
// suggest.

#include "app/file_dialogs.h"

#include <QString>

#include <optional>

class CommonDialog {
  public:
    explicit CommonDialog(FileDialogs& chooser) : chooser_(chooser) {}

    std::optional<QString> ShowOpen(const QString& filter);
    std::optional<QString> ShowSave(const QString& presetName, const QString& filter);

    // The file name, without its folder, of the open that last replaced the report: the name a
    // save suggests always belongs to the report it writes. An open that failed before it had a
    // report, a cancelled open and a save leave it as it was.
    const QString& ReportFileName() const { return reportFileName_; }
    // The open of path has replaced the report (fully, or in part where its decoding failed).
    void NoteReportFrom(const QString& path);

  private:
    FileDialogs& chooser_;
    QString reportFileName_;
};
