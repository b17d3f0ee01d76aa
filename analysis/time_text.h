#pragma once
// The times a person gives to the second (marks, the selection, the marks and analysis files):
// "yyyy-mm-ddThh:mm" or "yyyy-mm-ddThh:mm:ss", in milliseconds on the day count of
// report/minute_time.h. Written back with ":ss" only when the seconds are not 0, so that whole
// minutes read and write as they always have.

#include "levels_csv/csv_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace vrd {

// A real date and 00:00[:00]..23:59[:59], two digits each; nullopt for anything else.
std::optional<Millis> ParseTime(std::string_view text);

// "yyyy-mm-ddThh:mm", "yyyy-mm-ddThh:mm:ss" when the seconds are not 0, and ".mmm" after them
// when the milliseconds are not 0 (never from a parsed time).
std::string FormatTime(Millis time);

// "hh:mm" or "hh:mm:ss" of the time of day alone, as FormatTime writes it.
std::string FormatClock(Millis time);

} // namespace vrd
