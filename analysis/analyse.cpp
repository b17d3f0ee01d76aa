#include "analysis/analyse.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vrd {

namespace {

enum class PeriodKind { Day, Evening, Night };

// The three period levels of a set of samples and its Lden.
struct PeriodHistograms {
    explicit PeriodHistograms(const LevelTable& table) : day(table), evening(table), night(table) {}

    LevelHistogram day;
    LevelHistogram evening;
    LevelHistogram night;

    LevelHistogram& Of(PeriodKind kind) {
        return kind == PeriodKind::Day ? day : kind == PeriodKind::Evening ? evening : night;
    }
    PeriodLevels Levels(const Periods& periods) const {
        PeriodLevels levels;
        levels.lday = day.BasicFigures().leq;
        levels.levening = evening.BasicFigures().leq;
        levels.lnight = night.BasicFigures().leq;
        levels.lden = Lden(periods, levels.lday, levels.levening, levels.lnight);
        return levels;
    }
    bool Empty() const { return day.Count() + evening.Count() + night.Count() == 0; }
    void Clear() {
        day.Clear();
        evening.Clear();
        night.Clear();
    }
};

} // namespace

namespace {

// A missing end comes from the records; an end before the other is pulled to it, so that the
// selection is empty rather than reversed.
std::optional<TimeSpan> SelectionOfSpan(std::optional<Minute> firstMinute,
                                        std::optional<Minute> endMinute,
                                        const AnalysisSettings& settings) {
    std::optional<Millis> first;
    std::optional<Millis> end;
    if (firstMinute)
        first = MillisOf(*firstMinute);
    if (endMinute)
        end = MillisOf(*endMinute);
    std::optional<Millis> from = settings.fromTime;
    std::optional<Millis> to = settings.toTime;
    if (!from && !to && !first)
        return std::nullopt;
    if (!from)
        from = !first ? *to : std::min(*first, to.value_or(*first));
    if (!to)
        to = !end ? *from : std::max(*end, *from);
    return TimeSpan{*from, std::max(*from, *to)};
}

} // namespace

std::optional<TimeSpan> SelectionOf(const LevelSeries& series, const AnalysisSettings& settings) {
    const std::optional<Millis> first = series.First();
    const std::optional<Millis> end = series.End();
    return SelectionOfSpan(first ? std::optional<Minute>(MinuteOfMillis(*first)) : std::nullopt,
                           end ? std::optional<Minute>(MinuteAfterMillis(*end)) : std::nullopt,
                           settings);
}

std::optional<TimeSpan> SelectionOf(const MinuteSeries& series, const AnalysisSettings& settings) {
    return SelectionOfSpan(series.First(), series.End(), settings);
}

Millis TimeWithin(const std::vector<TimeSpan>& spans, const TimeSpan& range) {
    Millis time = 0;
    for (const TimeSpan& span : spans)
        time +=
            std::max<Millis>(0, std::min(span.end, range.end) - std::max(span.start, range.start));
    return time;
}

std::optional<double> Lden(const Periods& periods, std::optional<double> lday,
                           std::optional<double> levening, std::optional<double> lnight) {
    // An empty evening weighs nothing, so it has no level to miss.
    const bool evening = periods.EveningMinutes() > 0;
    if (!lday || (evening && !levening) || !lnight)
        return std::nullopt;
    const double dayHours = periods.evening - periods.day;
    const double eveningHours = periods.night - periods.evening;
    const double nightHours = 24 - periods.night + periods.day;
    // Summed day, evening, night, as always, so that the same levels give the same bits.
    double energy = dayHours * std::pow(10.0, *lday / 10.0);
    if (evening)
        energy += eveningHours * std::pow(10.0, (*levening + periods.eveningPenalty) / 10.0);
    energy += nightHours * std::pow(10.0, (*lnight + periods.nightPenalty) / 10.0);
    return EnergyToLevel(energy / 24.0);
}

class Analyser {
  public:
    Analyser(const LevelSeries& series, const AnalysisSettings& settings)
        : series_(series), settings_(settings), overall_(series.Table()), whole_(series.Table()),
          hour_(series.Table()), day_(series.Table()) {
        result_.periods = settings.periods;
        result_.preset = settings.preset;
        result_.threshold = settings.threshold;
        result_.step = series.Step();
        result_.wholeLevels = series.WholeLevels();
        result_.minutes.unreadable = series.Unreadable();
        result_.minutes.duplicate = series.Duplicate();
    }

    AnalysisResult Run() {
        if (settings_.threshold)
            result_.exceedance = Exceedance{};
        const std::optional<TimeSpan> selection = SelectionOf(series_, settings_);
        result_.selection = selection;
        if (!selection) {
            // The guidelines are still stated, with no level to set beside them.
            if (settings_.who)
                result_.who = CompareWithWho(*settings_.who, std::nullopt, std::nullopt);
            return std::move(result_);
        }
        const TimeSpan range = *selection;
        result_.minutes.periodTime = range.Length();
        exclusions_ = MergeExclusions(settings_.exclusions);
        result_.minutes.excludedTime = TimeWithin(exclusions_, range);
        SetUpTables(range);
        Walk(range);
        CountGaps(range);
        FlushHour();
        FlushDay();

        const Millis step = series_.Step();
        result_.overall = overall_.Figures();
        result_.minutes.measured = result_.overall.count;
        result_.minutes.measuredTime = result_.overall.count * step;
        if (range.Length() > 0)
            result_.coverage = static_cast<double>(result_.minutes.measuredTime) /
                               static_cast<double>(range.Length());
        result_.whole = whole_.Levels(settings_.periods);
        if (result_.exceedance)
            result_.exceedance->minutes = overall_.CountAbove(*settings_.threshold);
        if (settings_.who)
            result_.who = CompareWithWho(*settings_.who, result_.whole.lden, result_.whole.lnight);
        return std::move(result_);
    }

