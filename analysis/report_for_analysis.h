#pragma once
// One report opened for the analysis window and its printed report: the 1-minute records, the
// site and serial its first lines give, and the running 5- and 10-minute levels as the parse
// computes them, minute by minute.

#include "analysis/open_files.h"
#include "report/failure.h"
#include "report/minute_time.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrd {

// The running levels after the level record of one minute.
struct RunningMinute {
    Minute minute = 0;
    std::int16_t leq5 = 0;
    std::int16_t leq10 = 0;
};

// Walks the level and gap records as the parse does: the rings start from the "1 minute" header's
// reset, a gap record resets them, every level record feeds both. A record whose time or level
// cannot be read is skipped (the parse stops at a bad level, so none follows it there); an
// arithmetic failure ends the walk, as it ends the parse.
std::vector<RunningMinute> RunningLevelsOfMinuteLines(std::string_view minuteLines);

struct ReportForAnalysis {
    std::string path;
    std::string minuteLines;
    std::string site;   // empty when the report names none
    std::string serial; // likewise
    std::optional<Failure> failure;
};

// Opens input through the program's open path. A file that could not be read or decoded keeps no
// records; a parse that stopped keeps those it had read.
ReportForAnalysis OpenReportForAnalysis(const AnalysisInput& input);

} // namespace vrd
