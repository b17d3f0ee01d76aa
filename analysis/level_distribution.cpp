#include "analysis/level_distribution.h"

#include "analysis/analyse.h"
#include "analysis/marks_outside.h"
#include "analysis/minute_marks.h"

#include <cmath>

namespace vrd {

namespace {

// The bin of a level, counted in widths from 0 dB: the nearest.
std::int64_t BinOf(double level, double width) {
    return static_cast<std::int64_t>(std::floor(level / width + 0.5));
}

double LevelOfBin(std::int64_t bin, double width) {
    // Tenths as the decimal writes them: 45.3, not 453 * 0.1.
    return width == 1 ? static_cast<double>(bin) : static_cast<double>(bin) / 10.0;
}

} // namespace

std::optional<LevelRow> LevelDistribution::At(double level) const {
    if (rows.empty())
        return std::nullopt;
    const std::int64_t bin = BinOf(level, width);
    const std::int64_t first = BinOf(rows.front().level, width);
    if (bin < first)
        return LevelRow{level, 0, 1.0};
    if (bin - first >= static_cast<std::int64_t>(rows.size()))
        return LevelRow{level, 0, 0.0};
    return rows[static_cast<std::size_t>(bin - first)];
}

LevelDistribution DistributionOf(const LevelHistogram& levels) {
    const LevelFigures figures = levels.Figures();
    LevelDistribution distribution;
    distribution.minutes = figures.count;
    distribution.l10 = figures.L(10);
    distribution.l50 = figures.L(50);
    distribution.l90 = figures.L(90);
    if (figures.count == 0)
        return distribution;
    const LevelTable& table = levels.Table();
    distribution.width = table.Whole() ? 1.0 : 0.1;
    const double width = distribution.width;
    const LevelCode lowest = levels.LowestCode();
    const LevelCode highest = levels.HighestCode();
    const std::int64_t firstBin = BinOf(table.Value(lowest), width);
    const std::int64_t lastBin = BinOf(table.Value(highest), width);
    distribution.rows.resize(static_cast<std::size_t>(lastBin - firstBin + 1));
    for (std::size_t i = 0; i < distribution.rows.size(); ++i)
        distribution.rows[i].level = LevelOfBin(firstBin + static_cast<std::int64_t>(i), width);
    for (LevelCode code = lowest; code <= highest; ++code)
        distribution.rows[static_cast<std::size_t>(BinOf(table.Value(code), width) - firstBin)]
            .minutes += levels.CountOf(code);
    // What is left above after each bin, counted once from the bottom.
    std::int64_t above = figures.count;
    for (LevelRow& row : distribution.rows) {
        above -= row.minutes;
        row.above = static_cast<double>(above) / static_cast<double>(figures.count);
    }
    return distribution;
}

LevelDistributions DistributeLevels(const LevelSeries& series, const AnalysisSettings& settings) {
    MinuteMarks marks(settings, SpanOfRecords(series));
    const bool split = marks.SourceOrResidualMarked();
    LevelHistogram all(series.Table());
    LevelHistogram source(series.Table());
    LevelHistogram residual(series.Table());
    if (const std::optional<TimeSpan> selection = SelectionOf(series, settings))
        ForEachMeasuredSample(series, *selection, marks,
                              [&](std::size_t index, Millis, MinuteClass kind) {
                                  const LevelCode code = series.Code(index);
                                  all.AddCode(code);
                                  if (!split)
                                      return;
                                  if (kind == MinuteClass::Source)
                                      source.AddCode(code);
                                  else if (kind == MinuteClass::Residual)
                                      residual.AddCode(code);
                              });
    LevelDistributions distributions;
    distributions.all = DistributionOf(all);
    if (split) {
        distributions.source = DistributionOf(source);
        distributions.residual = DistributionOf(residual);
    }
    return distributions;
}

LevelDistributions DistributeLevels(const MinuteSeries& series, const AnalysisSettings& settings) {
    return DistributeLevels(LevelSeriesFromMinutes(series), settings);
}

} // namespace vrd
