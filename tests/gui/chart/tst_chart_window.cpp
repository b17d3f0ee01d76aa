// The chart: one point per complete 1-minute line, quiet minutes and gaps at 55 dB, labels on the
// first charted minute of each hour; a year of minutes drawn at the width of the plot; zoom, pan
// and reset by mouse and keys; the read-out under the pointer; saving the chart as PNG.

#include "report/chart_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/chart/chart_time_labels.h"
#include "views/chart/frm_graph.h"
#include "views/plot/chart_series.h"
#include "views/plot/chart_zoom_view.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTest>
#include <QValueAxis>
#include <QWheelEvent>

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

// A day of minutes from 00:00, levels 60 + minute % 40.
std::string Day() {
    std::string day;
    for (int minute = 0; minute < 24 * 60; ++minute)
        day += LevelLine(minute, 60 + minute % 40);
    return day + "\n";
}

AxisRange Shown(const QValueAxis* axis) {
    return {axis->min(), axis->max()};
}

// The viewport pixel at which the plot shows x (and level y).
QPoint PixelOf(const frmGraph& window, double x, double y) {
    const QPointF scene = window.Chart()->mapToPosition(QPointF(x, y), window.Levels());
    return window.View()->mapFromScene(window.Chart()->mapToScene(scene));
}

void Wheel(QWidget* viewport, QPoint at, int notches, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, notches * 120),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

void Mouse(QWidget* viewport, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(viewport, &event);
}

void Drag(QWidget* viewport, QPoint from, QPoint to, Qt::MouseButton button,
          Qt::KeyboardModifiers modifiers = {}) {
    Mouse(viewport, QEvent::MouseButtonPress, from, button, button, modifiers);
    Mouse(viewport, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button, modifiers);
    Mouse(viewport, QEvent::MouseMove, to, Qt::NoButton, button, modifiers);
    Mouse(viewport, QEvent::MouseButtonRelease, to, button, Qt::NoButton, modifiers);
}

struct DrawnLabel {
    QString text; // as drawn, without the zero-width spaces that tell repeats apart
    double x;     // the time-axis value at the label's centre
    QRectF box;   // in scene coordinates
};

// The labels the time axis draws, read from the scene, left to right.
QList<DrawnLabel> DrawnTimeLabels(const frmGraph& window) {
    const QStringList keys = window.TimeAxis()->categoriesLabels();
    QList<DrawnLabel> drawn;
    for (const QGraphicsItem* item : window.Chart()->scene()->items()) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible() || !keys.contains(text->toPlainText()))
            continue;
        const QRectF box = text->sceneBoundingRect();
        const QPointF centre = window.Chart()->mapFromScene(box.center());
        QString plain = text->toPlainText();
        plain.remove(QChar(0x200B));
        drawn.append({plain, window.Chart()->mapToValue(centre, window.Levels()).x(), box});
    }
    std::sort(drawn.begin(), drawn.end(),
              [](const DrawnLabel& a, const DrawnLabel& b) { return a.x < b.x; });
    return drawn;
}

// The axis's labels and where they end, without the zero-width spaces.
QList<std::pair<QString, double>> Keys(const frmGraph& window) {
    QList<std::pair<QString, double>> keys;
    for (const QString& key : window.TimeAxis()->categoriesLabels()) {
        QString text = key;
        keys.append({text.remove(QChar(0x200B)), window.TimeAxis()->endValue(key)});
    }
    return keys;
}

// The label each row carries, row 1 first: ChartData's column 0 as the axis shows it.
std::vector<std::string> RowLabels(const std::string& minutes) {
    return vrd::ChartAxisLabels(vrd::BuildChartData(minutes));
}

int RowOf(const ChartSeries& series, const char* time) {
    for (qsizetype i = 0; i < series.stamps.size(); ++i)
        if (std::string(series.stamps[i].time.data(), 5) == time)
            return static_cast<int>(i) + 1;
    return -1;
}

double PixelsPerRow(const frmGraph& window) {
    return window.Chart()->plotArea().width() /
           (window.TimeAxis()->max() - window.TimeAxis()->min());
}

