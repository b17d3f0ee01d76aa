#include "analysis/sliding_leq.h"

#include "analysis/level_figures.h"

#include <algorithm>
#include <cmath>

namespace vrd {

namespace {

// The measured samples of a series that no exclusion holds, one after the other.
class UsableSamples {
  public:
    UsableSamples(const LevelSeries& series, const std::vector<Interval>& excluded)
        : series_(series), excluded_(excluded), cursor_(series.Samples(), 0) {
        Skip();
    }

    bool Done() const { return cursor_.Done(); }
    // The minute the sample reached starts in, and its energy; only while !Done().
    Minute CurrentMinute() const { return MinuteOfMillis(cursor_.Start()); }
    double CurrentEnergy() const { return series_.Table().Energy(series_.Code(cursor_.Index())); }
    void Next() {
        cursor_.Next();
        Skip();
    }

  private:
    // Moves on to the first usable sample at or after the cursor.
    void Skip() {
        for (; !cursor_.Done(); cursor_.Next()) {
            const Minute minute = MinuteOfMillis(cursor_.Start());
            while (exclusion_ < excluded_.size() && excluded_[exclusion_].to <= minute)
                ++exclusion_;
            if (exclusion_ >= excluded_.size() || !excluded_[exclusion_].Contains(minute))
                return;
        }
    }

    const LevelSeries& series_;
    const std::vector<Interval>& excluded_;
    LevelSamples::Cursor cursor_;
    std::size_t exclusion_ = 0;
};

// A running sum of energies that minutes enter and leave. The loud minutes that leave would
// otherwise leave their rounding behind in the quiet ones after them: the lost low-order part
// is carried along (Neumaier's summation).
class EnergySum {
  public:
    void Add(double energy) {
        const double total = sum_ + energy;
        if (std::fabs(sum_) >= std::fabs(energy))
            carried_ += (sum_ - total) + energy;
        else
            carried_ += (energy - total) + sum_;
        sum_ = total;
    }
    void Clear() { sum_ = carried_ = 0; }
    double Value() const { return sum_ + carried_; }

  private:
    double sum_ = 0;
    double carried_ = 0;
};

} // namespace

Minute SlidingLeastMinutes(Minute length) {
    return (4 * length + 4) / 5;
}

std::vector<SlidingLevel> SlidingLeq(const LevelSeries& series,
                                     const std::vector<Interval>& excluded, Minute length) {
    std::vector<SlidingLevel> levels;
    const std::optional<Millis> first = series.First();
    const std::optional<Millis> end = series.End();
    if (!first || !end || length < 1)
        return levels;
    // Enough samples stand for the least minutes, on whole numbers.
    const Millis least = std::max<Minute>(SlidingLeastMinutes(length), 1) * kMillisPerMinute;
    const Millis step = series.Step();

    UsableSamples entering(series, excluded);
    UsableSamples leaving(series, excluded);
    EnergySum energy;
    std::int64_t inWindow = 0;
    for (Minute m = MinuteOfMillis(*first); m < MinuteAfterMillis(*end);) {
        for (; !entering.Done() && entering.CurrentMinute() <= m; entering.Next()) {
            energy.Add(entering.CurrentEnergy());
            ++inWindow;
        }
        for (; inWindow > 0 && leaving.CurrentMinute() <= m - length; leaving.Next()) {
            energy.Add(-leaving.CurrentEnergy());
            --inWindow;
        }
        if (inWindow == 0)
            energy.Clear();
        if (inWindow * step >= least) {
            levels.push_back({m, EnergyToLevel(energy.Value() / static_cast<double>(inWindow))});
            ++m;
            continue;
        }
        // Until the next usable sample comes in the window only loses samples: none counts.
        if (entering.Done())
            break;
        m = std::max(m + 1, entering.CurrentMinute());
    }
    return levels;
}

std::vector<SlidingLevel> SlidingLeq(const MinuteSeries& series,
                                     const std::vector<Interval>& excluded, Minute length) {
    return SlidingLeq(LevelSeriesFromMinutes(series), excluded, length);
}

} // namespace vrd
