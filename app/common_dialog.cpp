#include "app/common_dialog.h"

#include <QFileInfo>

#include <utility>

std::optional<QString> CommonDialog::ShowOpen(const QString& filter) {
    return Chosen(chooser_.ChooseOpenPath(filter));
}

std::optional<QString> CommonDialog::ShowSave(const QString& presetName, const QString& filter) {
    return Chosen(chooser_.ChooseSavePath(presetName, filter));
}

void CommonDialog::NoteChosen(const QString& path) {
    lastChosenName_ = QFileInfo(path).fileName();
}

std::optional<QString> CommonDialog::Chosen(std::optional<QString> path) {
    if (path)
        NoteChosen(*path);
    return path;
}