// The row a drawn label stands at: within the pixel the axis rounds its position to, the row
// whose label (or, on the grid of minutes, whose time) the label's text is; -1 when none.
int RowOfLabel(const frmGraph& window, const DrawnLabel& label,
               const std::vector<std::string>& rowLabels) {
    const double reach = 1.0 / PixelsPerRow(window);
    const ChartSeries& series = window.Series();
    for (auto row = static_cast<int>(std::ceil(label.x - reach));
         row <= static_cast<int>(std::floor(label.x + reach)); ++row) {
        if (row < 1 || row > static_cast<int>(rowLabels.size()))
            continue;
        const std::array<char, 5>& time = series.stamps[row - 1].time;
        if (QString::fromStdString(rowLabels[row - 1]) == label.text ||
            QString::fromLatin1(time.data(), 5) == label.text)
            return row;
    }
    return -1;
}

bool IsHourLabel(const DrawnLabel& label) {
    return label.text.endsWith(QLatin1Char('h'));
}

// Each label at the pixel of its row, with the text its row carries, whole, and no two
// overlapping.
void ExpectAtTheirRows(const frmGraph& window, const QList<DrawnLabel>& drawn,
                       const std::vector<std::string>& rowLabels) {
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        const DrawnLabel& label = drawn[i];
        const QString where = label.text + QStringLiteral(" at ") + QString::number(label.x);
        QVERIFY2(RowOfLabel(window, label, rowLabels) > 0, qPrintable(where));
        if (i > 0)
            QVERIFY2(!drawn[i - 1].box.intersects(label.box), qPrintable(where));
    }
    // None cut short for want of room.
    for (const QGraphicsItem* item : window.Chart()->scene()->items())
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
            QVERIFY(!text->isVisible() || !text->toPlainText().endsWith(QStringLiteral("...")));
}

} // namespace

class TestChartWindow final : public QObject {
    Q_OBJECT

  private slots:
    void seriesFollowsTheMinutes();
    void windowPlotsTheSeries();
    void timeAxisShowsTheRowLabels();
    void labelsStandAtTheirRowsForTheSample();
    void repeatsShowWhereThereIsRoom();
    void labelChoiceDropsButNeverMoves();
    void aYearIsDrawnAtThePlotsWidth();
    void wheelZoomsAboutThePointer();
    void dragZoomsPansAndKeysReset();
    void zoomedTimeAxisShowsMinutes();
    void readoutShowsTheMinuteUnderThePointer();
    void savesTheChartAsPng();

  private:
    static void ShowDay(frmGraph& window);
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
    // The whole report on round numbers, on both sides.
    QCOMPARE(levelAxis->tickType(), QValueAxis::TicksFixed);
    QCOMPARE(qobject_cast<QValueAxis*>(levelAxes.last())->tickType(), QValueAxis::TicksFixed);
}

void TestChartWindow::timeAxisShowsTheRowLabels() {
    frmGraph window;
    window.ShowSeries(BuildChartSeries(MinuteLines()));
    // 14:04 follows two minutes drawn at 55 dB: its label shows again.
    QCOMPARE(Keys(window),
             (QList<std::pair<QString, double>>{{QStringLiteral("12/05/2011-13h"), 1},
                                                {QStringLiteral("12/05/2011-14h"), 3},
                                                {QStringLiteral("12/05/2011-14h"), 7}}));

    // A day of loud minutes, shown after the short report: every hour at its first minute, but
    // 00:00 at the very start of the axis, which has no room for it.
    std::string day;
    for (int minute = 0; minute < 24 * 60; ++minute)
        day += LevelLine(minute, 70);
    day += "\n";
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowSeries(BuildChartSeries(day));
    QTRY_VERIFY(window.Chart()->plotArea().width() > 100);
    QCOMPARE(window.Levels()->count(), 24 * 60);
    const QList<std::pair<QString, double>> keys = Keys(window);
    QCOMPARE(keys.size(), 23);
    QCOMPARE(keys.first(), std::make_pair(QStringLiteral("12/05/2011-01h"), 61.0));
    QCOMPARE(keys.last(), std::make_pair(QStringLiteral("12/05/2011-23h"), 23.0 * 60 + 1));
    QTRY_COMPARE(DrawnTimeLabels(window).size(), 23);
}

