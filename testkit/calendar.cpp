#include "testkit/calendar.h"

namespace vrd::testkit {
namespace {

// Days between 01/01/0001 and the given date, counting from March so that the leap day is the
// last day of the shifted year.
std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = y / 400; // years are positive here
    const std::int64_t year_of_era = y - era * 400;
    const std::int64_t shifted_month = month > 2 ? month - 3 : month + 9;
    const std::int64_t day_of_year = (153 * shifted_month + 2) / 5 + day - 1;
    const std::int64_t day_of_era =
        year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era;
}

void WriteTwoDigits(int value, char* out) {
    out[0] = static_cast<char>('0' + value / 10 % 10);
    out[1] = static_cast<char>('0' + value % 10);
}

} // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kDays[month - 1];
}

bool IsValidDateTime(const DateTime& time) {
    if (time.year < 1 || time.year > 9999 || time.month < 1 || time.month > 12)
        return false;
    if (time.day < 1 || time.day > DaysInMonth(time.year, time.month))
        return false;
    return time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60;
}

std::int64_t MinutesSinceEpoch(const DateTime& time) {
    const std::int64_t days =
        DaysFromCivil(time.year, time.month, time.day) - DaysFromCivil(1, 1, 1);
    return days * 1440 + time.hour * 60 + time.minute;
}

DateTime DateTimeFromMinutes(std::int64_t minutes) {
    const std::int64_t days = minutes / 1440 + DaysFromCivil(1, 1, 1);
    const int minute_of_day = static_cast<int>(minutes % 1440);
    // Inverse of DaysFromCivil.
    const std::int64_t era = days / 146097;
    const std::int64_t day_of_era = days - era * 146097;
    const std::int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;
    DateTime time;
    time.day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
    time.month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
    time.year = static_cast<int>(year_of_era + era * 400 + (time.month <= 2 ? 1 : 0));
    time.hour = minute_of_day / 60;
    time.minute = minute_of_day % 60;
    return time;
}

DateTime AddMinutes(const DateTime& time, std::int64_t minutes) {
    return DateTimeFromMinutes(MinutesSinceEpoch(time) + minutes);
}

void WriteDate(const DateTime& time, char* out) {
    WriteTwoDigits(time.day, out);
    out[2] = '/';
    WriteTwoDigits(time.month, out + 3);
    out[5] = '/';
    WriteTwoDigits(time.year / 100, out + 6);
    WriteTwoDigits(time.year % 100, out + 8);
}

void WriteTime(const DateTime& time, char* out) {
    WriteTwoDigits(time.hour, out);
    out[2] = ':';
    WriteTwoDigits(time.minute, out + 3);
}

} // namespace vrd::testkit
