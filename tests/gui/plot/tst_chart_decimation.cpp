// Drawing a long series at the width of the plot: per pixel column the drawn minimum and maximum
// are those of the data; and the arithmetic of zooming and panning an axis.

#include "views/plot/chart_decimation.h"
#include "views/plot/chart_zoom.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

// Levels as the chart draws them: x = 1, 2, ..., y whole decibels with quiet minutes at 55.
QList<QPointF> Levels(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> level(30, 110);
    QList<QPointF> points;
    for (int i = 0; i < count; ++i) {
        const int value = level(random);
        points.append(QPointF(i + 1, value < 60 ? 55 : value));
    }
    return points;
}

struct Span {
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    void Add(double y) {
        lowest = std::min(lowest, y);
        highest = std::max(highest, y);
    }
};

// The lowest and highest level of the points of each column of [fromX, toX].
std::vector<Span> ColumnSpans(const QList<QPointF>& points, double fromX, double toX, int columns) {
    std::vector<Span> spans(static_cast<std::size_t>(columns));
    for (const QPointF& point : points) {
        if (point.x() < fromX || point.x() > toX)
            continue;
        const auto column =
            std::min(columns - 1,
                     static_cast<int>(std::floor((point.x() - fromX) / (toX - fromX) * columns)));
        spans[static_cast<std::size_t>(column)].Add(point.y());
    }
    return spans;
}

} // namespace

class TestChartDecimation final : public QObject {
    Q_OBJECT

  private slots:
    void drawnExtremesAreThoseOfTheData_data();
    void drawnExtremesAreThoseOfTheData();
    void shortRangesAreDrawnWhole();
    void nothingToDraw();
    void zoomKeepsTheAnchorAndStaysInside();
    void panStopsAtTheEdges();
};

void TestChartDecimation::drawnExtremesAreThoseOfTheData_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("fromX");
    QTest::addColumn<double>("toX");
    QTest::addColumn<int>("columns");
    QTest::newRow("a day, whole") << 1440 << 0.0 << 1440.0 << 300;
    QTest::newRow("a day, one column") << 1440 << 0.0 << 1440.0 << 1;
    QTest::newRow("a week, part") << 10080 << 2000.5 << 6123.25 << 977;
    QTest::newRow("a week, from the start") << 10080 << 0.0 << 3000.0 << 1000;
    QTest::newRow("a year, whole") << 525600 << 0.0 << 525600.0 << 1129;
    QTest::newRow("a year, a day in it") << 525600 << 86400.0 << 87840.0 << 640;
    QTest::newRow("uneven columns") << 5000 << 0.0 << 5000.0 << 7;
}

void TestChartDecimation::drawnExtremesAreThoseOfTheData() {
    QFETCH(int, count);
    QFETCH(double, fromX);
    QFETCH(double, toX);
    QFETCH(int, columns);
    const QList<QPointF> points = Levels(count, static_cast<unsigned>(count + columns));
    const QList<QPointF> drawn = DecimateToColumns(points, fromX, toX, columns);

    // At most four points a column, and the two neighbours outside the range.
    QVERIFY2(drawn.size() <= 4 * columns + 2, qPrintable(QString::number(drawn.size())));
    // Points of the data, in their order.
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        const auto index = static_cast<qsizetype>(drawn[i].x()) - 1;
        QCOMPARE(drawn[i], points[index]);
        if (i > 0)
            QVERIFY(drawn[i].x() > drawn[i - 1].x());
    }

    const std::vector<Span> wanted = ColumnSpans(points, fromX, toX, columns);
    const std::vector<Span> got = ColumnSpans(drawn, fromX, toX, columns);
    for (std::size_t column = 0; column < wanted.size(); ++column) {
        QCOMPARE(got[column].lowest, wanted[column].lowest);
        QCOMPARE(got[column].highest, wanted[column].highest);
    }

    // The line runs on to the edges: the nearest point outside each end comes along.
    if (fromX >= 1)
        QCOMPARE(drawn.first().x(), std::ceil(fromX) - 1);
    else
        QCOMPARE(drawn.first().x(), 1.0);
    if (toX < count)
        QCOMPARE(drawn.last().x(), std::floor(toX) + 1);
    else
        QCOMPARE(drawn.last().x(), static_cast<double>(count));
}

