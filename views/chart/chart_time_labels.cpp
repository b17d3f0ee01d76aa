#include "views/chart/chart_time_labels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <set>
#include <vector>

namespace {

constexpr int kNoMinute = 60;

// The minute of the hour of a row's line ("hh:mm"), kNoMinute when it reads as none.
int MinuteOf(const ChartSeries& series, int row) {
    if (row < 1 || row > series.stamps.size())
        return kNoMinute;
    const std::array<char, 5>& time = series.stamps[row - 1].time;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (time[2] != ':' || !digit(time[3]) || !digit(time[4]))
        return kNoMinute;
    return (time[3] - '0') * 10 + (time[4] - '0');
}

class Chosen {
  public:
    explicit Chosen(const TimeLabelRoom& room) : room_(room) {}

    bool Full() const { return static_cast<int>(rows_.size()) >= room_.most; }
    bool Has(int row) const { return rows_.count(row) != 0; }

    // Takes row when it keeps the gap to every row taken so far.
    bool Take(int row) {
        if (Full())
            return false;
        const auto next = rows_.lower_bound(row);
        if (next != rows_.end() && *next - row < room_.gap)
            return false;
        if (next != rows_.begin() && row - *std::prev(next) < room_.gap)
            return false;
        rows_.insert(next, row);
        return true;
    }

  private:
    const TimeLabelRoom& room_;
    std::set<int> rows_;
};

void AddMinuteGrid(const ChartSeries& series, int first, int last, const TimeLabelRoom& room,
                   double span, Chosen& chosen, QList<TimeLabel>& labels) {
    constexpr std::array<int, 7> kSteps = {1, 2, 5, 10, 15, 30, 60};
    const double most = std::max(1, room.most / 2);
    const int step = *std::find_if(kSteps.begin(), kSteps.end() - 1,
                                   [&](int minutes) { return span / minutes <= most; });
    for (int row = first; row <= last && !chosen.Full(); ++row) {
        const int minute = MinuteOf(series, row);
        if (minute == kNoMinute || minute % step != 0 || !chosen.Take(row))
            continue;
        const std::array<char, 5>& time = series.stamps[row - 1].time;
        labels.append({row, QString::fromLatin1(time.data(), static_cast<qsizetype>(time.size()))});
    }
}

} // namespace

QList<TimeLabel> ChooseTimeLabels(const ChartSeries& series, AxisRange shown,
                                  const TimeLabelRoom& room, bool withMinuteGrid) {
    QList<TimeLabel> labels;
    const int rows = static_cast<int>(series.points.size());
    const int first = std::max(1, static_cast<int>(std::ceil(shown.min + room.leftEdge)));
    const int last = std::min(rows, static_cast<int>(std::floor(shown.max)));
    if (first > last || room.most < 1)
        return labels;

    const auto& marks = series.marks;
    const auto byRow = [](const ChartAxisMark& mark, int row) { return mark.row < row; };
    const auto begin = std::lower_bound(marks.begin(), marks.end(), first, byRow);
    const auto end = std::lower_bound(begin, marks.end(), last + 1, byRow);

    // The first labelled minute of each hour, those nearest the full hour first.
    std::vector<const ChartAxisMark*> firsts;
    for (auto mark = begin; mark != end; ++mark)
        if (!mark->repeat)
            firsts.push_back(&*mark);
    std::stable_sort(firsts.begin(), firsts.end(),
                     [&](const ChartAxisMark* a, const ChartAxisMark* b) {
                         return MinuteOf(series, a->row) < MinuteOf(series, b->row);
                     });
    Chosen chosen(room);
    for (const ChartAxisMark* mark : firsts)
        chosen.Take(mark->row);

    // Then the repeats, where their hour's first minute shows or lies outside the range.
    for (auto mark = begin; mark != end; ++mark) {
        if (!mark->repeat)
            continue;
        const int hourStart = marks[mark->hourStart].row;
        if (hourStart >= first && !chosen.Has(hourStart))
            continue;
        chosen.Take(mark->row);
    }
    for (auto mark = begin; mark != end; ++mark)
        if (chosen.Has(mark->row))
            labels.append({mark->row, mark->label});

    if (withMinuteGrid) {
        AddMinuteGrid(series, first, last, room, shown.Span(), chosen, labels);
        std::sort(labels.begin(), labels.end(),
                  [](const TimeLabel& a, const TimeLabel& b) { return a.row < b.row; });
    }
    return labels;
}
