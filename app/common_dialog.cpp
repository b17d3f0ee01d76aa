#include "app/common_dialog.h"

#include <QFileInfo>

std::optional<QString> CommonDialog::ShowOpen(const QString& filter) {
    return chooser_.ChooseOpenPath(filter);
}

std::optional<QString> CommonDialog::ShowSave(const QString& presetName, const QString& filter) {
    return chooser_.ChooseSavePath(presetName, filter);
}

void CommonDialog::NoteReportFrom(const QString& path) {
    reportFileName_ = QFileInfo(path).fileName();
}
