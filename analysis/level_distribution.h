#pragma once
// How the minute levels of the selection are spread: for each whole decibel from the lowest level
// to the highest, the minutes at that level and the share of the minutes above it, with L10, L50
// and L90 of the same minutes. "Above" is strictly above, as a threshold's exceedance counts, so
// that the row of 65 dB reads what --threshold 65 finds.
//
// The minutes are those of the statistics (a level, in the selection, not excluded); with source or
// residual marks the source and the residual minutes get a distribution each as well.

#include "analysis/analysis_settings.h"
#include "analysis/level_figures.h"
#include "analysis/minute_series.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vrd {

struct LevelRow {
    int level = 0;            // whole dB
    std::int64_t minutes = 0; // at exactly level
    double above = 0;         // share of the set's minutes strictly above level, 0 to 1
};

struct LevelDistribution {
    std::int64_t minutes = 0; // the set's measured minutes
    // Every whole dB from the lowest level to the highest, ascending, those without a minute too.
    std::vector<LevelRow> rows;
    std::optional<double> l10;
    std::optional<double> l50;
    std::optional<double> l90;

    // The row of any level: outside rows no minute, and all of them above a level below the
    // lowest, none above one over the highest. Nullopt for a set without minutes.
    std::optional<LevelRow> At(int level) const;
};

struct LevelDistributions {
    LevelDistribution all;
    // Only with a source or residual mark; unmarked minutes are in all alone.
    std::optional<LevelDistribution> source;
    std::optional<LevelDistribution> residual;
};

// The distribution of the levels a histogram holds; L10, L50 and L90 as its Figures give them.
LevelDistribution DistributionOf(const LevelHistogram& levels);

// One pass over the selection of settings.
LevelDistributions DistributeLevels(const MinuteSeries& series, const AnalysisSettings& settings);

} // namespace vrd
