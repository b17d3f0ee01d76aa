#pragma once
// The times of a CSV export, as local clock times written with no zone, in milliseconds on the
// day count of report/minute_time.h: minute m starts at m * kMillisPerMinute.
//
// Dates: yyyy-mm-dd, yyyy/mm/dd, dd/mm/yyyy or dd.mm.yyyy (day and month of one or two digits in
// the last two). Clock times: h:mm, h:mm:ss, with a fraction of a second after a point or a comma
// (rounded to the millisecond). A date and a time in one field are apart by blanks or a 'T'.

#include "report/minute_time.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vrd {

using Millis = std::int64_t;

constexpr Millis kMillisPerSecond = 1000;
constexpr Millis kMillisPerMinute = 60 * kMillisPerSecond;
constexpr Millis kMillisPerHour = 60 * kMillisPerMinute;
constexpr Millis kMillisPerDay = 24 * kMillisPerHour;

std::optional<Day> ParseCsvDate(std::string_view text);
// The milliseconds since midnight.
std::optional<Millis> ParseCsvClock(std::string_view text);
std::optional<Millis> ParseCsvDateTime(std::string_view text);

// "yyyy-mm-ddThh:mm:ss", with ".mmm" when the milliseconds are not 0.
std::string FormatMillis(Millis time);
// A length of time as "250 ms", "1 s", "1.5 s", "15 min", "1 h", "2 h 30 min" or "3 d".
std::string FormatDuration(Millis length);

// Reads the time fields of rows one after the other: rows come a day at a time, so the last date
// read is kept and the next row's date compared with it before it is read again.
class TimeFieldReader {
  public:
    std::optional<Millis> DateTime(std::string_view field);
    std::optional<Millis> DateAndClock(std::string_view date, std::string_view clock);

  private:
    std::optional<Day> DayOf(std::string_view date);

    char lastDate_[16] = {};
    std::size_t lastLength_ = 0;
    Day lastDay_ = 0;
};

} // namespace vrd