void TestChartDecimation::shortRangesAreDrawnWhole() {
    const QList<QPointF> points = Levels(1000, 7);
    // 200 points in the range, 100 columns: every one is drawn, with one neighbour each side.
    const QList<QPointF> drawn = DecimateToColumns(points, 400, 599, 100);
    QCOMPARE(drawn, points.mid(398, 202));
    QCOMPARE(DecimateToColumns(points, 0, 2000, 1000), points);
}

void TestChartDecimation::nothingToDraw() {
    const QList<QPointF> points = Levels(100, 3);
    QVERIFY(DecimateToColumns({}, 0, 10, 100).isEmpty());
    QVERIFY(DecimateToColumns(points, 0, 100, 0).isEmpty());
    QVERIFY(DecimateToColumns(points, 50, 50, 100).isEmpty());
    // A range between two points still draws the line between them.
    QCOMPARE(DecimateToColumns(points, 10.2, 10.8, 100), points.mid(9, 2));
}

void TestChartDecimation::zoomKeepsTheAnchorAndStaysInside() {
    const AxisRange whole{0, 1440};
    // The anchor keeps its place: a quarter of the way along before and after.
    const AxisRange zoomed = ZoomAbout(whole, 360, 0.5, whole, 10);
    QCOMPARE(zoomed.min, 180.0);
    QCOMPARE(zoomed.max, 900.0);
    // Zooming out stops at the whole range, and moves back inside rather than past an edge.
    QCOMPARE(ZoomAbout({0, 100}, 0, 100, whole, 10), whole);
    QCOMPARE(ZoomAbout({1300, 1440}, 1400, 2, whole, 10), (AxisRange{1160, 1440}));
    // Zooming in stops at the least span, still about the anchor.
    QCOMPARE(ZoomAbout({100, 120}, 110, 0.01, whole, 10), (AxisRange{105, 115}));
    // An anchor outside the range counts from the nearer edge.
    QCOMPARE(ZoomAbout({100, 200}, 500, 0.5, whole, 10), (AxisRange{150, 200}));

    QCOMPARE(FitInto({-50, 50}, whole, 10), (AxisRange{0, 100}));
    QCOMPARE(FitInto({1500, 1400}, whole, 10), (AxisRange{1340, 1440}));
    QCOMPARE(FitInto({20, 21}, whole, 10), (AxisRange{15.5, 25.5}));
    QCOMPARE(FitInto({-10, 5000}, whole, 10), whole);
    // Limits narrower than the least span: the limits.
    QCOMPARE(FitInto({0, 1}, AxisRange{0, 3}, 10), (AxisRange{0, 3}));
}

void TestChartDecimation::panStopsAtTheEdges() {
    const AxisRange whole{0, 1440};
    QCOMPARE(PanBy({100, 200}, 50, whole), (AxisRange{150, 250}));
    QCOMPARE(PanBy({100, 200}, -500, whole), (AxisRange{0, 100}));
    QCOMPARE(PanBy({1300, 1400}, 500, whole), (AxisRange{1340, 1440}));
    QCOMPARE(PanBy(whole, 100, whole), whole);

    // The y axis runs upwards: pixel 300 at the bottom, 100 at the top.
    QCOMPARE(ValueAtPixel({40, 120}, 300, 100, 300), 40.0);
    QCOMPARE(ValueAtPixel({40, 120}, 300, 100, 150), 100.0);
    QCOMPARE(ValueAtPixel({0, 1440}, 60, 780, 240), 360.0);
}

QTEST_APPLESS_MAIN(TestChartDecimation)
#include "tst_chart_decimation.moc"
