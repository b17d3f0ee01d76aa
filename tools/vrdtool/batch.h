#pragma once
// Converting several reports in one call: one output per input in a folder, named like the input
// with the export's extension.

#include "tools/vrdtool/commands.h"

#include <string>
#include <vector>

namespace vrd {

// Where the export of input goes in folder: its file name with the extension replaced.
std::string BatchOutputPath(const std::string& folder, const std::string& input,
                            ExportFormat format);

// Converts every file, going on after a failure; one summary line per file on out, the reasons
// on err. Returns 1 when any file failed, else 0.
int RunBatchExport(const std::vector<std::string>& files, bool plain, ExportFormat format,
                   const std::string& folder, std::ostream& out, std::ostream& err);

} // namespace vrd
