#pragma once
// Wall-clock date and time of the report's minutes, with the Gregorian rules for month lengths
// and leap years. Arithmetic goes through a day count so that stepping by any number of minutes
// rolls over days, months and years the same way.

#include <cstdint>

namespace vrd::testkit {

struct DateTime {
    int year = 2011;
    int month = 5; // 1..12
    int day = 12;  // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Year 1..9999 (four digits on the device), real calendar day, hour 0..23, minute 0..59.
bool IsValidDateTime(const DateTime& time);

// Minutes since 01/01/0001 00:00 and back; the inverse pair used to step through time.
std::int64_t MinutesSinceEpoch(const DateTime& time);
DateTime DateTimeFromMinutes(std::int64_t minutes);
DateTime AddMinutes(const DateTime& time, std::int64_t minutes);

// Writes "dd/mm/yyyy" (10 characters) and "hh:mm" (5 characters); no terminating zero.
void WriteDate(const DateTime& time, char* out);
void WriteTime(const DateTime& time, char* out);

} // namespace vrd::testkit
