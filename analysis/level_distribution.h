#pragma once
// How the levels of the selection are spread: for each bin from the lowest level to the highest,
// the samples in it and the share of the samples above it, with L10, L50 and L90 of the same
// samples. The bins are whole decibels for whole-decibel levels, else tenths of a decibel, each
// holding the levels nearest to it. "Above" is strictly above, as a threshold's exceedance counts,
// so that the row of 65 dB reads what --threshold 65 finds.
//
// The samples are those of the statistics (a level, in the selection, not excluded); with source
// or residual marks the source and the residual samples get a distribution each as well.

#include "analysis/analysis_settings.h"
#include "analysis/level_figures.h"
#include "analysis/level_series.h"
#include "analysis/minute_series.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vrd {

struct LevelRow {
    double level = 0;         // the bin's level
    std::int64_t minutes = 0; // samples in the bin (minutes at a 60-s step)
    double above = 0;         // share of the set's samples in the bins above, 0 to 1
};

struct LevelDistribution {
    std::int64_t minutes = 0; // the set's measured samples
    double width = 1;         // of a bin: 1 or 0.1 dB
    // Every bin from the lowest level to the highest, ascending, those without a sample too.
    std::vector<LevelRow> rows;
    std::optional<double> l10;
    std::optional<double> l50;
    std::optional<double> l90;

    // The row of the bin of any level: outside rows no sample, and all of them above a level
    // below the lowest, none above one over the highest. Nullopt for a set without samples.
    std::optional<LevelRow> At(double level) const;
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
LevelDistributions DistributeLevels(const LevelSeries& series, const AnalysisSettings& settings);
LevelDistributions DistributeLevels(const MinuteSeries& series, const AnalysisSettings& settings);

} // namespace vrd
