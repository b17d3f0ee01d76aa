#pragma once
// Opening the files of an analysis without a window: each report is read, decoded when encoded,
// and parsed through the same open path as the program's open commands, and its 1-minute records
// are kept; each CSV export of levels is read at its own step. A file that fails to open adds
// nothing; a parse that stops adds the records it had read. One analysis has one step: a file
// whose step differs from the first file's is refused, naming both.

#include "analysis/level_series.h"
#include "analysis/minute_series.h"
#include "levels_csv/csv_layout.h"
#include "report/failure.h"
#include "report/open_report.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vrd {

struct FileFailure {
    std::string file;
    Stage stage = Stage::Read;
    std::string reason;
};

struct AnalysisInput {
    AnalysisInput() = default;
    AnalysisInput(std::string file, bool asPlain = false) : path(std::move(file)), plain(asPlain) {}

    std::string path;
    bool plain = false;     // read as a plain report whatever the name
    bool csvLevels = false; // read as a CSV export of levels whatever the name
    CsvReadOptions csv;     // the columns and stamp of a CSV export
};

// Whether an input is read as a CSV export of levels: so asked, or named *.csv (any case) and not
// asked to be a plain report.
bool IsCsvLevelsInput(const AnalysisInput& input);

struct OpenedSeries {
    LevelSeries series;
    std::vector<FileFailure> failures; // in the order of the files
};

// The minute records of one report with the site and serial of its first lines (without their
// line ends; empty when the report names none), or the failure that stopped its open.
struct OpenedMinutes {
    std::string minuteLines;
    std::string site;
    std::string serial;
    std::optional<Failure> failure;
};
OpenedMinutes OpenMinuteLines(const AnalysisInput& input);

// The site or serial as the analysis shows it: without the line end and blanks it ends with.
std::string AnalysisLabel(std::string_view label);

// The samples of one CSV export of levels, or the failure that refused it.
struct OpenedLevels {
    std::optional<LevelSeries> series;
    std::optional<FileFailure> failure;
};
OpenedLevels OpenLevelsCsv(const AnalysisInput& input);

// Every file in the order given, merged into one series: the devices' reports among themselves,
// then the exports, earlier files winning ties.
OpenedSeries OpenSeries(const std::vector<AnalysisInput>& inputs);

} // namespace vrd
