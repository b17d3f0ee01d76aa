#pragma once
// The options of "vrdtool marks": the reports, the selection and the minutes left out, as every
// analysis takes them, and the runs to mark: above which level, how long at least, joined across
// how many minutes, and as which kind.

#include "analysis/runs_above.h"
#include "options/analysis_options.h"

#include <optional>
#include <string>

namespace vrd {

struct MarksArguments : AnalysisArguments {
    std::string above;       // dB, required
    std::string minMinutes;  // a whole number from 1
    std::string joinMinutes; // a whole number from 0
    std::string kind;        // source, residual or exclude
};

struct MarksRequest : AnalysisRequest {
    RunMarking marking;
};

struct MarksRequestRead {
    std::optional<MarksRequest> request;
    std::string error; // "--above: ..." when request is empty
};

// Reads the arguments and the marks files they name; --above is required, the rest default to
// every run as it is, marked source.
MarksRequestRead ReadMarksArguments(const MarksArguments& arguments);

} // namespace vrd
