#pragma once
// Clock minutes and calendar days of the proleptic Gregorian calendar, counted from
// 0001-01-01 00:00, so that years 0001..9999 are all non-negative and subtracting two minutes
// gives the minutes between them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vrd {

using Minute =
    std::int64_t;         // minutes since 0001-01-01 00:00; minute m is the clock minute [m, m+1)
using Day = std::int64_t; // days since 0001-01-01

constexpr Minute kMinutesPerHour = 60;
constexpr Minute kMinutesPerDay = 1440;

struct CivilDate {
    int year = 1;
    int month = 1;
    int day = 1;
};

// True for a real date of years 1..9999.
bool IsRealDate(int year, int month, int day);

// The day number of a real date (IsRealDate), and back.
Day DayFromCivil(const CivilDate& date);
CivilDate CivilFromDay(Day day);

// Floor division, so that the day and the minute of the day hold for any minute.
constexpr Day DayOfMinute(Minute minute) {
    return minute >= 0 ? minute / kMinutesPerDay
                       : -((-minute + kMinutesPerDay - 1) / kMinutesPerDay);
}
constexpr Minute StartOfDay(Day day) {
    return day * kMinutesPerDay;
}

// "yyyy-mm-ddThh:mm" (a real date, 00:00..23:59); nullopt for anything else.
std::optional<Minute> ParseMinute(std::string_view text);
// "yyyy-mm-dd" (a real date); nullopt for anything else.
std::optional<Day> ParseDay(std::string_view text);
// "dd/mm/yyyy" as a record writes its date; nullopt for anything else.
std::optional<Day> ParseRecordDate(std::string_view text);
// "hh:mm", 00:00..23:59: the minute of the day.
std::optional<Minute> ParseClockTime(std::string_view text);

std::string FormatMinute(Minute minute); // "yyyy-mm-ddThh:mm"
std::string FormatDay(Day day);          // "yyyy-mm-dd"

} // namespace vrd
