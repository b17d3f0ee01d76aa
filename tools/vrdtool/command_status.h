#pragma once
// The end of an analysis command: its output flushed, each file that failed named on err, and the
// marks that lie outside the reports.

#include "analysis/analysis_settings.h"
#include "analysis/open_files.h"

#include <ostream>
#include <vector>

namespace vrd {

// 0, or 1 when the output could not be written or a file failed.
int FinishAnalysisCommand(std::ostream& out, std::ostream& err,
                          const std::vector<FileFailure>& failures);

// "vrdtool: 2 marks lie outside the reports' minutes: FROM/TO FROM/TO" on err, when there are;
// a warning only, the status stays.
void WarnOfMarksOutside(std::ostream& err, const std::vector<Mark>& outside);

} // namespace vrd
