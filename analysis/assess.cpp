#include "analysis/assess.h"

#include "analysis/analyse.h"
#include "analysis/marks_outside.h"
#include "analysis/minute_marks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vrd {

std::optional<std::size_t> AssessmentResult::Held(std::int64_t index) const {
    const auto at = std::lower_bound(heldIndices_.begin(), heldIndices_.end(), index);
    if (at == heldIndices_.end() || *at != index)
        return std::nullopt;
    return static_cast<std::size_t>(at - heldIndices_.begin());
}

EmergencePeriod AssessmentResult::Period(std::int64_t index) const {
    if (const std::optional<std::size_t> held = Held(index); held && *held < heldPeriods_.size())
        return heldPeriods_[*held];
    const AssessmentPeriod period = calendar.At(index);
    return {period.date, period.label, {}};
}

BackgroundInterval AssessmentResult::BackgroundIntervalAt(std::int64_t index) const {
    if (const std::optional<std::size_t> held = Held(index); held && *held < heldIntervals_.size())
        return heldIntervals_[*held];
    const AssessmentPeriod period = calendar.At(index);
    BackgroundInterval interval;
    interval.start = period.interval.from;
    interval.length = period.interval.Length();
    interval.label = period.label;
    return interval;
}

class Assessor {
  public:
    Assessor(const LevelSeries& series, const AnalysisSettings& settings,
             const AssessmentSettings& assessment)
        : series_(series), settings_(settings), assessment_(assessment),
          marks_(settings, SpanOfRecords(series)), ambient_(series.Table()),
          residual_(series.Table()), pools_{Pool(series.Table()), Pool(series.Table()),
                                            Pool(series.Table())},
          meanL90_(assessment.standard == Standard::Bs4142 && series.Samples().HasL90()) {}

    AssessmentResult Run() {
        result_.settings = assessment_;
        result_.step = series_.Step();
        result_.backgroundFromL90 = meanL90_;
        result_.selection = SelectionOf(series_, settings_);
        result_.marksOutside = MarksOutside(series_, settings_);
        if (result_.selection) {
            const TimeSpan range = *result_.selection;
            // The calendar's periods are whole minutes: those the selection touches.
            result_.calendar = AssessmentCalendar(
                assessment_.standard, range.Length() > 0 ? MinutesCovering(range) : Interval{});
            result_.minutes.excludedTime = TimeWithin(marks_.Excluded(), range);
            Walk(range);
            Flush();
        }
        if (assessment_.standard == Standard::Bs4142)
            FinishBackground();
        else
            FinishEmergence();
        return std::move(result_);
    }

  private:
    struct Pool {
        explicit Pool(const LevelTable& table) : ambient(table), residual(table) {}
        LevelHistogram ambient;
        LevelHistogram residual;
        std::vector<double> l90s;
    };

    void Walk(const TimeSpan& range) {
        ForEachMeasuredSample(series_, range, marks_,
                              [this](std::size_t index, Millis start, MinuteClass kind) {
                                  ++result_.minutes.measured;
                                  if (kind != MinuteClass::Unmarked)
                                      Add(index, start, kind);
                              });
    }

    void Add(std::size_t index, Millis start, MinuteClass kind) {
        if (start >= periodEnd_) {
            Flush();
            index_ = result_.calendar.IndexOf(MinuteOfMillis(start));
            period_ = result_.calendar.At(index_);
            periodEnd_ = MillisOf(period_.interval.to);
        }
        if (kind == MinuteClass::Source) {
            ++result_.minutes.source;
            ambient_.AddCode(series_.Code(index));
        } else {
            ++result_.minutes.residual;
            residual_.AddCode(series_.Code(index));
            if (meanL90_) {
                const float l90 = series_.Samples().L90(index);
                if (!std::isnan(l90)) {
                    l90Sum_ += static_cast<double>(l90);
                    ++l90Count_;
                }
            }
        }
    }

    // Keeps the figures of the period walked so far, if it had a source or residual minute.
    void Flush() {
        if (ambient_.Count() == 0 && residual_.Count() == 0)
            return;
        Pool& pool = pools_[static_cast<std::size_t>(period_.label)];
        result_.heldIndices_.push_back(index_);
        if (assessment_.standard == Standard::Bs4142) {
            BackgroundInterval& interval = result_.heldIntervals_.emplace_back();
            interval.start = period_.interval.from;
            interval.length = period_.interval.Length();
            interval.label = period_.label;
            interval.minutes = residual_.Count();
            interval.l90 =
                meanL90_ ? IntervalMeanL90(l90Sum_, l90Count_, interval.length, series_.Step())
                         : IntervalL90(residual_, interval.length, series_.Step());
            if (interval.l90)
                pool.l90s.push_back(*interval.l90);
        } else {
            result_.heldPeriods_.push_back(
                {period_.date, period_.label,
                 EmergenceOf(assessment_.standard, period_.label, assessment_.indoors, ambient_,
                             residual_, series_.Step())});
            pool.ambient.Merge(ambient_);
            pool.residual.Merge(residual_);
        }
        ambient_.Clear();
        residual_.Clear();
        l90Sum_ = 0;
        l90Count_ = 0;
    }

    void FinishEmergence() {
        for (const PeriodLabel label : result_.calendar.Labels()) {
            const Pool& pool = pools_[static_cast<std::size_t>(label)];
            result_.overall.push_back(
                {label, EmergenceOf(assessment_.standard, label, assessment_.indoors, pool.ambient,
                                    pool.residual, series_.Step())});
        }
        // The smallest margin, the earliest on a tie; periods without a margin are never worst.
        for (const EmergencePeriod& period : result_.heldPeriods_) {
            const std::optional<double>& margin = period.figures.margin;
            if (margin && (!result_.worst || *margin < *result_.worst->figures.margin))
                result_.worst = period;
        }
    }

    void FinishBackground() {
        for (const PeriodLabel label : result_.calendar.Labels()) {
            Pool& pool = pools_[static_cast<std::size_t>(label)];
            result_.background.push_back(BackgroundOf(label, std::move(pool.l90s)));
        }
    }

    const LevelSeries& series_;
    const AnalysisSettings& settings_;
    const AssessmentSettings& assessment_;
    MinuteMarks marks_;
    AssessmentResult result_;

    // The period walked: its index, place and samples.
    std::int64_t index_ = 0;
    AssessmentPeriod period_;
    Millis periodEnd_ = std::numeric_limits<Millis>::min();
    LevelHistogram ambient_;
    LevelHistogram residual_;
    std::array<Pool, 3> pools_; // by PeriodLabel
    // bs4142 with the file's LA90: the residual LA90 values of the interval walked.
    bool meanL90_ = false;
    double l90Sum_ = 0;
    std::int64_t l90Count_ = 0;
};

AssessmentResult Assess(const LevelSeries& series, const AnalysisSettings& settings,
                        const AssessmentSettings& assessment) {
    return Assessor(series, settings, assessment).Run();
}

AssessmentResult Assess(const MinuteSeries& series, const AnalysisSettings& settings,
                        const AssessmentSettings& assessment) {
    return Assess(LevelSeriesFromMinutes(series), settings, assessment);
}

} // namespace vrd
