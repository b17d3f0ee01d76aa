// Any bytes as a meter's CSV export of levels. A read gives samples or a refusal, never both; the
// samples are in time order, one per time, at a step in range, with levels in range, and every row
// is accounted for; the detection on the same bytes finds the same layout, and stamping the end
// moves every sample back by one step.

#include "fuzz/fuzz_check.h"
#include "levels_csv/level_number.h"
#include "levels_csv/read_levels_csv.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void CheckSamples(const vrd::LevelsCsv& levels) {
    const vrd::LevelSamples& samples = levels.samples;
    VRD_FUZZ_CHECK(!samples.Empty());
    VRD_FUZZ_CHECK(samples.Step() >= vrd::kShortestStep && samples.Step() <= vrd::kLongestStep);
    VRD_FUZZ_CHECK(levels.rows == static_cast<std::int64_t>(samples.Size()) + levels.duplicate +
                                      levels.unreadable);
    VRD_FUZZ_CHECK(levels.badLines.size() <= vrd::kNamedBadLines);
    VRD_FUZZ_CHECK(static_cast<std::int64_t>(levels.badLines.size()) <= levels.unreadable);
    std::int64_t lastLine = levels.layout.headerLine;
    for (const vrd::CsvBadLine& bad : levels.badLines) {
        VRD_FUZZ_CHECK(bad.line > lastLine);
        lastLine = bad.line;
        VRD_FUZZ_CHECK(!vrd::DescribeCsvBadLine(bad).empty());
    }
    bool whole = true;
    std::int64_t l90Missing = 0;
    for (std::size_t i = 0; i < samples.Size(); ++i) {
        const float level = samples.Level(i);
        VRD_FUZZ_CHECK(level >= vrd::kLowestCsvLevel && level <= vrd::kHighestCsvLevel);
        whole = whole && std::floor(level) == level;
        if (i > 0)
            VRD_FUZZ_CHECK(samples.Start(i) > samples.Start(i - 1));
        VRD_FUZZ_CHECK(samples.LowerBound(samples.Start(i)) == i);
        VRD_FUZZ_CHECK(samples.LowerBound(samples.Start(i) + 1) == i + 1);
        const float l90 = samples.L90(i);
        VRD_FUZZ_CHECK(samples.HasL90() || std::isnan(l90));
        l90Missing += samples.HasL90() && std::isnan(l90) ? 1 : 0;
    }
    VRD_FUZZ_CHECK(whole == levels.wholeLevels);
    VRD_FUZZ_CHECK(l90Missing == levels.l90Missing);
    VRD_FUZZ_CHECK(samples.End() == samples.Start(samples.Size() - 1) + samples.Step());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vrd::LevelsCsvRead read = vrd::ReadLevelsCsv(bytes, "fuzz.csv");
    VRD_FUZZ_CHECK(read.levels.has_value() != read.refusal.has_value());

    const vrd::CsvDetection detection = vrd::DetectLevelsCsv(bytes, "fuzz.csv", {}, true);
    // The first bytes alone, as a window looks at a file.
    vrd::DetectLevelsCsv(bytes.substr(0, size / 2), "fuzz.csv");

    if (read.refusal) {
        const std::string wording = vrd::DescribeCsvRefusal(*read.refusal);
        VRD_FUZZ_CHECK(wording.rfind("fuzz.csv: ", 0) == 0);
        return 0;
    }
    const vrd::LevelsCsv& levels = *read.levels;
    CheckSamples(levels);
    VRD_FUZZ_CHECK(!detection.refusal);
    VRD_FUZZ_CHECK(detection.layout.separator == levels.layout.separator);
    VRD_FUZZ_CHECK(detection.layout.headerLine == levels.layout.headerLine);
    VRD_FUZZ_CHECK(detection.layout.columns.level == levels.layout.columns.level);
    VRD_FUZZ_CHECK(detection.layout.columns.time == levels.layout.columns.time);

    vrd::CsvReadOptions end;
    end.stamp = vrd::CsvStamp::End;
    const vrd::LevelsCsvRead ended = vrd::ReadLevelsCsv(bytes, "fuzz.csv", end);
    VRD_FUZZ_CHECK(ended.levels.has_value());
    const vrd::LevelSamples& moved = ended.levels->samples;
    VRD_FUZZ_CHECK(moved.Size() == levels.samples.Size());
    for (std::size_t i = 0; i < moved.Size(); ++i)
        VRD_FUZZ_CHECK(moved.Start(i) == levels.samples.Start(i) - levels.samples.Step());
    return 0;
}
