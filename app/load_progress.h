#pragma once
// The progress of a running load, shown in a dialog with a Cancel button once the load has lasted
// longer than a blink.

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>

class QProgressBar;
class QProgressDialog;
class QWidget;
class ReportLoader;

class LoadProgress final : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kBlink{400};

    LoadProgress(ReportLoader& loader, QWidget& window);
    ~LoadProgress() override;

    void Begin(const QString& path);
    void End();

    // The dialog of the running load, null when none.
    QProgressDialog* Dialog() const;

  private:
    void Show(qint64 done, qint64 total);

    ReportLoader& loader_;
    QWidget& window_;
    QPointer<QProgressDialog> dialog_;
    QPointer<QProgressBar> bar_;
};