// The sample report: each label drawn at the minute whose row carries it. The first labelled
// minutes of 06h (06:52) and 07h (07:00) lie too close for both at this width: the one on the
// full hour stays, and so 07:00 and 08:00 carry 07h and 08h, with the day's highest minute,
// 103 dB at 08:02, right of 08h.
void TestChartWindow::labelsStandAtTheirRowsForTheSample() {
    const CoreOpen sample =
        OpenWithCore(QFINDTESTDATA("../../../samples/sample.vrd"), vrd::ReportKind::Encoded);
    QVERIFY(!sample.outcome.failure);
    const std::string& minutes = sample.state.MinuteLines;
    const std::vector<std::string> rowLabels = RowLabels(minutes);
    frmGraph window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowSeries(BuildChartSeries(minutes));
    QTRY_VERIFY(window.Chart()->plotArea().width() > 100);
    QTest::qWait(50);

    QList<DrawnLabel> drawn = DrawnTimeLabels(window);
    ExpectAtTheirRows(window, drawn, rowLabels);
    const int at0700 = RowOf(window.Series(), "07:00");
    const int at0800 = RowOf(window.Series(), "08:00");
    const int at0802 = RowOf(window.Series(), "08:02");
    QCOMPARE(window.Series().points[at0802 - 1].y(), 103.0);
    QStringList texts;
    for (const DrawnLabel& label : drawn)
        texts << label.text;
    QCOMPARE(texts.count(QStringLiteral("12/05/2011-07h")), 1);
    QCOMPARE(texts.count(QStringLiteral("12/05/2011-08h")), 1);
    for (const DrawnLabel& label : drawn) {
        if (label.text == QStringLiteral("12/05/2011-07h"))
            QCOMPARE(RowOfLabel(window, label, rowLabels), at0700);
        if (label.text == QStringLiteral("12/05/2011-08h")) {
            QCOMPARE(RowOfLabel(window, label, rowLabels), at0800);
            QVERIFY(label.x < at0802);
        }
    }
    QVERIFY(drawn.size() >= 10);

    // Zoomed into 07:00 to 08:00, every label of those rows shows, the repeats after a minute
    // drawn at 55 dB included; only the one at the very start has no room.
    window.View()->Show({at0700 - 0.5, at0800 + 0.5}, Shown(window.LevelAxis()));
    window.Redraw();
    QTest::qWait(50);
    drawn = DrawnTimeLabels(window);
    ExpectAtTheirRows(window, drawn, rowLabels);
    QList<int> expected;
    for (int row = at0700 + 1; row <= at0800; ++row)
        if (!rowLabels[row - 1].empty())
            expected << row;
    QList<int> drawnRows;
    for (const DrawnLabel& label : drawn)
        if (IsHourLabel(label))
            drawnRows << RowOfLabel(window, label, rowLabels);
    QCOMPARE(drawnRows, expected);
    QVERIFY(expected.size() > 10);
}

// Levels ramping through 55-65 dB over and over: each hour's label repeats after every run of
// minutes drawn at 55 dB. Thinning keeps the first labelled minute of each hour before any
// repeat of it, and a zoomed chart shows every repeat.
void TestChartWindow::repeatsShowWhereThereIsRoom() {
    std::string ramp;
    for (int minute = 0; minute < 12 * 60; ++minute)
        ramp += LevelLine(minute, 55 + minute % 11);
    ramp += "\n";
    const std::vector<std::string> rowLabels = RowLabels(ramp);
    frmGraph window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowSeries(BuildChartSeries(ramp));
    QTRY_VERIFY(window.Chart()->plotArea().width() > 100);
    QTest::qWait(50);

    // The whole of it: each hour's first labelled minute (but 00:05, at the very start), and
    // repeats only between them, never one of an hour whose first minute is left out.
    QList<DrawnLabel> drawn = DrawnTimeLabels(window);
    ExpectAtTheirRows(window, drawn, rowLabels);
    const ChartSeries& series = window.Series();
    QSet<int> drawnRows;
    for (const DrawnLabel& label : drawn)
        drawnRows.insert(RowOfLabel(window, label, rowLabels));
    int firsts = 0;
    for (const ChartAxisMark& mark : series.marks) {
        const ChartAxisMark& hourStart = series.marks[mark.hourStart];
        if (!mark.repeat && mark.row > 20) {
            QVERIFY2(drawnRows.contains(mark.row), qPrintable(mark.label));
            ++firsts;
        }
        if (mark.repeat && drawnRows.contains(mark.row) && hourStart.row > 20)
            QVERIFY2(drawnRows.contains(hourStart.row), qPrintable(mark.label));
    }
    QCOMPARE(firsts, 11);
    QVERIFY(drawn.size() > 11);

    // One hour, 03:00 to 04:00: every label of its rows.
    window.View()->Show({180.5, 240.5}, Shown(window.LevelAxis()));
    window.Redraw();
    QTest::qWait(50);
    drawn = DrawnTimeLabels(window);
    ExpectAtTheirRows(window, drawn, rowLabels);
    QList<int> expected;
    for (int row = 181; row <= 240; ++row)
        if (!rowLabels[row - 1].empty())
            expected << row;
    QList<int> hourRows;
    for (const DrawnLabel& label : drawn)
        if (IsHourLabel(label))
            hourRows << RowOfLabel(window, label, rowLabels);
    QCOMPARE(hourRows, expected);
    QCOMPARE(expected.size(), 6);
}

