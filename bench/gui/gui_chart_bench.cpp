// The chart window on a year of minutes, timed as the user meets it, in the program's own main
// window: "Chart" chosen until the chart is painted; the window resized until it is painted again
// (with the points of the size before), then the redraw at the new size until painted; a zoom
// step of the wheel until painted. Prints the median and the range of each over the runs.
//
//   vrd_gui_chart_bench [REPORT] [--runs N]
//
// REPORT is a .vrd or .txt report; without one, a year of minutes is made with the test kit's
// generator (the seed scripts/bench.sh uses). Runs headless unless QT_QPA_PLATFORM says
// otherwise; under xvfb-run with QT_QPA_PLATFORM=xcb the painting goes through an X server.

#include "app/file_dialogs.h"
#include "app/main_menus.h"
#include "app/mdi_form_main.h"
#include "testkit/report_generator.h"
#include "views/chart/frm_graph.h"
#include "views/plot/chart_zoom_view.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineSeries>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class NoDialogs final : public FileDialogs {
  public:
    std::optional<QString> ChooseOpenPath(const QString&) override { return std::nullopt; }
    std::optional<QString> ChooseSavePath(const QString&, const QString&) override {
        return std::nullopt;
    }
};

// Counts the paint events of a widget.
class PaintCounter final : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 30000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Milliseconds from the start of step until the widget watched has been painted after it.
double TimeUntilPainted(PaintCounter& counter, const std::function<void()>& step) {
    QElapsedTimer timer;
    const int before = counter.paints;
    timer.start();
    step();
    if (!WaitUntil([&] { return counter.paints > before; })) {
        std::fprintf(stderr, "vrd_gui_chart_bench: no paint after a step\n");
        std::exit(1);
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

struct Figures {
    const char* what;
    std::vector<double> ms;
};

void Print(const Figures& figures) {
    std::vector<double> sorted = figures.ms;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    const double median = n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    std::printf("%-44s median %8.1f ms   min %8.1f   max %8.1f   (%zu runs)\n", figures.what,
                median, sorted.front(), sorted.back(), n);
}

QString MakeYear(const QTemporaryDir& folder) {
    vrd::testkit::ReportOptions options;
    options.seed = 2011;
    options.minutes = 525600;
    const std::string report = vrd::testkit::GenerateReport(options);
    const QString path = folder.filePath(QStringLiteral("year.txt"));
    QFile file(path);
    if (report.empty() || !file.open(QIODevice::WriteOnly) ||
        file.write(report.data(), static_cast<qint64>(report.size())) !=
            static_cast<qint64>(report.size())) {
        std::fprintf(stderr, "vrd_gui_chart_bench: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    return path;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QString report;
    int runs = 11;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--runs") && i + 1 < arguments.size())
            runs = std::max(1, arguments[++i].toInt());
        else
            report = arguments[i];
    }
    QTemporaryDir folder;
    if (report.isEmpty())
        report = MakeYear(folder);

    NoDialogs dialogs;
    StartUpOptions options;
    options.startScreenWait = std::chrono::milliseconds(0);
    MDIFormMain window(dialogs, options);
    window.resize(1600, 1000);
    bool started = false;
    QObject::connect(&window, &MDIFormMain::startUpFinished, [&] { started = true; });
    window.MDIForm_Load();
    WaitUntil([&] { return started; });

    bool loaded = false;
    QObject::connect(&window, &MDIFormMain::loadEnded, [&] { loaded = true; });
    window.OpenFile(report);
    if (!WaitUntil([&] { return loaded; }, 120000) || !window.Menus().mnuChart->isEnabled()) {
        std::fprintf(stderr, "vrd_gui_chart_bench: %s did not open\n", qPrintable(report));
        return 1;
    }

    Figures open{"open the chart (\"Chart\" until painted)", {}};
    Figures frame{"resize, until painted", {}};
    Figures redraw{"redraw at the new size, until painted", {}};
    Figures zoom{"wheel zoom step with redraw, until painted", {}};
    qsizetype points = 0;
    qsizetype drawn = 0;
    for (int run = 0; run < runs; ++run) {
        PaintCounter counter;
        // The counter watches the chart's viewport as soon as the window exists.
        QObject::connect(
            window.Workspace(), &QMdiArea::subWindowActivated, &counter, [&](QMdiSubWindow* child) {
                if (auto* chart = child ? qobject_cast<frmGraph*>(child->widget()) : nullptr)
                    chart->View()->viewport()->installEventFilter(&counter);
            });
        open.ms.push_back(TimeUntilPainted(counter, [&] { window.Menus().mnuChart->trigger(); }));
        frmGraph* chart = window.ChartWindow();
        QWidget* child = chart->parentWidget();
        points = chart->Series().points.size();
        drawn = chart->Levels()->count();

        for (int step = 0; step < 4; ++step) {
            const QSize size = step % 2 == 0 ? QSize(1500, 900) : QSize(1100, 700);
            frame.ms.push_back(TimeUntilPainted(counter, [&] { child->resize(size); }));
            redraw.ms.push_back(TimeUntilPainted(counter, [&] { chart->Redraw(); }));
        }
        for (int step = 0; step < 4; ++step) {
            const double factor =
                step < 2 ? ChartZoomView::kZoomStep : 1 / ChartZoomView::kZoomStep;
            zoom.ms.push_back(TimeUntilPainted(counter, [&] {
                chart->View()->ZoomTime(factor);
                chart->Redraw();
            }));
        }
        child->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    std::printf("%s: %lld minutes charted, %lld points drawn at the first size (platform %s)\n",
                qPrintable(report), static_cast<long long>(points), static_cast<long long>(drawn),
                qPrintable(QApplication::platformName()));
    for (const Figures* figures : {&open, &frame, &redraw, &zoom})
        Print(*figures);
    return 0;
}
