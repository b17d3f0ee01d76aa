#include "report/minute_time.h"

namespace vrd {

namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The digits of text as a number; nullopt unless every character is a digit.
std::optional<int> Digits(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<Day> DayOf(std::optional<int> year, std::optional<int> month,
                         std::optional<int> day) {
    if (!year || !month || !day || !IsRealDate(*year, *month, *day))
        return std::nullopt;
    return DayFromCivil({*year, *month, *day});
}

void PutDigits(std::string& out, int value, int width) {
    char digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

} // namespace

bool IsRealDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

// The days-from-civil count on a calendar whose year starts on 1 March, so that the leap day is
// the last day of its year.
Day DayFromCivil(const CivilDate& date) {
    const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t monthFromMarch = (date.month + 9) % 12;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    // 306 days from 0000-03-01 to 0001-01-01.
    return era * 146097 + dayOfEra - 306;
}

CivilDate CivilFromDay(Day day) {
    const std::int64_t z = day + 306;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

std::optional<Minute> ParseMinute(std::string_view text) {
    if (text.size() != 16 || text[10] != 'T')
        return std::nullopt;
    const std::optional<Day> day = ParseDay(text.substr(0, 10));
    const std::optional<Minute> time = ParseClockTime(text.substr(11));
    if (!day || !time)
        return std::nullopt;
    return StartOfDay(*day) + *time;
}

std::optional<Day> ParseDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    return DayOf(Digits(text.substr(0, 4)), Digits(text.substr(5, 2)), Digits(text.substr(8, 2)));
}

std::optional<Day> ParseRecordDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    return DayOf(Digits(text.substr(6, 4)), Digits(text.substr(3, 2)), Digits(text.substr(0, 2)));
}

std::optional<Minute> ParseClockTime(std::string_view text) {
    if (text.size() != 5 || text[2] != ':')
        return std::nullopt;
    const std::optional<int> hour = Digits(text.substr(0, 2));
    const std::optional<int> minute = Digits(text.substr(3, 2));
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return std::nullopt;
    return Minute{*hour} * kMinutesPerHour + *minute;
}

std::string FormatMinute(Minute minute) {
    std::string text = FormatDay(DayOfMinute(minute));
    const Minute ofDay = minute - StartOfDay(DayOfMinute(minute));
    text.push_back('T');
    PutDigits(text, static_cast<int>(ofDay / kMinutesPerHour), 2);
    text.push_back(':');
    PutDigits(text, static_cast<int>(ofDay % kMinutesPerHour), 2);
    return text;
}

std::string FormatDay(Day day) {
    const CivilDate date = CivilFromDay(day);
    std::string text;
    text.reserve(16);
    PutDigits(text, date.year, 4);
    text.push_back('-');
    PutDigits(text, date.month, 2);
    text.push_back('-');
    PutDigits(text, date.day, 2);
    return text;
}

} // namespace vrd
