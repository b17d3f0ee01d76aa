#include "analysis/level_distribution.h"

#include "analysis/analyse.h"
#include "analysis/marks_outside.h"
#include "analysis/minute_marks.h"

namespace vrd {

std::optional<LevelRow> LevelDistribution::At(int level) const {
    if (rows.empty())
        return std::nullopt;
    if (level < rows.front().level)
        return LevelRow{level, 0, 1.0};
    if (level > rows.back().level)
        return LevelRow{level, 0, 0.0};
    return rows[static_cast<std::size_t>(level - rows.front().level)];
}

LevelDistribution DistributionOf(const LevelHistogram& levels) {
    const LevelFigures figures = levels.Figures();
    LevelDistribution distribution;
    distribution.minutes = figures.count;
    distribution.l10 = figures.L(10);
    distribution.l50 = figures.L(50);
    distribution.l90 = figures.L(90);
    if (!figures.lmin || !figures.lmax)
        return distribution;
    // What is left above after each level is CountAbove of that level, counted once from the
    // bottom.
    std::int64_t above = figures.count;
    for (int level = *figures.lmin; level <= *figures.lmax; ++level) {
        const std::int64_t at = levels.CountAt(level);
        above -= at;
        distribution.rows.push_back(
            {level, at, static_cast<double>(above) / static_cast<double>(figures.count)});
    }
    return distribution;
}

LevelDistributions DistributeLevels(const MinuteSeries& series, const AnalysisSettings& settings) {
    MinuteMarks marks(settings, SpanOfRecords(series));
    const bool split = marks.SourceOrResidualMarked();
    LevelHistogram all;
    LevelHistogram source;
    LevelHistogram residual;
    if (const std::optional<Interval> selection = SelectionOf(series, settings))
        ForEachMeasuredMinute(series, *selection, marks,
                              [&](const SeriesMinute& minute, MinuteClass kind) {
                                  all.Add(minute.level);
                                  if (!split)
                                      return;
                                  if (kind == MinuteClass::Source)
                                      source.Add(minute.level);
                                  else if (kind == MinuteClass::Residual)
                                      residual.Add(minute.level);
                              });
    LevelDistributions distributions;
    distributions.all = DistributionOf(all);
    if (split) {
        distributions.source = DistributionOf(source);
        distributions.residual = DistributionOf(residual);
    }
    return distributions;
}

} // namespace vrd
