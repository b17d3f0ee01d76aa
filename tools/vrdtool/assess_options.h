#pragma once
// The options of "vrdtool assess": those of every analysis, the standard, and how the result is
// printed.

#include "options/analysis_options.h"

#include <optional>
#include <string>

namespace vrd {

struct AssessArguments : AnalysisArguments {
    bool json = false;
};

struct AssessRequest : AnalysisRequest {
    AssessmentSettings standard;
    bool json = false;
};

struct AssessRequestRead {
    std::optional<AssessRequest> request;
    std::string error; // "--standard: ..." when request is empty
};

// Reads the arguments and the marks files they name; --standard is required.
AssessRequestRead ReadAssessArguments(const AssessArguments& arguments);

} // namespace vrd
