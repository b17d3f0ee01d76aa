#pragma once
// One file opened for the analysis window and its printed report: a device's report with its
// 1-minute records, the site and serial its first lines give, and the running 5- and 10-minute
// levels as the parse computes them, minute by minute; or a CSV export of levels at its own step,
// with the columns it was read by.

#include "analysis/level_series.h"
#include "analysis/open_files.h"
#include "levels_csv/csv_refusal.h"
#include "report/failure.h"
#include "report/minute_time.h"
#include "report/progress.h"

#include <cstdint>
#include <memory>
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
    // A CSV export of levels (IsCsvLevelsInput): the columns and stamp asked for, its samples
    // (null when refused), and the refusal as a kind with its values, for the window's language.
    bool csvLevels = false;
    CsvReadOptions csv;
    std::shared_ptr<const LevelSeries> levels;
    std::optional<CsvRefusal> csvRefusal;
};

// Opens input through the program's open path, or reads it as a CSV export of levels. A file
// that could not be read or decoded keeps no records; a parse that stopped keeps those it had
// read; a CSV export refused keeps no sample. progress is offered the bytes read of an export.
ReportForAnalysis OpenReportForAnalysis(const AnalysisInput& input, const Progress& progress = {});

// The length of each sample of a file: the export's step, 60 s for a report with a record;
// nullopt for a file without samples.
std::optional<Millis> StepOfFile(const ReportForAnalysis& file);

} // namespace vrd
