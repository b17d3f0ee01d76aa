#include "analysis/background_level.h"

#include "analysis/assessment_rules.h"

#include <algorithm>
#include <cmath>

namespace vrd {

namespace {

// At least the share of the interval, on whole numbers.
bool EnoughOf(std::int64_t count, Minute length, Millis step) {
    return count * step * 100 >=
           length * kMillisPerMinute * RulesOf(Standard::Bs4142).background->measuredPercent;
}

} // namespace

std::optional<double> IntervalL90(const LevelHistogram& residual, Minute length, Millis step) {
    if (!EnoughOf(residual.Count(), length, step))
        return std::nullopt;
    return residual.Figures().L(90);
}

std::optional<double> IntervalMeanL90(double sum, std::int64_t count, Minute length, Millis step) {
    if (count == 0 || !EnoughOf(count, length, step))
        return std::nullopt;
    return sum / static_cast<double>(count);
}

BackgroundLevel BackgroundOf(PeriodLabel label, std::vector<double> l90s) {
    BackgroundLevel background;
    background.label = label;
    background.count = static_cast<std::int64_t>(l90s.size());
    if (l90s.empty())
        return background;
    std::sort(l90s.begin(), l90s.end());

    for (const double level : l90s) {
        const int rounded = static_cast<int>(std::floor(level + 0.5));
        if (background.histogram.empty() || background.histogram.back().level != rounded)
            background.histogram.push_back({rounded, 0});
        ++background.histogram.back().count;
    }
    const LevelCount* mode = &background.histogram.front();
    for (const LevelCount& bar : background.histogram)
        if (bar.count > mode->count)
            mode = &bar;
    background.mode = mode->level;
    background.modeCount = mode->count;

    // The median as the linear-interpolation quantile at 0.5: h = (n-1)/2.
    const std::size_t n = l90s.size();
    const std::size_t k = (n - 1) / 2;
    background.median = n % 2 == 1 ? l90s[k] : l90s[k] + 0.5 * (l90s[k + 1] - l90s[k]);
    return background;
}

} // namespace vrd
