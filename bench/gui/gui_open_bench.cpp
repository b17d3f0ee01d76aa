// How the desktop program opens a large report: the time from the "vrd file" command until the
// results window shows all seven lists, the longest stretch in which the GUI thread took no events
// meanwhile, and the peak resident memory of the process against its budget (the .vrd, twice the
// report, and 100 MiB for the program itself).
//
//   vrd_gui_open_bench [--once] [--explain] [--runs N] [--file PATH]
//
// It runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise. Each run opens the file
// twice: into a program that has read nothing yet ("first open"), then once more over the report
// it has just shown ("reopen"), which also drops the old report. The peak memory of each open is
// measured from the resident memory just before it. --once makes one run and prints one
// "key=value" line per open for a script to collect; without it the program makes --runs runs in
// this one process and prints their medians (the peak memory of later runs then counts the heap
// the earlier ones left behind, so scripts/bench-gui.sh prefers a fresh process per run).
// --explain names, on stderr, each event that kept the GUI thread busy for more than 10 ms.

#include "app/file_dialogs.h"
#include "app/load_progress.h"
#include "app/mdi_form_main.h"
#include "views/results/frm_array.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListView>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

// The open dialog answers with the file to measure; no save is made.
class FixedDialogs final : public FileDialogs {
  public:
    explicit FixedDialogs(QString path) : path_(std::move(path)) {}
    std::optional<QString> ChooseOpenPath(const QString&) override { return path_; }
    std::optional<QString> ChooseSavePath(const QString&, const QString&) override {
        return std::nullopt;
    }

  private:
    QString path_;
};

// With --explain, the application times each event it delivers, so that a long stall can be put
// down to its event and receiver.
class TimedApplication final : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        if (!timing_ || depth_ > 0)
            return QApplication::notify(receiver, event);
        ++depth_;
        QElapsedTimer clock;
        clock.start();
        const int type = event->type();
        const QString what = QLatin1String(receiver->metaObject()->className()) %
                             QStringLiteral(" ") % receiver->objectName();
        const bool result = QApplication::notify(receiver, event);
        const qint64 ns = clock.nsecsElapsed();
        --depth_;
        if (ns > 10'000'000)
            std::fprintf(stderr, "  %.1f ms in event %d to %s\n", static_cast<double>(ns) / 1e6,
                         type, qPrintable(what));
        return result;
    }

    void SetTiming(bool on) { timing_ = on; }

  private:
    bool timing_ = false;
    int depth_ = 0;
};

// A line of /proc/self/status such as "VmHWM:", in KiB; 0 when it cannot be read.
long StatusKib(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = key;
    while (std::getline(status, line))
        if (line.compare(0, prefix.size(), prefix) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    return 0;
}

// Lets the peak resident memory start again from the memory resident now (Linux 4.0 and later).
bool ResetPeakMemory() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

struct Figures {
    double openMs = 0;   // from the command until the lists are shown
    double maxGapMs = 0; // the longest time between two ticks of the 5 ms timer meanwhile
    double startMib = 0; // resident memory just before the command
    double peakMib = 0;  // peak resident memory of the process during the open
    long long rows = 0;  // rows in the seven lists
    long long reportBytes = 0;
    bool progressShown = false; // whether the progress dialog showed
};

// Whether the last row of each list has its place: a list lays its rows out in order.
bool AllRowsLaidOut(const frmArray& results) {
    for (const vrd::ListId list : vrd::kAllLists) {
        const QListView* view = results.List(list);
        const int rows = view->model()->rowCount();
        if (rows > 0 && !view->visualRect(view->model()->index(rows - 1, 0)).isValid())
            return false;
    }
    return true;
}

Figures OpenOnce(MDIFormMain& main, TimedApplication& app, bool explain) {
    Figures figures;
    QApplication::processEvents();
    if (!ResetPeakMemory())
        std::fprintf(stderr, "cannot reset the peak memory; it counts from the process start\n");
    figures.startMib = static_cast<double>(StatusKib("VmRSS:")) / 1024.0;

    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 maxGap = 0;
    qint64 shownAt = -1;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    ticks.setInterval(5);
    // A tick measures the stretch since the one before; the first tick after the lists are
    // shown closes the last stretch.
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        maxGap = std::max(maxGap, now - lastTick);
        lastTick = now;
        if (shownAt >= 0)
            ticks.stop();
    });

    // The main window takes the report over when the loader reports it ready, then ends the
    // load; the lists then lay their rows out in batches between events. They are shown once
    // every row of every list has its place and the window has been painted.
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        frmArray* results = main.ResultsWindow();
        if (results == nullptr || !AllRowsLaidOut(*results))
            return;
        watch.stop();
        results->repaint();
        shownAt = clock.nsecsElapsed();
    });
    QObject::connect(&main, &MDIFormMain::loadEnded, &watch, [&] { watch.start(); });
    QObject::connect(&main.Loader(), &ReportLoader::progressed, &ticks, [&] {
        const QProgressDialog* dialog = main.Progress().Dialog();
        if (dialog != nullptr && dialog->isVisible())
            figures.progressShown = true;
    });

    app.SetTiming(explain);
    clock.start();
    ticks.start();
    main.Menus().mnuvrd->trigger();
    while (shownAt < 0 || ticks.isActive())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    app.SetTiming(false);

    figures.openMs = static_cast<double>(shownAt) / 1e6;
    figures.maxGapMs = static_cast<double>(maxGap) / 1e6;
    figures.peakMib = static_cast<double>(StatusKib("VmHWM:")) / 1024.0;
    figures.reportBytes = static_cast<long long>(main.State().DecodedReport.size());
    if (const frmArray* results = main.ResultsWindow())
        for (const vrd::ListId list : vrd::kAllLists)
            figures.rows += results->List(list)->model()->rowCount();
    return figures;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double BudgetMib(long long vrdBytes, long long reportBytes) {
    return static_cast<double>(vrdBytes + 2 * reportBytes) / (1024.0 * 1024.0) + 100.0;
}

