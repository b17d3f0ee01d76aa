// The chart: one point per complete 1-minute line, quiet minutes and gaps at 55 dB, labels on the
// first charted minute of each hour; fast for a year of minutes.

#include "gui_test_support.h"
#include "views/chart_series.h"
#include "views/frm_graph.h"

#include <QCategoryAxis>
#include <QChart>
#include <QElapsedTimer>
#include <QLegend>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

namespace {

// 13:58, 13:59, 14:00 (72), 14:01 (73), 14:02 (59: quiet), 14:03 gap, 14:04 (60), 15:00 (61).
std::string MinuteLines() {
    return LevelLine(13 * 60 + 58, 65) + LevelLine(13 * 60 + 59, 66) + LevelLine(14 * 60, 72) +
           LevelLine(14 * 60 + 1, 73) + LevelLine(14 * 60 + 2, 59) + GapLine(14 * 60 + 3) +
           LevelLine(14 * 60 + 4, 60) + LevelLine(15 * 60, 61);
}

QStringList Labels(const ChartSeries& series) {
    QStringList labels;
    for (const ChartAxisMark& mark : series.marks)
        labels << QString::number(mark.row) + QLatin1Char(':') + mark.label;
    return labels;
}

} // namespace

class TestChartWindow final : public QObject {
    Q_OBJECT

  private slots:
    void seriesFollowsTheMinutes();
    void windowPlotsTheSeries();
    void timeAxisShowsEachHourOnce();
    void aYearOfMinutesStaysFast();
};

void TestChartWindow::seriesFollowsTheMinutes() {
    const ChartSeries series = BuildChartSeries(MinuteLines());
    // The last line's line feed is the store's last character: that line is not charted.
    QCOMPARE(series.points.size(), 7);
    const QList<double> levels = {65, 66, 72, 73, 55, 55, 60};
    for (qsizetype i = 0; i < levels.size(); ++i)
        QCOMPARE(series.points[i], QPointF(static_cast<double>(i + 1), levels[i]));
    QCOMPARE(Labels(series),
             (QStringList{QStringLiteral("1:12/05/2011-13h"), QStringLiteral("3:12/05/2011-14h"),
                          QStringLiteral("7:12/05/2011-14h")}));
    QCOMPARE(series.lowest, 55.0);
    QCOMPARE(series.highest, 73.0);

    QVERIFY(BuildChartSeries("").points.isEmpty());
    QVERIFY(BuildChartSeries("x").points.isEmpty());
}

void TestChartWindow::windowPlotsTheSeries() {
    frmGraph window;
    QCOMPARE(window.windowTitle(), QStringLiteral("frmGraph"));
    QCOMPARE(window.sizeHint(), QSize(1340, 637));
    window.ShowSeries(BuildChartSeries(MinuteLines()));
    QCOMPARE(window.Levels()->count(), 7);
    QCOMPARE(window.Levels()->at(3), QPointF(4, 73));
    QCOMPARE(window.Levels()->name(), QStringLiteral("Leq 1min"));
    QCOMPARE(window.Levels()->color(), QColor(45, 44, 78));
    QVERIFY(window.Chart()->legend()->isVisible());
    QCOMPARE(window.Chart()->backgroundBrush().color(), QColor(Qt::white));
    QCOMPARE(window.TimeAxis()->titleText(), QStringLiteral("Date"));
    const QList<QAbstractAxis*> levelAxes = window.Chart()->axes(Qt::Vertical);
    QCOMPARE(levelAxes.size(), 2);
    for (QAbstractAxis* axis : levelAxes) {
        QCOMPARE(axis->titleText(), QStringLiteral("LEq level"));
        QVERIFY(axis->isTitleVisible());
    }
    const auto* levelAxis = qobject_cast<QValueAxis*>(levelAxes.first());
    QVERIFY(levelAxis->min() <= 55 && levelAxis->max() >= 73);
}

void TestChartWindow::timeAxisShowsEachHourOnce() {
    frmGraph window;
    window.ShowSeries(BuildChartSeries(MinuteLines()));
    QCOMPARE(window.TimeAxis()->categoriesLabels(),
             (QStringList{QStringLiteral("12/05/2011-13h"), QStringLiteral("12/05/2011-14h")}));
    QCOMPARE(window.TimeAxis()->endValue(QStringLiteral("12/05/2011-14h")), 3.0);

    // A day of loud minutes, shown after the short report: every hour at its first minute.
    std::string day;
    for (int minute = 0; minute < 24 * 60; ++minute)
        day += LevelLine(minute, 70);
    day += "\n";
    window.ShowSeries(BuildChartSeries(day));
    QCOMPARE(window.Levels()->count(), 24 * 60);
    const QStringList labels = window.TimeAxis()->categoriesLabels();
    QCOMPARE(labels.size(), 24);
    QCOMPARE(labels.first(), QStringLiteral("12/05/2011-00h"));
    QCOMPARE(window.TimeAxis()->endValue(QStringLiteral("12/05/2011-23h")), 23.0 * 60 + 1);
}

void TestChartWindow::aYearOfMinutesStaysFast() {
    // 365 days of 1440 minutes, each day with a date of its own (not a real calendar).
    std::string year;
    year.reserve(525'600 * 37);
    for (int day = 0; day < 365; ++day) {
        const std::string date = QStringLiteral("%1/%2/%3")
                                     .arg(day % 28 + 1, 2, 10, QLatin1Char('0'))
                                     .arg(day / 28 % 12 + 1, 2, 10, QLatin1Char('0'))
                                     .arg(2011 + day / 336)
                                     .toStdString();
        for (int minute = 0; minute < 24 * 60; ++minute)
            year += LevelLine(minute, 55 + minute % 30).replace(0, 10, date);
    }
    year += "\n";
    QElapsedTimer timer;
    timer.start();
    frmGraph window;
    window.ShowSeries(BuildChartSeries(year));
    QCOMPARE(window.Levels()->count(), 525'600);
    const qsizetype labels = window.TimeAxis()->categoriesLabels().size();
    QVERIFY2(labels > frmGraph::kMostTimeLabels / 2 && labels <= frmGraph::kMostTimeLabels + 1,
             qPrintable(QString::number(labels)));
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

VRD_GUI_TEST_MAIN(TestChartWindow)
#include "tst_chart_window.moc"
