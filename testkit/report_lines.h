#pragma once
// The fixed-column lines of a report: section headers, level and gap records, event records.
// The decoder finds fields by column, so every record is written character by character.

#include "testkit/calendar.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vrd::testkit {

// One section of level records: its header and the length of one interval.
struct LevelSection {
    std::string_view header;
    int interval_minutes;
};

inline constexpr LevelSection kLevelSections[] = {
    {"1 minute Leq Log", 1}, {"5 minutes Leq Log", 5}, {"10 minutes Leq Log", 10},
    {"1 hour Leq Log", 60},  {"8 hour Leq Log", 480},  {"16 hour Leq Log", 960},
};
inline constexpr std::string_view kEventsHeader = "Events Log";
inline constexpr std::string_view kHeaderRule = "---------------------------------------";

// Level and gap records have the same length: "dd/mm/yyyy - hh:mm    Leq <  60 dBA".
inline constexpr std::size_t kRecordLength = 35;
// Enough for any event record, whatever its duration.
inline constexpr std::size_t kLongestEventRecord = 72;

void WriteLevelRecord(const DateTime& time, int level, char* out);
void WriteGapRecord(const DateTime& time, char* out);
// "dd/mm/yyyy - hh:mm    Max >  95 dBA  duration hh:mm"; returns the number of characters.
std::size_t WriteEventRecord(const DateTime& time, int max_level, std::int64_t duration_minutes,
                             char* out);

} // namespace vrd::testkit
