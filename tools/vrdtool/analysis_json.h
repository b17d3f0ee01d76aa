#pragma once
// The members that every analysis command's JSON begins and ends with: the files, the selection,
// and the files that failed.

#include "analysis/analysis_settings.h"
#include "analysis/open_files.h"
#include "tools/vrdtool/json_text.h"

#include <optional>
#include <string>
#include <vector>

namespace vrd {

// "files": [...], "from": "yyyy-mm-ddThh:mm" or null, "to": the same.
void FilesAndSelectionJson(JsonText& json, const std::vector<std::string>& files,
                           const std::optional<Interval>& selection);

// "errors": [{"file", "stage", "reason"}...].
void ErrorsJson(JsonText& json, const std::vector<FileFailure>& failures);

} // namespace vrd
