#pragma once
// The columns of one record of the 1-minute section, in one place for every reader of it: the
// parse, the chart rows, the semicolon-separated export, the chart window, the date search and the
// analysis.
//
//   columns 1..10 date "dd/mm/yyyy", 13..18 time (hour in 14..15, "hh:mm" in 14..18),
//   23..25 kind ("Leq" a level record, three blanks a gap record), 29..31 the level in whole dB,
//   33..36 the four characters after it; 1..28 is everything before the level.
// A field past the end of a line yields only the characters that are there.

#include "report/minute_time.h"
#include "report/text_positions.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vrd {

// Columns first..last of a line, counted from 1.
struct ColumnSpan {
    std::size_t first;
    std::size_t last;
    constexpr std::size_t Offset() const { return first - 1; } // counted from 0
    constexpr std::size_t Width() const { return last - first + 1; }
};

namespace record_columns {
constexpr ColumnSpan kDate{1, 10};
constexpr ColumnSpan kTime{13, 18};
constexpr ColumnSpan kClockTime{14, 18};
constexpr ColumnSpan kHour{14, 15};
constexpr ColumnSpan kKind{23, 25};
constexpr ColumnSpan kLevel{29, 31};
constexpr ColumnSpan kAfterLevel{33, 36};
constexpr ColumnSpan kBeforeLevel{1, 28};
// A record with every column present, line feed included.
constexpr std::size_t kFullLength = 36;
} // namespace record_columns

inline std::string_view Columns(std::string_view line, ColumnSpan span) {
    return Columns(line, span.first, span.last);
}

class MinuteRecord {
  public:
    explicit MinuteRecord(std::string_view line) : line_(line) {}

    std::string_view Line() const { return line_; }
    std::string_view Date() const { return Columns(line_, record_columns::kDate); }
    std::string_view Time() const { return Columns(line_, record_columns::kTime); }
    std::string_view ClockTime() const { return Columns(line_, record_columns::kClockTime); }
    std::string_view Hour() const { return Columns(line_, record_columns::kHour); }
    std::string_view Kind() const { return Columns(line_, record_columns::kKind); }
    std::string_view LevelText() const { return Columns(line_, record_columns::kLevel); }
    std::string_view AfterLevel() const { return Columns(line_, record_columns::kAfterLevel); }
    std::string_view BeforeLevel() const { return Columns(line_, record_columns::kBeforeLevel); }

    bool IsLevel() const { return Kind() == "Leq"; }
    bool IsGap() const { return Kind() == "   "; }

    // The level field as a number, and as the whole decibels the running levels are fed
    // (nearest, ties to even); nullopt when it is not a number or does not fit 16 bits.
    std::optional<double> LevelValue() const;
    std::optional<std::int16_t> Level() const;

    // The clock minute of the date and time, nullopt when either is not a real one.
    std::optional<Minute> When() const;

  private:
    std::string_view line_;
};

} // namespace vrd