void PrintOnce(const char* open, const Figures& f, long long vrdBytes) {
    std::printf("open=%s open_ms=%.1f max_gap_ms=%.1f start_mib=%.1f peak_mib=%.1f "
                "budget_mib=%.1f vrd_bytes=%lld report_bytes=%lld rows=%lld progress_shown=%d\n",
                open, f.openMs, f.maxGapMs, f.startMib, f.peakMib,
                BudgetMib(vrdBytes, f.reportBytes), vrdBytes, f.reportBytes, f.rows,
                f.progressShown ? 1 : 0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);

    bool once = false;
    bool explain = false;
    int runs = 5;
    QString path = QStringLiteral("/tmp/year.vrd");
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QStringLiteral("--once")) {
            once = true;
        } else if (argument == QStringLiteral("--explain")) {
            explain = true;
        } else if (argument == QStringLiteral("--runs") && i + 1 < arguments.size()) {
            runs = std::max(1, arguments.at(++i).toInt());
        } else if (argument == QStringLiteral("--file") && i + 1 < arguments.size()) {
            path = arguments.at(++i);
        } else {
            std::fprintf(stderr, "usage: vrd_gui_open_bench [--once] [--explain] [--runs N] "
                                 "[--file PATH]\n");
            return 2;
        }
    }
    const QFileInfo file(path);
    if (!file.isFile()) {
        std::fprintf(stderr, "no file %s: make it with vrdgen first\n", qPrintable(path));
        return 1;
    }
    const long long vrdBytes = file.size();

    FixedDialogs dialogs(path);
    MDIFormMain main(dialogs, StartUpOptions{0ms, {}});
    bool started = false;
    QObject::connect(&main, &MDIFormMain::startUpFinished, [&] { started = true; });
    main.MDIForm_Load();
    while (!started)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    if (once) {
        PrintOnce("first", OpenOnce(main, app, explain), vrdBytes);
        PrintOnce("reopen", OpenOnce(main, app, explain), vrdBytes);
        return 0;
    }

    std::vector<Figures> first;
    std::vector<Figures> again;
    for (int run = 0; run < runs; ++run) {
        first.push_back(OpenOnce(main, app, explain));
        again.push_back(OpenOnce(main, app, explain));
    }
    const auto median = [](const std::vector<Figures>& all, double Figures::*field) {
        std::vector<double> values;
        for (const Figures& f : all)
            values.push_back(f.*field);
        return Median(values);
    };
    const double budget = BudgetMib(vrdBytes, first.front().reportBytes);
    std::printf("%s: %lld bytes of .vrd, %lld bytes of report, %lld rows; %d runs in one process\n",
                qPrintable(path), vrdBytes, first.front().reportBytes, first.front().rows, runs);
    std::printf("%-36s %-10s %10s %10s\n", "figure", "target", "first", "reopen");
    std::printf("%-36s %-10s %10.1f %10.1f\n", "open until all lists shown, ms", "< 1000",
                median(first, &Figures::openMs), median(again, &Figures::openMs));
    std::printf("%-36s %-10s %10.1f %10.1f\n", "longest GUI-thread stall, ms", "<= 50",
                median(first, &Figures::maxGapMs), median(again, &Figures::maxGapMs));
    std::printf("%-36s <= %-7.0f %10.1f %10.1f\n", "peak resident memory, MiB", budget,
                median(first, &Figures::peakMib), median(again, &Figures::peakMib));
    return 0;
}
