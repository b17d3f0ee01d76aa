#pragma once

#include "tools/vrdtool/opened_report.h"

#include <nlohmann/json.hpp>

namespace vrd {

// The state after an open command as one JSON object (keys in a fixed order).
nlohmann::ordered_json ShowJson(const std::string& file, const OpenedReport& opened);

} // namespace vrd
