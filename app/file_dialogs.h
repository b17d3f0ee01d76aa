#pragma once
// Where the commands get their paths from: the platform's file chooser in the program, a fake in
// the tests.

#include <QString>

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
};
