// Any bytes as the 1-minute records of an analysis and as a marks file: the counts add up, the
// figures of the whole selection from the block index equal those of the one pass, a marks file
// that reads writes back to the same marks, and the assessments under every standard count the
// same minutes as the analysis. A form feed splits the bytes: the records before it, the marks
// file after; without one, all of them are both.

#include "analysis/analyse.h"
#include "analysis/assess.h"
#include "analysis/exclusion_file.h"
#include "analysis/minute_marks.h"
#include "analysis/range_statistics.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void CheckMarksReadBack(const vrd::MarksFileRead& marks) {
    const vrd::MarksFileRead again = vrd::ParseMarksFile(vrd::FormatMarksFile(marks.marks));
    VRD_FUZZ_CHECK(!again.error && again.marks.size() == marks.marks.size());
    for (std::size_t i = 0; i < again.marks.size(); ++i) {
        VRD_FUZZ_CHECK(again.marks[i].kind == marks.marks[i].kind);
        VRD_FUZZ_CHECK(again.marks[i].span == marks.marks[i].span);
    }
}

void CheckAssessments(const vrd::MinuteSeries& series, const vrd::AnalysisSettings& settings,
                      const vrd::AnalysisResult& analysis) {
    for (const vrd::Standard standard :
         {vrd::Standard::FrNeighbourhood, vrd::Standard::FrIcpe, vrd::Standard::Bs4142}) {
        const vrd::AssessmentResult result = vrd::Assess(series, settings, {standard, false});
        const vrd::AssessmentMinutes& minutes = result.minutes;
        VRD_FUZZ_CHECK(result.selection.has_value() == analysis.selection.has_value());
        VRD_FUZZ_CHECK(minutes.measured == analysis.minutes.measured);
        VRD_FUZZ_CHECK(minutes.excludedTime == analysis.minutes.excludedTime);
        VRD_FUZZ_CHECK(minutes.source + minutes.residual <= minutes.measured);
        VRD_FUZZ_CHECK((result.calendar.Size() > 0) ==
                       (result.selection && result.selection->Length() > 0));
        if (standard == vrd::Standard::Bs4142)
            continue;
        std::int64_t source = 0;
        std::int64_t residual = 0;
        for (const vrd::LabelEmergence& overall : result.overall) {
            source += overall.figures.sourceMinutes;
            residual += overall.figures.residualMinutes;
        }
        VRD_FUZZ_CHECK(source == minutes.source && residual == minutes.residual);
        VRD_FUZZ_CHECK(!result.worst || result.worst->figures.margin);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\f');
    const std::string_view records = bytes.substr(0, split);
    const std::string_view marksText =
        split == std::string_view::npos ? bytes : bytes.substr(split + 1);
    const vrd::MinuteSeries series = vrd::SeriesOfMinuteLines(records);

    vrd::AnalysisSettings settings;
    settings.threshold = 65.5;
    const vrd::MarksFileRead marks = vrd::ParseMarksFile(marksText);
    if (!marks.error) {
        CheckMarksReadBack(marks);
        vrd::AddMarks(settings, marks.marks);
    }
    // A file of exclusions alone is a marks file of the same intervals.
    const vrd::ExclusionFileRead exclusions = vrd::ParseExclusionFile(marksText);
    if (!exclusions.error) {
        VRD_FUZZ_CHECK(!marks.error && marks.marks.size() == exclusions.exclusions.size());
        for (std::size_t i = 0; i < marks.marks.size(); ++i) {
            VRD_FUZZ_CHECK(marks.marks[i].kind == vrd::MarkKind::Exclude);
            VRD_FUZZ_CHECK(marks.marks[i].span == exclusions.exclusions[i].span);
        }
    }

    const vrd::AnalysisResult result = vrd::Analyse(series, settings);
    VRD_FUZZ_CHECK(result.selection.has_value() == !series.Empty());
    const vrd::MinuteCounts& minutes = result.minutes;
    VRD_FUZZ_CHECK(minutes.excludedTime <= minutes.periodTime);
    VRD_FUZZ_CHECK((minutes.measured + minutes.gaps) * vrd::kMillisPerMinute <= minutes.periodTime);
    VRD_FUZZ_CHECK(minutes.measured == result.overall.count);
    VRD_FUZZ_CHECK(result.exceedance && result.exceedance->longest <= result.exceedance->minutes);
    CheckAssessments(series, settings, result);
    if (!result.selection)
        return 0;

    const vrd::RangeStatistics statistics(series, settings.threshold);
    // The window's minutes: those whose start the selection and the exclusions hold.
    const vrd::RangeFigures figures =
        statistics.Figures(vrd::MinutesStartingIn(*result.selection),
                           vrd::MinutesStartingIn(vrd::MergeExclusions(settings.exclusions)));
    VRD_FUZZ_CHECK(figures.measured == minutes.measured && figures.gaps == minutes.gaps);
    VRD_FUZZ_CHECK(figures.levels.leq == result.overall.leq);
    VRD_FUZZ_CHECK(figures.levels.statistical == result.overall.statistical);
    VRD_FUZZ_CHECK(figures.exceedance->events == result.exceedance->events);
    VRD_FUZZ_CHECK(figures.exceedance->longest == result.exceedance->longest);
    return 0;
}
