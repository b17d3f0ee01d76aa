#pragma once
// The whole analysis of a series: the counts of samples, the figures of the selection, Lday,
// Levening, Lnight and Lden, the table of days and the table of hours, and the exceedance.
//
// A sample belongs to the selection, a period, an hour or an exclusion when its start lies in it,
// and counts for the series' step; at the devices' 60-s step every sample is a minute and every
// count one of minutes.
//
// Lden = 10·log10(((e-d)·10^(Lday/10) + (n-e)·10^((Levening+PE)/10)
//                  + (24-n+d)·10^((Lnight+PN)/10)) / 24), null when any of the three is null; an
// empty evening (e == n) has no level and is left out.

#include "analysis/analysis_settings.h"
#include "analysis/level_figures.h"
#include "analysis/level_series.h"
#include "analysis/minute_series.h"
#include "analysis/range_statistics.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vrd {

struct MinuteCounts {
    Millis periodTime = 0;       // the selection's length
    Millis excludedTime = 0;     // of it, excluded
    std::int64_t measured = 0;   // samples with a level, not excluded
    Millis measuredTime = 0;     // the time they stand for: measured times the step
    std::int64_t gaps = 0;       // gap records without a level, not excluded
    std::int64_t unreadable = 0; // records (rows) whose date, time or level could not be read
    std::int64_t duplicate = 0;  // level records on a time that already had one
};

struct PeriodLevels {
    std::optional<double> lday;
    std::optional<double> levening;
    std::optional<double> lnight;
    std::optional<double> lden;
};

// One calendar day D: its day, evening and night (which runs into D+1), each over the samples
// that lie in the selection and are not excluded; coverage is the measured time over the whole
// period's length (0 for an empty evening, which EveningCoverage tells apart).
struct DayFigures {
    Day date = 0;
    PeriodLevels levels;
    double coverageDay = 0;
    double coverageEvening = 0;
    double coverageNight = 0;
};

// The evening's coverage, nullopt when the periods leave no evening.
inline std::optional<double> EveningCoverage(const DayFigures& day, const Periods& periods) {
    if (periods.EveningMinutes() == 0)
        return std::nullopt;
    return day.coverageEvening;
}

// One clock hour: its measured samples in the selection, not excluded.
struct HourFigures {
    Minute start = 0;
    std::optional<double> leq;
    std::optional<double> lmax;
    std::optional<double> lmin;
    std::int64_t minutes = 0; // samples: minutes at a 60-s step
};

inline std::int64_t KeyOf(const DayFigures& row) {
    return row.date;
}
inline std::int64_t KeyOf(const HourFigures& row) {
    return row.start / kMinutesPerHour;
}
template <typename Row> Row EmptyRow(std::int64_t key);
template <> inline DayFigures EmptyRow<DayFigures>(std::int64_t key) {
    DayFigures row;
    row.date = key;
    return row;
}
template <> inline HourFigures EmptyRow<HourFigures>(std::int64_t key) {
    HourFigures row;
    row.start = key * kMinutesPerHour;
    return row;
}

// A table with one row per day (or hour) of the selection. Only rows with a measured sample are
// stored, so that a selection across centuries costs nothing; At gives every row, the empty ones
// with null levels.
template <typename Row> class SparseTable {
  public:
    std::int64_t Size() const { return count_; }
    Row At(std::int64_t index) const;

    // The rows that are stored, ascending.
    const std::vector<Row>& Stored() const { return stored_; }

  private:
    friend class Analyser;
    std::int64_t first_ = 0; // the day number or hour number (start minute / 60) of row 0
    std::int64_t count_ = 0;
    std::vector<Row> stored_;
};

struct AnalysisResult {
    // The selection; nullopt when there is no readable record and neither end was given.
    std::optional<TimeSpan> selection;
    Periods periods;
    std::string preset; // as in the settings
    std::optional<double> threshold;
    Millis step = kMillisPerMinute; // the series' step
    bool wholeLevels = true;        // every level of the series a whole number of dB
    MinuteCounts minutes;
    LevelFigures overall;
    std::optional<double> coverage;       // measured time / period; nullopt for an empty selection
    PeriodLevels whole;                   // over all day, all evening and all night samples
    SparseTable<DayFigures> days;         // every date one of whose periods overlaps the selection
    SparseTable<HourFigures> hours;       // every clock hour that overlaps the selection
    std::optional<Exceedance> exceedance; // nullopt without a threshold
    std::optional<WhoComparison> who;     // of the whole Lden and Lnight; nullopt unless asked
};

template <typename Row> Row SparseTable<Row>::At(std::int64_t index) const {
    const std::int64_t key = first_ + index;
    std::size_t low = 0;
    std::size_t high = stored_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (KeyOf(stored_[middle]) < key)
            low = middle + 1;
        else
            high = middle;
    }
    if (low < stored_.size() && KeyOf(stored_[low]) == key)
        return stored_[low];
    return EmptyRow<Row>(key);
}

// The selection of settings over series: a missing end defaults to the minute of the first
// readable record or to the end of the last's, rounded up to a minute; nullopt when both are
// missing and there is no record.
std::optional<TimeSpan> SelectionOf(const LevelSeries& series, const AnalysisSettings& settings);
std::optional<TimeSpan> SelectionOf(const MinuteSeries& series, const AnalysisSettings& settings);

// The time of the spans that lies in range; spans sorted and disjoint.
Millis TimeWithin(const std::vector<TimeSpan>& spans, const TimeSpan& range);

// One pass over the series.
AnalysisResult Analyse(const LevelSeries& series, const AnalysisSettings& settings);
AnalysisResult Analyse(const MinuteSeries& series, const AnalysisSettings& settings);

// Lden of three period levels; nullopt when any is missing.
std::optional<double> Lden(const Periods& periods, std::optional<double> lday,
                           std::optional<double> levening, std::optional<double> lnight);

} // namespace vrd
