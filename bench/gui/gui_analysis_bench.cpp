// The analysis window on a year of minutes: the window opened over the year until its chart is
// drawn, the statistics brought up to date for a selection that moves (what every mouse move of
// a drag asks), the assessment and its table after one more mark among 500, and the PDF report of
// the year. Prints the median and the range of each.
//
//   vrd_gui_analysis_bench [REPORT] [--runs N]
//
// REPORT is a .vrd or .txt report; without one, a year of minutes is made with the test kit's
// generator (the seed scripts/bench.sh uses). Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.

#include "analysis/report_for_analysis.h"
#include "testkit/report_generator.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/painting/carpet_painting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Spread {
    double median;
    double lowest;
    double highest;
};

Spread SpreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

void Print(const char* what, const std::vector<double>& ms, const char* target) {
    const Spread spread = SpreadOf(ms);
    std::printf("%-44s median %9.3f ms  (%.3f .. %.3f)  target %s\n", what, spread.median,
                spread.lowest, spread.highest, target);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString path;
    int runs = 5;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--runs") && i + 1 < arguments.size())
            runs = std::max(1, arguments[++i].toInt());
        else
            path = arguments[i];
    }
    QTemporaryDir folder;
    if (path.isEmpty()) {
        vrd::testkit::ReportOptions options;
        options.seed = 2011;
        options.minutes = 525600;
        const std::string report = vrd::testkit::GenerateReport(options);
        path = folder.filePath(QStringLiteral("year.txt"));
        QFile file(path);
        if (report.empty() || !file.open(QIODevice::WriteOnly) ||
            file.write(report.data(), static_cast<qint64>(report.size())) !=
                static_cast<qint64>(report.size())) {
            std::fprintf(stderr, "vrd_gui_analysis_bench: the year could not be made\n");
            return 1;
        }
    }
    const vrd::ReportForAnalysis year = vrd::OpenReportForAnalysis({path.toStdString(), false});
    if (year.failure) {
        std::fprintf(stderr, "vrd_gui_analysis_bench: %s: %s\n", qPrintable(path),
                     year.failure->reason.c_str());
        return 1;
    }

    std::vector<double> open;
    std::vector<double> update;
    std::vector<double> pdf;
    std::vector<double> carpet;
    std::vector<double> assessment;
    for (int run = 0; run < runs; ++run) {
        frmAnalysis window;
        window.show();
        QApplication::processEvents();
        std::vector<vrd::ReportForAnalysis> reports{year};
        QElapsedTimer timer;
        timer.start();
        window.Session().SetReports(std::move(reports));
        window.Chart()->Redraw();
        QApplication::processEvents();
        open.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);

        // A drag across the year: the selection grows by a day at a time.
        window.Session().SetThreshold(65);
        window.Session().AddExclusion(
            {vrd::SpanOfMinutes({window.Session().AnalysedPeriod().from + 10000,
                                 window.Session().AnalysedPeriod().from + 20000}),
             "rain"});
        const vrd::Interval whole = window.Session().AnalysedPeriod();
        for (int step = 1; step <= 50; ++step) {
            timer.restart();
            window.Session().Select({whole.from + 7 * step, whole.to - 3 * step});
            update.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }

        // 500 source and residual marks over the year, then one more and one fewer: the
        // assessment and its table follow each at once.
        window.Session().SetAssessmentSettings(vrd::AssessmentSettings{});
        std::vector<vrd::Mark> marks = window.Session().AllMarks();
        const vrd::Minute spacing = (whole.to - whole.from) / 500;
        for (int i = 0; i < 500; ++i)
            marks.push_back(
                {i % 2 == 0 ? vrd::MarkKind::Source : vrd::MarkKind::Residual,
                 vrd::SpanOfMinutes({whole.from + i * spacing, whole.from + i * spacing + 60}),
                 "fan"});
        window.Session().SetMarks(std::move(marks));
        for (int step = 0; step < 10; ++step) {
            timer.restart();
            window.Session().AddMark({vrd::MarkKind::Source,
                                      vrd::SpanOfMinutes({whole.from + step * spacing * 2 + 90,
                                                          whole.from + step * spacing * 2 + 120}),
                                      "fan"});
            QApplication::processEvents();
            assessment.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            timer.restart();
            window.Session().RemoveMark(window.Session().AllMarks().size() - 1);
            QApplication::processEvents();
            assessment.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        window.Session().SetAssessmentSettings(std::nullopt);

        // The carpet of the year from the series: its cells, its picture, and the picture drawn.
        timer.restart();
        const vrd::Carpet cells =
            vrd::CarpetOf(window.Session().Series(), whole, window.Session().ExcludedIntervals());
        CarpetPicture picture;
        picture.scale = ScaleOf(cells);
        picture.image = CarpetImage(cells, picture.scale);
        picture.firstDate = cells.FirstDate();
        QImage drawn(1600, 900, QImage::Format_RGB32);
        {
            QPainter painter(&drawn);
            PaintCarpet(painter, QRectF(drawn.rect()), picture, Language::English);
        }
        carpet.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);

        timer.restart();
        QString reason;
        if (!window.WritePdf(folder.filePath(QStringLiteral("year.pdf")), reason)) {
            std::fprintf(stderr, "vrd_gui_analysis_bench: %s\n", qPrintable(reason));
            return 1;
        }
        pdf.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    Print("open the window over the year", open, "< 500 ms");
    Print("statistics of a moved selection", update, "< 16 ms");
    Print("carpet of the year, made and drawn", carpet, "< 200 ms");
    Print("assessment after a mark, 500 marks", assessment, "< 50 ms");
    Print("PDF report of the year", pdf, "< 5000 ms");
    return 0;
}
