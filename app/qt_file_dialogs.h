#pragma once
// The file chooser of the program: Qt's open and save dialogs over the main window.

#include "app/file_dialogs.h"

#include <QPointer>
#include <QWidget>

class QtFileDialogs final : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<QString> ChooseOpenPath(const QString& filter) override;
    std::optional<QString> ChooseSavePath(const QString& presetName,
                                          const QString& filter) override;
    std::optional<QString> ChooseOpenPathAmong(const QStringList& filters,
                                               const QString& caption) override;
    std::optional<ChosenPath> ChooseSavePathAmong(const QString& presetName,
                                                  const QStringList& filters,
                                                  const QString& caption) override;

    // "encrypted Data (*.vrd)|*.vrd" as Qt writes a filter: "encrypted Data (*.vrd)".
    static QString QtFilter(const QString& filter);

  private:
    QPointer<QWidget> parent_;
    // The dialog opens where the user chose a file last.
    QString folder_;
};
