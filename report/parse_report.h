#pragma once
// Walking a report text line by line into the sections of the results window.
//
// The first two lines name the site and the device's serial number. Each section begins with its
// header line and ends at a short line (fewer than 16 characters, line feed counted); every line
// of a section goes to that section's list. The 1-minute levels feed the running 5- and 10-minute
// levels, and the highest level and running levels are listed after the walk.

#include "report/declaration.h"
#include "report/failure.h"
#include "report/progress.h"
#include "report/results_window.h"

#include <optional>

namespace vrd {

// How many characters the maximum lines lose when listed: one for a decoded file, two for a
// plain report.
constexpr int kTrimDecoded = 1;
constexpr int kTrimPlain = 2;

// Parses state.DecodedReport into window, writing state.MinuteLines and state.Running. On a
// failure everything received up to the failing line stays.
std::optional<Failure> ParseReport(Declaration& state, ResultsWindow& window, int maxLineTrim,
                                   const Progress& progress = {});

} // namespace vrd
