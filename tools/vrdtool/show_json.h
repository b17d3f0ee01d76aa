#pragma once

#include "report/opened_report.h"

#include <ostream>
#include <string>

namespace vrd {

// Writes the state after an open command as one JSON object (keys in a fixed order, no indent,
// every byte of a report the Unicode character of the same value) to out as it goes: for a year
// of minutes a tree of values would take several times the report's memory.
void WriteShowJson(std::ostream& out, const std::string& file, const OpenedReport& opened);

} // namespace vrd