// What the axis chooses, by the numbers: room for labels at least 10 rows apart.
void TestChartWindow::labelChoiceDropsButNeverMoves() {
    // 06:52 (first of 06h), 07:00 (first of 07h), 07:05 and 07:30 (repeats), 08:00 (first).
    const std::string lines = LevelLine(6 * 60 + 52, 61) + LevelLine(6 * 60 + 53, 50) +
                              LevelLine(7 * 60, 62) + LevelLine(7 * 60 + 1, 50) +
                              LevelLine(7 * 60 + 5, 63) + LevelLine(7 * 60 + 6, 50) +
                              LevelLine(7 * 60 + 30, 64) + LevelLine(8 * 60, 65) + "\n";
    const ChartSeries series = BuildChartSeries(lines);
    QCOMPARE(series.marks.size(), 5);
    const auto rows = [](const QList<TimeLabel>& labels) {
        QList<int> chosen;
        for (const TimeLabel& label : labels)
            chosen << label.row;
        return chosen;
    };
    TimeLabelRoom room;
    room.gap = 1;
    room.most = 10;
    // Room for all: every row label, at its row.
    const QList<TimeLabel> all = ChooseTimeLabels(series, {0, 8}, room, false);
    QCOMPARE(rows(all), (QList<int>{1, 3, 5, 7, 8}));
    QCOMPARE(all[2].text, QStringLiteral("12/05/2011-07h"));
    // 06:52 and 07:00 too close: the full hour wins; neither repeat of 07h has room.
    room.gap = 3;
    QCOMPARE(rows(ChooseTimeLabels(series, {0, 8}, room, false)), (QList<int>{3, 8}));
    room.gap = 2;
    QCOMPARE(rows(ChooseTimeLabels(series, {0, 8}, room, false)), (QList<int>{1, 3, 5, 8}));
    // 07:10 loses to 06:00, the full hour: then no repeat of 07h shows either, though it has room.
    const ChartSeries late07 =
        BuildChartSeries(LevelLine(6 * 60, 61) + LevelLine(7 * 60 + 10, 62) +
                         LevelLine(7 * 60 + 11, 50) + LevelLine(7 * 60 + 12, 63) +
                         LevelLine(7 * 60 + 13, 50) + LevelLine(7 * 60 + 14, 50) + "\n");
    QCOMPARE(rows(ChooseTimeLabels(late07, {0, 6}, room, false)), (QList<int>{1}));
    // A repeat whose hour's first minute lies before the range shows.
    QCOMPARE(rows(ChooseTimeLabels(series, {4, 8}, room, false)), (QList<int>{5, 8}));
    // Nothing in the room kept free at the start.
    room.leftEdge = 1.5;
    QCOMPARE(rows(ChooseTimeLabels(series, {0, 8}, room, false)), (QList<int>{3, 5, 8}));
    room.leftEdge = 0;
    // A room for two labels.
    room.gap = 1;
    room.most = 2;
    QCOMPARE(rows(ChooseTimeLabels(series, {0, 8}, room, false)), (QList<int>{3, 8}));
}

