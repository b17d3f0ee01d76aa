#pragma once
// The about window: title, version, the maker's logo and three short blocks of text. It keeps
// the main window disabled while it is open; "Ok", Enter or Escape closes it.

#include <QDialog>
#include <QPointer>

class QLabel;

class frmAbout final : public QDialog {
    Q_OBJECT

  public:
    // Disables mainWindow until the about window is closed. A new window each time: it deletes
    // itself when closed.
    explicit frmAbout(QWidget& mainWindow);

    // The blocks' lines are joined by a line feed followed by a carriage return, in that order.
    static QString DescriptionText();
    static QString OperatingSystemsText();
    static QString ResolutionsText();

  private:
    void BuildFrame();
    void Form_Unload();

    QPointer<QWidget> mainWindow_;
};
