#pragma once
// The end of an analysis command: its output flushed, each file that failed named on err.

#include "analysis/open_files.h"

#include <ostream>
#include <vector>

namespace vrd {

// 0, or 1 when the output could not be written or a file failed.
int FinishAnalysisCommand(std::ostream& out, std::ostream& err,
                          const std::vector<FileFailure>& failures);

} // namespace vrd
