// Any bytes as the 1-minute records of an analysis and as an exclusion file: the counts add up,
// the figures of the whole selection from the block index equal those of the one pass, and an
// exclusion file that reads writes back to the same exclusions.

#include "analysis/analyse.h"
#include "analysis/exclusion_file.h"
#include "analysis/range_statistics.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vrd::MinuteSeries series = vrd::SeriesOfMinuteLines(bytes);

    vrd::AnalysisSettings settings;
    settings.threshold = 65.5;
    const vrd::ExclusionFileRead exclusions = vrd::ParseExclusionFile(bytes);
    if (!exclusions.error) {
        settings.exclusions = exclusions.exclusions;
        const vrd::ExclusionFileRead again =
            vrd::ParseExclusionFile(vrd::FormatExclusionFile(exclusions.exclusions));
        VRD_FUZZ_CHECK(!again.error && again.exclusions.size() == exclusions.exclusions.size());
        for (std::size_t i = 0; i < again.exclusions.size(); ++i) {
            VRD_FUZZ_CHECK(again.exclusions[i].interval.from ==
                           exclusions.exclusions[i].interval.from);
            VRD_FUZZ_CHECK(again.exclusions[i].interval.to == exclusions.exclusions[i].interval.to);
        }
    }

    const vrd::AnalysisResult result = vrd::Analyse(series, settings);
    VRD_FUZZ_CHECK(result.selection.has_value() == !series.Empty());
    const vrd::MinuteCounts& minutes = result.minutes;
    VRD_FUZZ_CHECK(minutes.excluded + minutes.measured + minutes.gaps <= minutes.period);
    VRD_FUZZ_CHECK(minutes.measured == result.overall.count);
    VRD_FUZZ_CHECK(result.exceedance && result.exceedance->longest <= result.exceedance->minutes);
    if (!result.selection)
        return 0;

    const vrd::RangeStatistics statistics(series, settings.threshold);
    const vrd::RangeFigures figures =
        statistics.Figures(*result.selection, vrd::MergeExclusions(settings.exclusions));
    VRD_FUZZ_CHECK(figures.measured == minutes.measured && figures.gaps == minutes.gaps);
    VRD_FUZZ_CHECK(figures.excluded == minutes.excluded);
    VRD_FUZZ_CHECK(figures.levels.leq == result.overall.leq);
    VRD_FUZZ_CHECK(figures.levels.statistical == result.overall.statistical);
    VRD_FUZZ_CHECK(figures.exceedance->events == result.exceedance->events);
    VRD_FUZZ_CHECK(figures.exceedance->longest == result.exceedance->longest);
    return 0;
}
