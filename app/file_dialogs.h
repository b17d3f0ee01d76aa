#pragma once
// Where the commands get their paths from: the platform's file chooser in the program, a fake in
// the tests.

#include <QString>
#include <QStringList>

#include <optional>

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;

    // filter is one "description|pattern" pair, such as "encrypted Data (*.vrd)|*.vrd".
    // nullopt when the user cancels.
    virtual std::optional<QString> ChooseOpenPath(const QString& filter) = 0;
    // presetName is the file name the dialog suggests; the program adds no extension to the path.
    virtual std::optional<QString> ChooseSavePath(const QString& presetName,
                                                  const QString& filter) = 0;

    // The same among several file types: filters are "description|pattern" pairs, offered in this
    // order, the first one chosen at the start. A save's path comes with the index of the type the
    // user chose last. A chooser of one type at a time offers the first. The caption says what
    // the file is for, in the analysis window's language.
    struct ChosenPath {
        QString path;
        int filter = 0;
    };
    virtual std::optional<QString> ChooseOpenPathAmong(const QStringList& filters,
                                                       const QString& /*caption*/) {
        return ChooseOpenPath(filters.value(0));
    }
    virtual std::optional<ChosenPath> ChooseSavePathAmong(const QString& presetName,
                                                          const QStringList& filters,
                                                          const QString& /*caption*/) {
        const std::optional<QString> path = ChooseSavePath(presetName, filters.value(0));
        if (!path)
            return std::nullopt;
        return ChosenPath{*path, 0};
    }
};
