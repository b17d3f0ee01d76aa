#include "analysis/time_text.h"

#include "report/minute_time.h"

namespace vrd {

namespace {

constexpr std::size_t kMinuteText = 16; // "yyyy-mm-ddThh:mm"
constexpr std::size_t kSecondText = 19; // "yyyy-mm-ddThh:mm:ss"

std::optional<int> TwoDigits(std::string_view text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return std::nullopt;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

void PutTwo(std::string& text, Millis value) {
    text.push_back(static_cast<char>('0' + value / 10));
    text.push_back(static_cast<char>('0' + value % 10));
}

// Floor division, so that a time before the first day still has its day.
Day DayOfMillis(Millis time) {
    return time >= 0 ? time / kMillisPerDay : -((-time + kMillisPerDay - 1) / kMillisPerDay);
}

} // namespace

std::optional<Millis> ParseTime(std::string_view text) {
    if (text.size() != kMinuteText && (text.size() != kSecondText || text[kMinuteText] != ':'))
        return std::nullopt;
    const std::optional<Minute> minute = ParseMinute(text.substr(0, kMinuteText));
    if (!minute)
        return std::nullopt;
    Millis seconds = 0;
    if (text.size() == kSecondText) {
        const std::optional<int> given = TwoDigits(text.substr(kMinuteText + 1));
        if (!given || *given > 59)
            return std::nullopt;
        seconds = *given;
    }
    return *minute * kMillisPerMinute + seconds * kMillisPerSecond;
}

std::string FormatClock(Millis time) {
    const Millis ofDay = time - DayOfMillis(time) * kMillisPerDay;
    std::string text;
    PutTwo(text, ofDay / kMillisPerHour);
    text.push_back(':');
    PutTwo(text, ofDay % kMillisPerHour / kMillisPerMinute);
    const Millis millis = ofDay % kMillisPerMinute;
    if (millis != 0) {
        text.push_back(':');
        PutTwo(text, millis / kMillisPerSecond);
        if (const Millis fraction = millis % kMillisPerSecond; fraction != 0) {
            text.push_back('.');
            text.push_back(static_cast<char>('0' + fraction / 100));
            PutTwo(text, fraction % 100);
        }
    }
    return text;
}

std::string FormatTime(Millis time) {
    return FormatDay(DayOfMillis(time)) + 'T' + FormatClock(time);
}

} // namespace vrd
