#pragma once
// Reports over several days for the analysis tests: 1-minute records with their real dates.

#include "analysis/analysis_settings.h"
#include "analysis/report_for_analysis.h"
#include "report/minute_time.h"
#include "tests/gui/gui_test_support.h"

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// The record of minute: a level record, or a gap record when level is negative.
inline std::string DatedRecord(vrd::Minute minute, int level) {
    const vrd::CivilDate date = vrd::CivilFromDay(vrd::DayOfMinute(minute));
    const auto ofDay = static_cast<int>(minute - vrd::StartOfDay(vrd::DayOfMinute(minute)));
    std::array<char, 64> text{};
    if (level < 0)
        std::snprintf(text.data(), text.size(), "%02d/%02d/%04d - %02d:%02d                 \n",
                      date.day, date.month, date.year, ofDay / 60, ofDay % 60);
    else
        std::snprintf(text.data(), text.size(), "%02d/%02d/%04d - %02d:%02d    Leq < %3d dBA\n",
                      date.day, date.month, date.year, ofDay / 60, ofDay % 60, level);
    return text.data();
}

// A report of `minutes` records from 12/05/2011 00:00 on, levelAt(i) for the i-th (negative: a
// gap record). Site "Site Test", serial "SN 42".
inline std::string DatedReport(int minutes, const std::function<int(int)>& levelAt) {
    const vrd::Minute first = vrd::StartOfDay(vrd::DayFromCivil({2011, 5, 12}));
    std::string report = "Site Test\nSN 42\n1 minute Leq Log\n" + std::string(39, '-') + "\n";
    report.reserve(static_cast<std::size_t>(minutes) * 37 + 200);
    for (int i = 0; i < minutes; ++i)
        report += DatedRecord(first + i, levelAt(i));
    report += "\n";
    return report;
}

// 12/05/2011 00:00 on: the level climbs by the hour, and minute 100 is a gap.
inline int ClimbingLevel(int minute) {
    if (minute == 100)
        return -1;
    return 40 + (minute / 60) % 30 + minute % 7;
}

// The minute at hour:minute of the day-th day after 12/05/2011.
// The time of the minutes [from, to), as marks hold it.
inline vrd::TimeSpan Span(vrd::Minute from, vrd::Minute to) {
    return vrd::SpanOfMinutes(vrd::Interval{from, to});
}

inline vrd::Minute At(int day, int hour, int minute = 0) {
    return vrd::DayFromCivil({2011, 5, 12 + day}) * vrd::kMinutesPerDay + hour * 60 + minute;
}

// Three days of ClimbingLevel minutes from 12/05/2011, the last hour of them missing.
inline vrd::ReportForAnalysis ThreeDays() {
    vrd::ReportForAnalysis report;
    report.path = "three days.txt";
    const CoreOpen open = [] {
        TestFiles files;
        const QString path = files.Write(QStringLiteral("three days.txt"),
                                         DatedReport(3 * 1440 - 60, ClimbingLevel));
        return OpenWithCore(path, vrd::ReportKind::Plain);
    }();
    report.minuteLines = open.state.MinuteLines;
    report.site = "Site Test";
    return report;
}

// An assessment worked by hand: from 12/05/2011 00:00 to 14/05/2011 07:00 at 49 dB, but 56 dB from
// 10:00 to 11:00 on the 12th (emergence 7 for a limit of 8: not conclusive), and through the night
// of the 12th 52 dB, with a source of 44 dB from 02:00 to 02:20 (a residual louder than it).
inline int CaseLevel(int minute) {
    const int day = minute / 1440;
    const int ofDay = minute % 1440;
    const int hour = ofDay / 60;
    if (day == 0 && hour == 10)
        return 56;
    if ((day == 0 && hour >= 22) || (day == 1 && hour < 7))
        return day == 1 && hour == 2 && ofDay % 60 < 20 ? 44 : 52;
    return 49;
}

inline constexpr int kCaseMinutes = 2 * 1440 + 7 * 60;

inline std::vector<vrd::ReportForAnalysis> Reports(vrd::ReportForAnalysis report) {
    std::vector<vrd::ReportForAnalysis> reports;
    reports.push_back(std::move(report));
    return reports;
}
