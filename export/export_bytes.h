#pragma once
// The bytes of an export file, for "Save As" and for vrdtool alike.

#include <string>
#include <string_view>

namespace vrd {

enum class ExportFormat { Text, Csv };

// The text export (the report and the file end) or the semicolon-separated export of report.
std::string ExportBytes(std::string_view report, ExportFormat format);

} // namespace vrd
