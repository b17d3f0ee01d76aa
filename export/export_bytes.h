#pragma once
// The bytes of an export file, for "Save As" and for vrdtool alike.

#include <string>
#include <string_view>

namespace vrd {

enum class ExportFormat { Text, Csv };

// The text export (the report and the file end) or the semicolon-separated export of report.
std::string ExportBytes(std::string_view report, ExportFormat format);

// The same, for a caller that needs the report no more: the text export is the report with the
// file end appended in place, and the report is freed as soon as the semicolon-separated export
// is made, so that a year of minutes is not held twice.
std::string ExportBytes(std::string&& report, ExportFormat format);

} // namespace vrd
