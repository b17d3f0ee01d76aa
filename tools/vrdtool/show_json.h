#pragma once

#include "tools/vrdtool/opened_report.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace vrd {

// The state after an open command as one JSON object (keys in a fixed order).
nlohmann::ordered_json ShowJson(const std::string& file, const OpenedReport& opened);

// Writes the bytes of ShowJson(file, opened).dump() to out as it goes, without building the
// value: for a year of minutes the tree would take several times the report's memory.
void WriteShowJson(std::ostream& out, const std::string& file, const OpenedReport& opened);

} // namespace vrd
