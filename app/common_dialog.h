#pragma once
// The one file dialog the four file commands share. It keeps, from one use to the next, the name
// of the file chosen last, from which the save commands build the name they suggest.

#include "app/file_dialogs.h"

#include <QString>

#include <optional>

class CommonDialog {
  public:
    explicit CommonDialog(FileDialogs& chooser) : chooser_(chooser) {}

    std::optional<QString> ShowOpen(const QString& filter);
    std::optional<QString> ShowSave(const QString& presetName, const QString& filter);

    // The file name, without its folder, of the file chosen last to open or save.
    const QString& LastChosenName() const { return lastChosenName_; }
    // A file opened without the dialog (named on the command line, dropped on the window) counts
    // as chosen, so that a save after it can suggest a name too.
    void NoteChosen(const QString& path);

  private:
    std::optional<QString> Chosen(std::optional<QString> path);

    FileDialogs& chooser_;
    QString lastChosenName_;
};
