#include "tools/vrdtool/assess_options.h"

#include <utility>

namespace vrd {

AssessRequestRead ReadAssessArguments(const AssessArguments& arguments) {
    AssessRequestRead read;
    AnalysisRequestRead analysis = ReadAnalysisArguments(arguments);
    if (!analysis.request) {
        read.error = std::move(analysis.error);
        return read;
    }
    if (!analysis.request->assessment) {
        read.error = "--standard: is required: fr-neighbourhood, fr-icpe or bs4142";
        return read;
    }
    AssessRequest request;
    static_cast<AnalysisRequest&>(request) = std::move(*analysis.request);
    request.standard = *request.assessment;
    request.json = arguments.json;
    read.request = std::move(request);
    return read;
}

} // namespace vrd
