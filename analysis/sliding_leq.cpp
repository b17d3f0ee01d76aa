#include "analysis/sliding_leq.h"

#include "analysis/level_figures.h"

#include <algorithm>
#include <cmath>

namespace vrd {

namespace {

// The measured minutes of a series that no exclusion holds, one after the other.
class UsableMinutes {
  public:
    UsableMinutes(const MinuteSeries& series, const std::vector<Interval>& excluded)
        : series_(series), excluded_(excluded) {
        Skip();
    }

    bool Done() const { return index_ >= series_.Size(); }
    // The minute reached; only while !Done().
    SeriesMinute Current() const { return series_.At(index_); }
    void Next() {
        ++index_;
        Skip();
    }

  private:
    // Moves on to the first usable minute at or after index_.
    void Skip() {
        for (; index_ < series_.Size(); ++index_) {
            const SeriesMinute at = series_.At(index_);
            while (exclusion_ < excluded_.size() && excluded_[exclusion_].to <= at.minute)
                ++exclusion_;
            const bool excluded =
                exclusion_ < excluded_.size() && excluded_[exclusion_].Contains(at.minute);
            if (!at.gap && !excluded)
                return;
        }
    }

    const MinuteSeries& series_;
    const std::vector<Interval>& excluded_;
    std::size_t index_ = 0;
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

std::vector<SlidingLevel> SlidingLeq(const MinuteSeries& series,
                                     const std::vector<Interval>& excluded, Minute length) {
    std::vector<SlidingLevel> levels;
    const std::optional<Minute> first = series.First();
    const std::optional<Minute> end = series.End();
    if (!first || !end || length < 1)
        return levels;
    const Minute least = std::max<Minute>(SlidingLeastMinutes(length), 1);

    UsableMinutes entering(series, excluded);
    UsableMinutes leaving(series, excluded);
    EnergySum energy;
    Minute inWindow = 0;
    for (Minute m = *first; m < *end;) {
        for (; !entering.Done() && entering.Current().minute <= m; entering.Next()) {
            energy.Add(LevelEnergy(entering.Current().level));
            ++inWindow;
        }
        for (; inWindow > 0 && leaving.Current().minute <= m - length; leaving.Next()) {
            energy.Add(-LevelEnergy(leaving.Current().level));
            --inWindow;
        }
        if (inWindow == 0)
            energy.Clear();
        if (inWindow >= least) {
            levels.push_back({m, EnergyToLevel(energy.Value() / static_cast<double>(inWindow))});
            ++m;
            continue;
        }
        // Until the next usable minute comes in the window only loses minutes: none counts.
        if (entering.Done())
            break;
        m = std::max(m + 1, entering.Current().minute);
    }
    return levels;
}

} // namespace vrd
