#include "views/analysis/window/background_read.h"

#include <QEventLoop>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

constexpr int kSteps = 1000;
constexpr int kBlinkMs = 400;
constexpr int kPollMs = 50;

} // namespace

void ReadInBackground(QWidget& window, const QString& label,
                      const std::function<void(const vrd::Progress&)>& work) {
    std::atomic<bool> cancelled{false};
    std::atomic<bool> ended{false};
    std::atomic<std::uint64_t> done{0};
    std::atomic<std::uint64_t> total{0};
    const vrd::Progress progress = [&](std::uint64_t now, std::uint64_t of) {
        done.store(now, std::memory_order_relaxed);
        total.store(of, std::memory_order_relaxed);
        return !cancelled.load();
    };
    std::thread worker([&] {
        try {
            work(progress);
        } catch (...) {
        }
        ended.store(true);
    });

    QProgressDialog dialog(&window);
    dialog.setObjectName(QStringLiteral("readProgress"));
    dialog.setWindowTitle(window.windowTitle());
    dialog.setLabelText(label);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    // The bar is set directly: the dialog's own setValue() would run events inside a step.
    auto* bar = new QProgressBar(&dialog);
    dialog.setBar(bar);
    dialog.setRange(0, 0);
    dialog.setMinimumDuration(kBlinkMs);
    dialog.setValue(0);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&] { cancelled.store(true); });

    QEventLoop loop;
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (ended.load()) {
            loop.quit();
            return;
        }
        const std::uint64_t of = total.load(std::memory_order_relaxed);
        if (of > 0) {
            bar->setRange(0, kSteps);
            bar->setValue(
                static_cast<int>(std::min(done.load(std::memory_order_relaxed), of) * kSteps / of));
        }
    });
    poll.start();
    if (!ended.load())
        loop.exec();
    poll.stop();
    worker.join();
    dialog.close();
}
