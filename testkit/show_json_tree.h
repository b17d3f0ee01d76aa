#pragma once
// The state after an open command as an nlohmann JSON value: what the streamed JSON of
// "vrdtool show --json" is held to in tests and fuzzing.

#include "report/opened_report.h"

#include <nlohmann/json.hpp>

#include <string>

namespace vrd {

// One JSON object, keys in a fixed order; WriteShowJson writes the bytes of its dump().
nlohmann::ordered_json ShowJson(const std::string& file, const OpenedReport& opened);

} // namespace vrd
