#include "app/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString QtFileDialogs::QtFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    const QString description = filter.left(bar);
    // Qt takes the patterns from the parentheses; a description without them gets them added.
    if (description.contains(QLatin1Char('(')))
        return description;
    return description % QStringLiteral(" (") % filter.mid(bar + 1) % QLatin1Char(')');
}

std::optional<QString> QtFileDialogs::ChooseOpenPath(const QString& filter) {
    const QString path =
        QFileDialog::getOpenFileName(parent_, QString(), folder_, QtFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QString> QtFileDialogs::ChooseSavePath(const QString& presetName,
                                                     const QString& filter) {
    const QString preset = folder_.isEmpty() ? presetName : QDir(folder_).filePath(presetName);
    const QString path = QFileDialog::getSaveFileName(parent_, QString(), preset, QtFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    folder_ = QFileInfo(path).absolutePath();
    return path;
}
