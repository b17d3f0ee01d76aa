#include "app/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>

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

namespace {

// The filters as Qt's dialogs take several: "Excel workbook (*.xlsx);;Comma-separated (*.csv)".
QStringList QtFilters(const QStringList& filters) {
    QStringList qtFilters;
    for (const QString& filter : filters)
        qtFilters.append(QtFileDialogs::QtFilter(filter));
    return qtFilters;
}

} // namespace

std::optional<QString> QtFileDialogs::ChooseOpenPath(const QString& filter) {
    return ChooseOpenPathAmong({filter}, QString());
}

std::optional<QString> QtFileDialogs::ChooseSavePath(const QString& presetName,
                                                     const QString& filter) {
    const std::optional<ChosenPath> chosen = ChooseSavePathAmong(presetName, {filter}, QString());
    return chosen ? std::optional<QString>(chosen->path) : std::nullopt;
}

std::optional<QString> QtFileDialogs::ChooseOpenPathAmong(const QStringList& filters,
                                                          const QString& caption) {
    const QString path = QFileDialog::getOpenFileName(
        parent_, caption, folder_, QtFilters(filters).join(QStringLiteral(";;")));
    if (path.isEmpty())
        return std::nullopt;
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

std::optional<FileDialogs::ChosenPath>
QtFileDialogs::ChooseSavePathAmong(const QString& presetName, const QStringList& filters,
                                   const QString& caption) {
    const QString preset = folder_.isEmpty() ? presetName : QDir(folder_).filePath(presetName);
    const QStringList qtFilters = QtFilters(filters);
    QString selected = qtFilters.value(0);
    const QString path = QFileDialog::getSaveFileName(
        parent_, caption, preset, qtFilters.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty())
        return std::nullopt;
    folder_ = QFileInfo(path).absolutePath();
    return ChosenPath{path, std::max<int>(0, static_cast<int>(qtFilters.indexOf(selected)))};
}
