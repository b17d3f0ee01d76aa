#pragma once
// The state the commands and windows share: the report opened last, its 1-minute records, the
// window block flags and the running-level state. All zero or empty at program start.

#include "report/running_leq.h"

#include <cstdint>
#include <string>

namespace vrd {

// Flags are 16-bit: true is -1, false is 0.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

struct Declaration {
    std::string DecodedReport;  // the report text of the file opened last
    std::string MinuteLines;    // level and gap records of the "1 minute" section, whole lines
    std::string OpenedFileName; // the path chosen in the last open dialog
    std::int16_t BlockResultsWindow = kFalse;
    std::int16_t BlockGraphWindow = kFalse;
    RunningLeqState Running;
};

} // namespace vrd
