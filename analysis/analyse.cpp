#include "analysis/analyse.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vrd {

namespace {

enum class PeriodKind { Day, Evening, Night };

// The three period levels of a set of minutes and its Lden.
struct PeriodHistograms {
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

std::optional<Interval> SelectionOf(const MinuteSeries& series, const AnalysisSettings& settings) {
    // A missing end comes from the records; an end before the other is pulled to it, so that
    // the selection is empty rather than reversed.
    std::optional<Minute> from = settings.from;
    std::optional<Minute> to = settings.to;
    if (!from && !to && series.Empty())
        return std::nullopt;
    if (!from)
        from = series.Empty() ? *to : std::min(*series.First(), to.value_or(*series.First()));
    if (!to)
        to = series.Empty() ? *from : std::max(*series.End(), *from);
    return Interval{*from, std::max(*from, *to)};
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
    Analyser(const MinuteSeries& series, const AnalysisSettings& settings)
        : series_(series), settings_(settings) {
        result_.periods = settings.periods;
        result_.preset = settings.preset;
        result_.threshold = settings.threshold;
        result_.minutes.unreadable = series.Unreadable();
        result_.minutes.duplicate = series.Duplicate();
    }

    AnalysisResult Run() {
        if (settings_.threshold)
            result_.exceedance = Exceedance{};
        const std::optional<Interval> selection = SelectionOf(series_, settings_);
        result_.selection = selection;
        if (!selection) {
            // The guidelines are still stated, with no level to set beside them.
            if (settings_.who)
                result_.who = CompareWithWho(*settings_.who, std::nullopt, std::nullopt);
            return std::move(result_);
        }
        const Interval range = *selection;
        result_.minutes.period = range.Length();
        exclusions_ = MergeExclusions(settings_.exclusions);
        for (const Interval& exclusion : exclusions_)
            result_.minutes.excluded += std::max<Minute>(
                0, std::min(exclusion.to, range.to) - std::max(exclusion.from, range.from));
        SetUpTables(range);
        Walk(range);
        FlushHour();
        FlushDay();

        result_.overall = overall_.Figures();
        result_.minutes.measured = result_.overall.count;
        if (range.Length() > 0)
            result_.coverage =
                static_cast<double>(result_.minutes.measured) / static_cast<double>(range.Length());
        result_.whole = whole_.Levels(settings_.periods);
        if (result_.exceedance)
            result_.exceedance->minutes = overall_.CountAbove(*settings_.threshold);
        if (settings_.who)
            result_.who = CompareWithWho(*settings_.who, result_.whole.lden, result_.whole.lnight);
        return std::move(result_);
    }

  private:
    void SetUpTables(const Interval& range) {
        if (range.Length() == 0)
            return;
        // A date's periods run from its day hour to the next date's day hour.
        const Minute dayStart = settings_.periods.day * kMinutesPerHour;
        result_.days.first_ = DayOfMinute(range.from - dayStart);
        result_.days.count_ = DayOfMinute(range.to - 1 - dayStart) - result_.days.first_ + 1;
        result_.hours.first_ = range.from / kMinutesPerHour;
        result_.hours.count_ = (range.to - 1) / kMinutesPerHour - result_.hours.first_ + 1;
    }

    void Walk(const Interval& range) {
        const Periods& periods = settings_.periods;
        auto exclusion = exclusions_.begin();
        std::optional<Minute> lastAbove;
        std::int64_t run = 0;
        for (std::size_t i = series_.LowerBound(range.from); i < series_.Size(); ++i) {
            const SeriesMinute minute = series_.At(i);
            if (minute.minute >= range.to)
                break;
            while (exclusion != exclusions_.end() && exclusion->to <= minute.minute)
                ++exclusion;
            if (exclusion != exclusions_.end() && exclusion->from <= minute.minute)
                continue;
            if (minute.gap) {
                ++result_.minutes.gaps;
                continue;
            }
            overall_.Add(minute.level);

            const Minute hour = minute.minute / kMinutesPerHour;
            if (hour != hourKey_) {
                FlushHour();
                hourKey_ = hour;
            }
            hour_.Add(minute.level);

            const Day date = DayOfMinute(minute.minute);
            const Minute hourOfDay = (minute.minute - StartOfDay(date)) / kMinutesPerHour;
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
            day_.Of(kind).Add(minute.level);
            whole_.Of(kind).Add(minute.level);

            if (result_.exceedance && minute.level > *settings_.threshold) {
                // Excluded and missing minutes are never visited, so they end a run too.
                if (lastAbove && *lastAbove + 1 == minute.minute) {
                    ++run;
                } else {
                    ++result_.exceedance->events;
                    run = 1;
                }
                result_.exceedance->longest = std::max(result_.exceedance->longest, run);
                lastAbove = minute.minute;
            }
        }
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
        DayFigures& row = result_.days.stored_.emplace_back();
        row.date = dayKey_;
        row.levels = day_.Levels(periods);
        row.coverageDay =
            static_cast<double>(day_.day.Count()) / static_cast<double>(periods.DayMinutes());
        if (periods.EveningMinutes() > 0)
            row.coverageEvening = static_cast<double>(day_.evening.Count()) /
                                  static_cast<double>(periods.EveningMinutes());
        row.coverageNight =
            static_cast<double>(day_.night.Count()) / static_cast<double>(periods.NightMinutes());
        day_.Clear();
    }

    const MinuteSeries& series_;
    const AnalysisSettings& settings_;
    AnalysisResult result_;
    std::vector<Interval> exclusions_;
    LevelHistogram overall_;
    PeriodHistograms whole_;
    LevelHistogram hour_;
    std::int64_t hourKey_ = -1;
    PeriodHistograms day_;
    Day dayKey_ = std::numeric_limits<Day>::min();
};

AnalysisResult Analyse(const MinuteSeries& series, const AnalysisSettings& settings) {
    return Analyser(series, settings).Run();
}

} // namespace vrd
