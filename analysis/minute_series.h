#pragma once
// The 1-minute levels of one or more reports of a site, merged by time.
//
// Built from the MinuteLines of each report, in the order the files were given. A record whose
// date, time or level cannot be read is counted as unreadable and used nowhere. When several level
// records fall on the same minute, the first wins and the others are counted as duplicates; a gap
// record on a minute that has a level is dropped. Only minutes that have a record are held, 8 bytes
// each, so reports years apart cost no more than their records.

#include "report/minute_time.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vrd {

// One minute of the series: a level, or a gap record (a minute that the device marked as having
// no level).
struct SeriesMinute {
    Minute minute = 0;
    bool gap = false;
    std::int16_t level = 0; // meaningful when !gap
};

class MinuteSeries {
  public:
    MinuteSeries() = default;

    std::size_t Size() const { return packed_.size(); }
    bool Empty() const { return packed_.empty(); }
    SeriesMinute At(std::size_t index) const;

    // The first index whose minute is at or after minute (Size() when none).
    std::size_t LowerBound(Minute minute) const;

    // The first and one past the last minute that has a record (level or gap); nullopt when empty.
    std::optional<Minute> First() const;
    std::optional<Minute> End() const;

    std::int64_t Unreadable() const { return unreadable_; }
    std::int64_t Duplicate() const { return duplicate_; }
    std::int64_t LevelCount() const { return levels_; }

    // Memory held, for the benchmarks.
    std::size_t BytesHeld() const { return packed_.capacity() * sizeof(std::uint64_t); }

  private:
    friend class MinuteSeriesBuilder;
    // Minute << 17 | has-level << 16 | level + 32768: sorted by minute, one per minute.
    std::vector<std::uint64_t> packed_;
    std::int64_t unreadable_ = 0;
    std::int64_t duplicate_ = 0;
    std::int64_t levels_ = 0;
};

class MinuteSeriesBuilder {
  public:
    // Adds the records of one report's MinuteLines: every complete line (line feed included) that
    // is a level or gap record. Reports added earlier win ties.
    void Add(std::string_view minuteLines);
    // The merged series; the builder is empty afterwards.
    MinuteSeries Finish();

  private:
    std::vector<std::uint64_t> packed_;
    std::int64_t unreadable_ = 0;
};

// The series of a single report's MinuteLines.
MinuteSeries SeriesOfMinuteLines(std::string_view minuteLines);

} // namespace vrd
