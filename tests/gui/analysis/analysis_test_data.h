#pragma once
// Reports over several days for the analysis tests: 1-minute records with their real dates.

#include "report/minute_time.h"

#include <array>
#include <cstdio>
#include <functional>
#include <string>

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