void TestChartWindow::aYearIsDrawnAtThePlotsWidth() {
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
            year += LevelLine(minute, 55 + (minute * 7 + day) % 50).replace(0, 10, date);
    }
    year += "\n";
    frmGraph window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowSeries(BuildChartSeries(year));
    window.Redraw();
    QCOMPARE(window.Series().points.size(), 525'600);
    const auto columns = static_cast<qsizetype>(std::ceil(window.Chart()->plotArea().width()));
    QVERIFY2(window.Levels()->count() <= 4 * columns + 2,
             qPrintable(QString::number(window.Levels()->count())));
    // Every peak and dip of the year is still drawn.
    const QList<QPointF> drawn = window.Levels()->points();
    const auto [low, high] = std::minmax_element(
        drawn.begin(), drawn.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    QCOMPARE(low->y(), window.Series().lowest);
    QCOMPARE(high->y(), window.Series().highest);
    QCOMPARE(drawn.first(), window.Series().points.first());
    QCOMPARE(drawn.last(), window.Series().points.last());
    const qsizetype labels = window.TimeAxis()->categoriesLabels().size();
    QVERIFY2(labels > 10 && labels <= 60, qPrintable(QString::number(labels)));

    // Zoomed into one day, that day is drawn minute by minute.
    window.View()->Show({1440 * 100, 1440 * 101}, Shown(window.LevelAxis()));
    window.Redraw();
    QCOMPARE(window.Levels()->count(), 1440 + 1 + 2);
    QCOMPARE(window.Levels()->at(1), window.Series().points[1440 * 100 - 1]);
}

void TestChartWindow::ShowDay(frmGraph& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowSeries(BuildChartSeries(Day()));
    // Until the first layout the plot has no size.
    QTRY_VERIFY(window.Chart()->plotArea().width() > 100);
}

void TestChartWindow::wheelZoomsAboutThePointer() {
    frmGraph window;
    ShowDay(window);
    ChartZoomView* view = window.View();
    const AxisRange whole = Shown(window.TimeAxis());
    const AxisRange levels = Shown(window.LevelAxis());
    QCOMPARE(whole, (AxisRange{0, 1440}));
    QVERIFY(!view->IsZoomed());

    // Two notches at 06:00: a range of 0.64 of the day, with 06:00 where it was.
    const QPoint at = PixelOf(window, 360, 70);
    Wheel(view->viewport(), at, 2);
    const AxisRange zoomed = Shown(window.TimeAxis());
    QCOMPARE(zoomed.Span(), 1440 * 0.64);
    QVERIFY(std::abs((360 - zoomed.min) / zoomed.Span() - 0.25) < 0.01);
    QCOMPARE(Shown(window.LevelAxis()), levels);
    QVERIFY(view->IsZoomed());

    // With Ctrl the level axis zooms, and the axis on the right follows.
    Wheel(view->viewport(), at, 1, Qt::ControlModifier);
    QCOMPARE(Shown(window.TimeAxis()), zoomed);
    QVERIFY(window.LevelAxis()->max() - window.LevelAxis()->min() < levels.Span());
    const QList<QAbstractAxis*> right = window.Chart()->axes(Qt::Vertical);
    const auto* second = qobject_cast<QValueAxis*>(right.last());
    QCOMPARE(Shown(second), Shown(window.LevelAxis()));

    // Zooming far out stops at the whole day; far in, at ten minutes.
    Wheel(view->viewport(), at, -50);
    QCOMPARE(Shown(window.TimeAxis()), whole);
    Wheel(view->viewport(), at, 100);
    QCOMPARE(Shown(window.TimeAxis()).Span(), ChartZoomView::kLeastMinutes);
}

void TestChartWindow::dragZoomsPansAndKeysReset() {
    frmGraph window;
    ShowDay(window);
    ChartZoomView* view = window.View();
    QWidget* viewport = view->viewport();
    const AxisRange levels = Shown(window.LevelAxis());

    // A rectangle from 06:00 at 90 dB to 12:00 at 70 dB.
    Drag(viewport, PixelOf(window, 360, 90), PixelOf(window, 720, 70), Qt::LeftButton);
    AxisRange x = Shown(window.TimeAxis());
    AxisRange y = Shown(window.LevelAxis());
    QVERIFY2(std::abs(x.min - 360) < 5 && std::abs(x.max - 720) < 5,
             qPrintable(QStringLiteral("%1..%2").arg(x.min).arg(x.max)));
    QVERIFY2(std::abs(y.min - 70) < 1 && std::abs(y.max - 90) < 1,
             qPrintable(QStringLiteral("%1..%2").arg(y.min).arg(y.max)));
    // Zoomed level axes tick on whole decibels.
    QCOMPARE(window.LevelAxis()->tickType(), QValueAxis::TicksDynamic);
    QCOMPARE(window.LevelAxis()->tickInterval(), 5.0);

    // A click is no rectangle; a flat rectangle zooms the time only.
    Drag(viewport, PixelOf(window, 500, 80), PixelOf(window, 501, 80), Qt::LeftButton);
    QCOMPARE(Shown(window.TimeAxis()), x);
    Drag(viewport, PixelOf(window, 400, 80), PixelOf(window, 500, 80), Qt::LeftButton);
    QVERIFY(std::abs(Shown(window.TimeAxis()).min - 400) < 5);
    QCOMPARE(Shown(window.LevelAxis()), y);
    x = Shown(window.TimeAxis());

    // Dragging with the middle button moves the range by as much as the pointer moved, and stops
    // at the start of the report.
    Drag(viewport, PixelOf(window, 450, 80), PixelOf(window, 430, 80), Qt::MiddleButton);
    AxisRange panned = Shown(window.TimeAxis());
    QVERIFY(std::abs(panned.min - (x.min + 20)) < 1);
    QCOMPARE(panned.Span(), x.Span());
    Drag(viewport, PixelOf(window, 430, 80), PixelOf(window, 430, 80) + QPoint(20000, 0),
         Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(Shown(window.TimeAxis()).min, 0.0);

    // The arrow keys pan by a tenth of the range, + and - zoom, Home shows the whole day.
    view->setFocus();
    x = Shown(window.TimeAxis());
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(Shown(window.TimeAxis()).min, x.min + x.Span() / 10);
    QTest::keyClick(view, Qt::Key_Minus);
    QCOMPARE(Shown(window.TimeAxis()).Span(), x.Span() / ChartZoomView::kZoomStep);
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(Shown(window.TimeAxis()), (AxisRange{0, 1440}));
    QCOMPARE(Shown(window.LevelAxis()), levels);
    QCOMPARE(window.LevelAxis()->tickType(), QValueAxis::TicksFixed);

    // The context menu offers the same, and "Save chart as PNG".
    QStringList entries;
    for (const QAction* action : view->actions())
        if (!action->isSeparator())
            entries << action->text();
    QCOMPARE(entries,
             (QStringList{QStringLiteral("Zoom in"), QStringLiteral("Zoom out"),
                          QStringLiteral("Reset zoom"), QStringLiteral("Save chart as PNG")}));
    window.View()->ZoomTime(0.5);
    QVERIFY(view->IsZoomed());
    window.ResetZoomAction()->trigger();
    QVERIFY(!view->IsZoomed());
    QTest::keyClick(view, Qt::Key_Plus);
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!view->IsZoomed());
}

void TestChartWindow::zoomedTimeAxisShowsMinutes() {
    frmGraph window;
    ShowDay(window);
    // 13:00 to 14:00 is rows 781 to 841, shown with a minute before: full hours with date and
    // hour, between them every five minutes.
    window.View()->Show({780, 841}, Shown(window.LevelAxis()));
    QTRY_COMPARE(window.TimeAxis()->categoriesLabels().size(), 13);
    const QStringList labels = window.TimeAxis()->categoriesLabels();
    QCOMPARE(labels.first(), QStringLiteral("12/05/2011-13h"));
    QCOMPARE(labels.at(1), QStringLiteral("13:05"));
    QCOMPARE(window.TimeAxis()->endValue(QStringLiteral("13:05")), 786.0);
    QCOMPARE(labels.last(), QStringLiteral("12/05/2011-14h"));
    // Back to the whole day: the hours again (but 00h at the very start of the axis).
    window.View()->ResetZoom();
    QTRY_COMPARE(window.TimeAxis()->categoriesLabels().size(), 23);
}

void TestChartWindow::readoutShowsTheMinuteUnderThePointer() {
    frmGraph window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowSeries(BuildChartSeries(MinuteLines()));
    QTRY_VERIFY(window.Chart()->plotArea().width() > 100);
    QWidget* viewport = window.View()->viewport();
    const QString hint = window.Readout()->text();

    const auto pointAt = [&](double x) {
        Mouse(viewport, QEvent::MouseMove, PixelOf(window, x, 60), Qt::NoButton, Qt::NoButton);
        return window.Readout()->text();
    };
    QCOMPARE(pointAt(4.2), QStringLiteral("Date: 12/05/2011\nTime: 14:01\nLevel: 73 dBA"));
    // The nearest minute; quiet minutes and gaps say what was drawn instead.
    QCOMPARE(pointAt(4.6),
             QStringLiteral("Date: 12/05/2011\nTime: 14:02\nLevel: 59 dBA, drawn at 55"));
    QCOMPARE(pointAt(6),
             QStringLiteral("Date: 12/05/2011\nTime: 14:03\nLevel: none (gap), drawn at 55"));

    // Off the plot, the hint again.
    Mouse(viewport, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
    QCOMPARE(window.Readout()->text(), hint);

    // A line too short for a level is read as blank, not past its end.
    const ChartSeries shortLine = BuildChartSeries("12/05/2011 - 17:0\nx");
    QCOMPARE(shortLine.points.size(), 1);
    const ChartReadout readout = ReadoutFor(shortLine, 0);
    QCOMPARE(readout.time, QStringLiteral("17:0"));
    QCOMPARE(readout.level, QStringLiteral("none (gap), drawn at 55"));
    QCOMPARE(ReadoutFor(shortLine, 1).date, QString());
}

void TestChartWindow::savesTheChartAsPng() {
    TestFiles files;
    frmGraph window;
    ShowDay(window);
    window.SetReportIdentity(QStringLiteral("/data/north gate.vrd"),
                             QStringLiteral("Chantier Nord"));
    window.View()->ZoomTime(0.25);
    QList<QString> answers;
    QStringList suggested;
    window.SetSavePathChooser([&](QWidget*, const QString& name) -> std::optional<QString> {
        suggested << name;
        if (answers.isEmpty())
            return std::nullopt;
        return answers.takeFirst();
    });

    // Cancelled: nothing written, nothing said.
    QVERIFY(!window.SaveChartAsPng());
    QCOMPARE(suggested, QStringList{QStringLiteral("chart.png")});
    QCOMPARE(TakeWarning(window), QString());

    // Saved while a minute is pointed at: the image leaves the mark out, the chart keeps it.
    QWidget* viewport = window.View()->viewport();
    Mouse(viewport, QEvent::MouseMove, PixelOf(window, 720, 70), Qt::NoButton, Qt::NoButton);
    const QString path = files.Path(QStringLiteral("zoomed chart.png"));
    answers << path;
    window.SavePngAction()->trigger();
    QList<QString> legend;
    for (const QLegendMarker* marker : window.Chart()->legend()->markers())
        if (marker->isVisible())
            legend << marker->label();
    QCOMPARE(legend, QList<QString>{QStringLiteral("Leq 1min")});
    QVERIFY(window.Readout()->text().startsWith(QStringLiteral("Date: ")));
    Mouse(viewport, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    const QImage shown = window.View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The chart as shown, under a band with the title line: the file, the site and the period.
    QCOMPARE(image.width(), shown.width());
    const int band = image.height() - shown.height();
    QVERIFY2(band > 10 && band < 40, qPrintable(QString::number(band)));
    QCOMPARE(image.copy(0, band, shown.width(), shown.height()), shown);
    int dark = 0;
    for (int y = 0; y < band; ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    QVERIFY2(dark > 100, qPrintable(QString::number(dark)));
    QCOMPARE(window.TitleLine(), QStringLiteral("/data/north gate.vrd \u2014 Chantier Nord \u2014 "
                                                "12/05/2011 08:59 to 12/05/2011 14:59"));
    QCOMPARE(TakeWarning(window), QString());

    // A folder that is not there: a warning with the file and the reason, and no file.
    const QString nowhere = files.Path(QStringLiteral("missing/chart.png"));
    answers << nowhere;
    QVERIFY(!window.SaveChartAsPng());
    const QString warning = TakeWarning(window);
    QVERIFY2(warning.startsWith(QLatin1Char('"') + nowhere +
                                QStringLiteral("\" could not be written: ")),
             qPrintable(warning));
    QVERIFY(warning.size() > nowhere.size() + 30);
    QVERIFY(!QFile::exists(nowhere));
}

VRD_GUI_TEST_MAIN(TestChartWindow)
#include "tst_chart_window.moc"
