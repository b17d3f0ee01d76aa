#pragma once
// Opening the reports of an analysis without a window: each is read, decoded when encoded, and
// parsed through the same open path as the program's open commands, and its 1-minute records are
// kept. A file that fails to open adds nothing; a parse that stops adds the records it had read.

#include "analysis/minute_series.h"
#include "report/failure.h"
#include "report/open_report.h"

#include <string>
#include <string_view>
#include <vector>

namespace vrd {

struct FileFailure {
    std::string file;
    Stage stage = Stage::Read;
    std::string reason;
};

struct AnalysisInput {
    std::string path;
    bool plain = false; // read as a plain report whatever the name
};

struct OpenedSeries {
    MinuteSeries series;
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

// Every file in the order given, merged into one series.
OpenedSeries OpenSeries(const std::vector<AnalysisInput>& inputs);

} // namespace vrd
