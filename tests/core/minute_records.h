#pragma once
// 1-minute records at given clock minutes, for the analysis tests.

#include "analysis/analysis_settings.h"
#include "report/minute_time.h"
#include "testkit/report_builder.h"

#include <cstdio>
#include <string>

namespace vrd::test {

inline std::string RecordDate(Minute minute) {
    const CivilDate date = CivilFromDay(DayOfMinute(minute));
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day, date.month, date.year);
    return text;
}

inline std::string RecordTime(Minute minute) {
    const Minute ofDay = minute - StartOfDay(DayOfMinute(minute));
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(ofDay / 60),
                  static_cast<int>(ofDay % 60));
    return text;
}

inline std::string LevelAt(Minute minute, int level) {
    return LevelRecord(RecordTime(minute), std::to_string(level), RecordDate(minute));
}

inline std::string GapAt(Minute minute) {
    return GapRecord(RecordTime(minute), RecordDate(minute));
}

// Records of one level at every minute of [from, to).
inline std::string ConstantLevel(Minute from, Minute to, int level) {
    std::string lines;
    for (Minute m = from; m < to; ++m)
        lines += LevelAt(m, level);
    return lines;
}

inline Minute At(const char* text) {
    return *ParseMinute(text);
}

// The time of minutes, as marks and the selection hold it.
inline TimeSpan Minutes(Minute from, Minute to) {
    return SpanOfMinutes(Interval{from, to});
}
inline TimeSpan Minutes(const char* from, const char* to) {
    return Minutes(At(from), At(to));
}

} // namespace vrd::test
