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

// "files": [...], "from": "yyyy-mm-ddThh:mm[:ss]" or null, "to": the same.
void FilesAndSelectionJson(JsonText& json, const std::vector<std::string>& files,
                           const std::optional<TimeSpan>& selection);

// A time in seconds: "86400", "0.5"; and as a JSON member, whole when it is.
std::string SecondsText(Millis time);
void SecondsJson(JsonText& json, const char* key, Millis time);
// A time in minutes, as the output at a 60-s step counts it: "90", or "2.5" for a selection or a
// mark given to the second.
std::string MinutesText(Millis time);
void MinutesJson(JsonText& json, const char* key, Millis time);

// "errors": [{"file", "stage", "reason"}...].
void ErrorsJson(JsonText& json, const std::vector<FileFailure>& failures);

} // namespace vrd
