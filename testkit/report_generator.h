#pragma once
// Whole reports as a device hands them over: site, serial, the level sections from 1 minute to
// 16 hours, and the events, all from one seed so that a test or a sample can be made again.

#include "testkit/calendar.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vrd::testkit {

enum class LineEnding { kLf, kCrLf };

inline constexpr std::size_t kLongestSite = 30;
inline constexpr std::int64_t kMostMinutes = 10 * 527040; // ten leap years

struct ReportOptions {
    std::uint64_t seed = 2011;
    DateTime start{2011, 5, 12, 0, 0};
    std::int64_t minutes = 1440;
    // Chance, per minute with a level, that the device pauses for 1..30 minutes.
    double gap_probability = 0.002;
    // A minute louder than this (strictly) is part of an event.
    int event_threshold = 85;
    LineEnding line_ending = LineEnding::kLf;
    std::string site = "Chantier Rue des Lilas";
    // Short enough that site and serial both end within the 31 characters the labels are read from.
    std::string serial = "110487";
};

// Empty when the options can be used, otherwise what is wrong with them.
std::string CheckReportOptions(const ReportOptions& options);

// The report text; empty when CheckReportOptions finds fault (a valid report never is empty).
// Intervals of the longer sections are counted from the start; the last one may be shorter.
std::string GenerateReport(const ReportOptions& options);

} // namespace vrd::testkit
