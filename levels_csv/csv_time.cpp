#include "levels_csv/csv_time.h"

#include "levels_csv/csv_text.h"

#include <cstring>

namespace vrd {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads 1..maxDigits digits at text[at], moving at past them; -1 when there is none.
int ReadNumber(std::string_view text, std::size_t& at, std::size_t maxDigits) {
    int value = 0;
    std::size_t digits = 0;
    while (at < text.size() && IsDigit(text[at]) && digits < maxDigits) {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

std::optional<Day> RealDay(int year, int month, int day) {
    if (!IsRealDate(year, month, day))
        return std::nullopt;
    return DayFromCivil({year, month, day});
}

// Where the date of a date-and-time field ends: at the first blank or 'T' after a digit.
std::size_t DateEnd(std::string_view text) {
    for (std::size_t i = 1; i < text.size(); ++i) {
        if ((text[i] == ' ' || text[i] == 'T') && IsDigit(text[i - 1]))
            return i;
    }
    return std::string_view::npos;
}

void PutDigits(std::string& out, std::int64_t value, int width) {
    char digits[4];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

} // namespace

std::optional<Day> ParseCsvDate(std::string_view text) {
    text = TrimBlanks(text);
    if (text.size() < 8 || text.size() > 10)
        return std::nullopt;
    std::size_t at = 0;
    if (text.size() == 10 && IsDigit(text[0]) && IsDigit(text[3]) &&
        (text[4] == '-' || text[4] == '/')) {
        const char mark = text[4];
        const int year = ReadNumber(text, at, 4);
        if (at != 4 || text[at++] != mark)
            return std::nullopt;
        const int month = ReadNumber(text, at, 2);
        if (at != 7 || text[at++] != mark)
            return std::nullopt;
        const int day = ReadNumber(text, at, 2);
        if (at != 10)
            return std::nullopt;
        return RealDay(year, month, day);
    }
    const int day = ReadNumber(text, at, 2);
    if (day < 0 || at >= text.size() || (text[at] != '/' && text[at] != '.'))
        return std::nullopt;
    const char mark = text[at++];
    const int month = ReadNumber(text, at, 2);
    if (month < 0 || at >= text.size() || text[at++] != mark)
        return std::nullopt;
    const std::size_t yearStart = at;
    const int year = ReadNumber(text, at, 4);
    if (at != text.size() || at - yearStart != 4)
        return std::nullopt;
    return RealDay(year, month, day);
}

std::optional<Millis> ParseCsvClock(std::string_view text) {
    text = TrimBlanks(text);
    // Most rows: "hh:mm:ss".
    if (text.size() == 8 && text[2] == ':' && text[5] == ':' && IsDigit(text[0]) &&
        IsDigit(text[1]) && IsDigit(text[3]) && IsDigit(text[4]) && IsDigit(text[6]) &&
        IsDigit(text[7])) {
        const int hour = (text[0] - '0') * 10 + (text[1] - '0');
        const int minute = (text[3] - '0') * 10 + (text[4] - '0');
        const int second = (text[6] - '0') * 10 + (text[7] - '0');
        if (hour > 23 || minute > 59 || second > 59)
            return std::nullopt;
        return hour * kMillisPerHour + minute * kMillisPerMinute + second * kMillisPerSecond;
    }
    std::size_t at = 0;
    const int hour = ReadNumber(text, at, 2);
    if (hour < 0 || hour > 23 || at >= text.size() || text[at++] != ':')
        return std::nullopt;
    const std::size_t minuteStart = at;
    const int minute = ReadNumber(text, at, 2);
    if (at - minuteStart != 2 || minute > 59)
        return std::nullopt;
    Millis time = hour * kMillisPerHour + minute * kMillisPerMinute;
    if (at == text.size())
        return time;
    if (text[at++] != ':')
        return std::nullopt;
    const std::size_t secondStart = at;
    const int second = ReadNumber(text, at, 2);
    if (at - secondStart != 2 || second > 59)
        return std::nullopt;
    time += second * kMillisPerSecond;
    if (at == text.size())
        return time;
    if (text[at] != '.' && text[at] != ',')
        return std::nullopt;
    ++at;
    // Up to nine digits of the fraction, rounded to the millisecond, half up.
    std::int64_t fraction = 0;
    std::int64_t scale = 1;
    const std::size_t fractionStart = at;
    while (at < text.size() && IsDigit(text[at]) && at - fractionStart < 9) {
        fraction = fraction * 10 + (text[at] - '0');
        scale *= 10;
        ++at;
    }
    if (at == fractionStart || at != text.size())
        return std::nullopt;
    return time + (fraction * kMillisPerSecond * 2 + scale) / (2 * scale);
}

std::optional<Millis> ParseCsvDateTime(std::string_view text) {
    text = TrimBlanks(text);
    const std::size_t dateEnd = DateEnd(text);
    if (dateEnd == std::string_view::npos)
        return std::nullopt;
    const std::optional<Day> day = ParseCsvDate(text.substr(0, dateEnd));
    const std::optional<Millis> clock = ParseCsvClock(text.substr(dateEnd + 1));
    if (!day || !clock)
        return std::nullopt;
    return *day * kMillisPerDay + *clock;
}

std::string FormatMillis(Millis time) {
    const Day day =
        time >= 0 ? time / kMillisPerDay : -((-time + kMillisPerDay - 1) / kMillisPerDay);
    const Millis ofDay = time - day * kMillisPerDay;
    std::string text = FormatDay(day);
    text.push_back('T');
    PutDigits(text, ofDay / kMillisPerHour, 2);
    text.push_back(':');
    PutDigits(text, ofDay / kMillisPerMinute % 60, 2);
    text.push_back(':');
    PutDigits(text, ofDay / kMillisPerSecond % 60, 2);
    if (ofDay % kMillisPerSecond != 0) {
        text.push_back('.');
        PutDigits(text, ofDay % kMillisPerSecond, 3);
    }
    return text;
}

std::string FormatDuration(Millis length) {
    if (length < 0)
        return "-" + FormatDuration(-length);
    if (length < kMillisPerSecond)
        return std::to_string(length) + " ms";
    if (length < kMillisPerMinute) {
        std::string text = std::to_string(length / kMillisPerSecond);
        Millis rest = length % kMillisPerSecond;
        if (rest != 0) {
            text.push_back('.');
            std::string digits;
            PutDigits(digits, rest, 3);
            while (digits.back() == '0')
                digits.pop_back();
            text += digits;
        }
        return text + " s";
    }
    if (length % kMillisPerDay == 0)
        return std::to_string(length / kMillisPerDay) + " d";
    if (length < kMillisPerHour || length % kMillisPerHour != 0) {
        const Millis hours = length / kMillisPerHour;
        const Millis minutes = length % kMillisPerHour / kMillisPerMinute;
        const Millis seconds = length % kMillisPerMinute / kMillisPerSecond;
        std::string text;
        if (hours > 0)
            text = std::to_string(hours) + " h ";
        text += std::to_string(minutes) + " min";
        if (seconds > 0 || length % kMillisPerSecond != 0)
            text += " " + FormatDuration(length % kMillisPerMinute);
        return text;
    }
    return std::to_string(length / kMillisPerHour) + " h";
}

std::optional<Day> TimeFieldReader::DayOf(std::string_view date) {
    if (lastLength_ != 0 && date.size() == lastLength_ &&
        std::memcmp(date.data(), lastDate_, lastLength_) == 0)
        return lastDay_;
    const std::optional<Day> day = ParseCsvDate(date);
    if (day && date.size() <= sizeof lastDate_) {
        std::memcpy(lastDate_, date.data(), date.size());
        lastLength_ = date.size();
        lastDay_ = *day;
    }
    return day;
}

std::optional<Millis> TimeFieldReader::DateTime(std::string_view field) {
    field = TrimBlanks(field);
    // The date of the last row again: a date read holds no blank nor 'T', so it ends there.
    if (lastLength_ != 0 && field.size() > lastLength_ &&
        (field[lastLength_] == ' ' || field[lastLength_] == 'T') &&
        std::memcmp(field.data(), lastDate_, lastLength_) == 0) {
        const std::optional<Millis> clock = ParseCsvClock(field.substr(lastLength_ + 1));
        if (!clock)
            return std::nullopt;
        return lastDay_ * kMillisPerDay + *clock;
    }
    const std::size_t dateEnd = DateEnd(field);
    if (dateEnd == std::string_view::npos)
        return std::nullopt;
    const std::optional<Day> day = DayOf(field.substr(0, dateEnd));
    if (!day)
        return std::nullopt;
    const std::optional<Millis> clock = ParseCsvClock(field.substr(dateEnd + 1));
    if (!clock)
        return std::nullopt;
    return *day * kMillisPerDay + *clock;
}

std::optional<Millis> TimeFieldReader::DateAndClock(std::string_view date, std::string_view clock) {
    const std::optional<Day> day = DayOf(TrimBlanks(date));
    if (!day)
        return std::nullopt;
    const std::optional<Millis> ofDay = ParseCsvClock(clock);
    if (!ofDay)
        return std::nullopt;
    return *day * kMillisPerDay + *ofDay;
}

} // namespace vrd
