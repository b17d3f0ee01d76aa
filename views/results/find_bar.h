#pragma once
// The bar that finds a date and time in the 1-minute list of the results window: a line to type
// into, "Find next", and a line that says what came of it. Enter finds, Escape closes.

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

class FindBar final : public QFrame {
    Q_OBJECT

  public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shows the bar with its text selected, ready to type over.
    void Open();
    QString Text() const;
    void SetText(const QString& text);
    // What came of the last find; a failure shows in the colour of a warning.
    void SetStatus(const QString& status, bool failed);
    QString Status() const;

  signals:
    void findRequested(const QString& text);
    void closed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* text_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* status_ = nullptr;
};
