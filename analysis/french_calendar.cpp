#include "analysis/french_calendar.h"

#include <array>

namespace vrd {

CivilDate EasterSunday(int year) {
    // The anonymous Gregorian algorithm (Meeus, Astronomical Algorithms, ch. 8).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return {year, month, day};
}

bool IsSunday(Day day) {
    // Day 0, 0001-01-01, was a Monday.
    return ((day % 7) + 7) % 7 == 6;
}

bool IsFrenchPublicHoliday(Day day) {
    struct MonthDay {
        int month;
        int day;
    };
    static constexpr std::array<MonthDay, 8> kFixed = {
        {{1, 1}, {5, 1}, {5, 8}, {7, 14}, {8, 15}, {11, 1}, {11, 11}, {12, 25}}};
    const CivilDate date = CivilFromDay(day);
    for (const MonthDay& fixed : kFixed)
        if (date.month == fixed.month && date.day == fixed.day)
            return true;
    // Easter Monday, Ascension Thursday and Whit Monday follow Easter by 1, 39 and 50 days.
    const Day easter = DayFromCivil(EasterSunday(date.year));
    const Day after = day - easter;
    return after == 1 || after == 39 || after == 50;
}

} // namespace vrd
