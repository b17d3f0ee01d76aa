#pragma once
// The state the open commands share: the report opened last, its 1-minute records and the
// running-level state. Beside it, the window block flags, which the main window's commands change
// between opens. All zero or empty at program start.

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
    RunningLeqState Running;
};

// A results or chart window loaded while its flag is true closes itself again.
struct WindowBlocks {
    std::int16_t BlockResultsWindow = kFalse;
    std::int16_t BlockGraphWindow = kFalse;
};

} // namespace vrd
