#pragma once
// The semicolon-separated export: every "Leq" record becomes a row of date, time, level and unit;
// other lines are copied, and lines beginning with "-" are left out.

#include "report/progress.h"

#include <optional>
#include <string>
#include <string_view>

namespace vrd {

// The export text of report, without the line end the file adds. The last character of the report
// is never examined, so a last line ending there is dropped. nullopt only when progress cancels.
std::optional<std::string> BuildCsvText(std::string_view report, const Progress& progress = {});

// The bytes of a semicolon-separated export file.
std::optional<std::string> CsvFileBytes(std::string_view report, const Progress& progress = {});

} // namespace vrd
