#pragma once
// The start screen: the maker's logo, the device, the product line, the device names and the
// version, shown without a title bar over the main window while the program starts.
//
// It only shows; the main window keeps the time and closes it.

#include <QWidget>

class QLabel;

class frmStart final : public QWidget {
    Q_OBJECT

  public:
    frmStart();

    // Shows the screen centred over window.
    void ShowCentredOver(const QWidget& window);

  private:
    QLabel* Image_Logo_VELMAR = nullptr;
    QLabel* Image_Appareil = nullptr;
};
