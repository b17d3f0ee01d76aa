#pragma once
// What "vrdtool assess" prints: a summary for a person (the periods as a table, the pooled rows and
// the worst period; or the background level of each label with its histogram drawn in text), or
// the whole result as JSON.

#include "analysis/assess.h"
#include "analysis/open_files.h"

#include <ostream>
#include <string>
#include <vector>

namespace vrd {

void WriteAssessmentSummary(std::ostream& out, const std::vector<std::string>& files,
                            const AssessmentResult& result);

// One JSON object, keys in a fixed order; the periods or intervals are written one by one.
void WriteAssessmentJson(std::ostream& out, const std::vector<std::string>& files,
                         const AssessmentResult& result, const std::vector<FileFailure>& failures);

} // namespace vrd