  private:
    void SetUpTables(const TimeSpan& range) {
        if (range.Length() == 0)
            return;
        // A date's periods run from its day hour to the next date's day hour; the rows are those
        // of the minutes the selection touches.
        const Interval minutes = MinutesCovering(range);
        const Minute dayStart = settings_.periods.day * kMinutesPerHour;
        result_.days.first_ = DayOfMinute(minutes.from - dayStart);
        result_.days.count_ = DayOfMinute(minutes.to - 1 - dayStart) - result_.days.first_ + 1;
        result_.hours.first_ = minutes.from / kMinutesPerHour;
        result_.hours.count_ = (minutes.to - 1) / kMinutesPerHour - result_.hours.first_ + 1;
    }

    // Whether an exclusion holds time, moving the cursor on; times asked in ascending order.
    bool Excluded(std::size_t& cursor, Millis time) const {
        while (cursor < exclusions_.size() && exclusions_[cursor].end <= time)
            ++cursor;
        return cursor < exclusions_.size() && exclusions_[cursor].start <= time;
    }

    void CountGaps(const TimeSpan& range) {
        const std::vector<Millis>& gaps = series_.GapStarts();
        std::size_t exclusion = 0;
        for (auto gap = std::lower_bound(gaps.begin(), gaps.end(), range.start);
             gap != gaps.end() && *gap < range.end; ++gap)
            if (!Excluded(exclusion, *gap))
                ++result_.minutes.gaps;
    }

    void Walk(const TimeSpan& range) {
        const Periods& periods = settings_.periods;
        const LevelTable& table = series_.Table();
        const Millis step = series_.Step();
        // A sample is above the threshold when its code is at least this one.
        const LevelCode firstAbove =
            settings_.threshold ? table.FirstAbove(*settings_.threshold) : 0;
        std::size_t exclusion = 0;
        std::optional<Millis> aboveEnd;
        std::int64_t run = 0;
        series_.ForEach(range.start, range.end, [&](std::size_t i, Millis start) {
            if (Excluded(exclusion, start))
                return;
            const LevelCode code = series_.Code(i);
            overall_.AddCode(code);

            const std::int64_t hour = start / kMillisPerHour;
            if (hour != hourKey_) {
                FlushHour();
                hourKey_ = hour;
            }
            hour_.AddCode(code);

            const Day date = start / kMillisPerDay;
            const std::int64_t hourOfDay = hour - date * 24;
            PeriodKind kind = PeriodKind::Night;
            Day owner = date;
            if (hourOfDay < periods.day)
                owner = date - 1;
            else if (hourOfDay < periods.evening)
                kind = PeriodKind::Day;
            else if (hourOfDay < periods.night)
                kind = PeriodKind::Evening;
            if (owner != dayKey_) {
                FlushDay();
                dayKey_ = owner;
            }
            day_.Of(kind).AddCode(code);
            whole_.Of(kind).AddCode(code);

            if (result_.exceedance && code >= firstAbove) {
                // Excluded and missing samples are never visited, so they end a run too: a run
                // goes on while the next start is the end of the one before.
                if (aboveEnd && *aboveEnd == start) {
                    ++run;
                } else {
                    ++result_.exceedance->events;
                    run = 1;
                }
                result_.exceedance->longest = std::max(result_.exceedance->longest, run);
                aboveEnd = start + step;
            }
        });
    }

    void FlushHour() {
        if (hour_.Count() == 0)
            return;
        const LevelFigures figures = hour_.BasicFigures();
        HourFigures& row = result_.hours.stored_.emplace_back();
        row.start = hourKey_ * kMinutesPerHour;
        row.leq = figures.leq;
        row.lmax = figures.lmax;
        row.lmin = figures.lmin;
        row.minutes = figures.count;
        hour_.Clear();
    }

    void FlushDay() {
        if (day_.Empty())
            return;
        const Periods& periods = settings_.periods;
        const auto coverage = [&](const LevelHistogram& histogram, Minute minutes) {
            return static_cast<double>(histogram.Count() * series_.Step()) /
                   static_cast<double>(MillisOf(minutes));
        };
        DayFigures& row = result_.days.stored_.emplace_back();
        row.date = dayKey_;
        row.levels = day_.Levels(periods);
        row.coverageDay = coverage(day_.day, periods.DayMinutes());
        if (periods.EveningMinutes() > 0)
            row.coverageEvening = coverage(day_.evening, periods.EveningMinutes());
        row.coverageNight = coverage(day_.night, periods.NightMinutes());
        day_.Clear();
    }

    const LevelSeries& series_;
    const AnalysisSettings& settings_;
    AnalysisResult result_;
    std::vector<TimeSpan> exclusions_;
    LevelHistogram overall_;
    PeriodHistograms whole_;
    LevelHistogram hour_;
    std::int64_t hourKey_ = -1;
    PeriodHistograms day_;
    Day dayKey_ = std::numeric_limits<Day>::min();
};

AnalysisResult Analyse(const LevelSeries& series, const AnalysisSettings& settings) {
    return Analyser(series, settings).Run();
}

AnalysisResult Analyse(const MinuteSeries& series, const AnalysisSettings& settings) {
    return Analyse(LevelSeriesFromMinutes(series), settings);
}

} // namespace vrd
