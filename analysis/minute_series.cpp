#include "analysis/minute_series.h"

#include "report/complete_lines.h"
#include "report/minute_record.h"

#include <algorithm>
#include <cstring>

namespace vrd {

namespace {

constexpr int kMinuteShift = 17;
constexpr std::uint64_t kLevelBit = std::uint64_t{1} << 16;
constexpr int kLevelOffset = 32768;

std::uint64_t Pack(Minute minute, bool hasLevel, std::int16_t level) {
    return static_cast<std::uint64_t>(minute) << kMinuteShift | (hasLevel ? kLevelBit : 0) |
           static_cast<std::uint64_t>(level + kLevelOffset);
}

Minute MinuteOf(std::uint64_t packed) {
    return static_cast<Minute>(packed >> kMinuteShift);
}

bool HasLevel(std::uint64_t packed) {
    return (packed & kLevelBit) != 0;
}

bool EarlierMinute(std::uint64_t a, std::uint64_t b) {
    return MinuteOf(a) < MinuteOf(b);
}

} // namespace

SeriesMinute MinuteSeries::At(std::size_t index) const {
    const std::uint64_t packed = packed_[index];
    SeriesMinute minute;
    minute.minute = MinuteOf(packed);
    minute.gap = !HasLevel(packed);
    minute.level = static_cast<std::int16_t>(static_cast<int>(packed & 0xFFFF) - kLevelOffset);
    return minute;
}

std::size_t MinuteSeries::LowerBound(Minute minute) const {
    if (minute <= 0)
        return 0;
    const auto at = std::lower_bound(packed_.begin(), packed_.end(), Pack(minute, false, -32768));
    return static_cast<std::size_t>(at - packed_.begin());
}

std::optional<Minute> MinuteSeries::First() const {
    if (packed_.empty())
        return std::nullopt;
    return MinuteOf(packed_.front());
}

std::optional<Minute> MinuteSeries::End() const {
    if (packed_.empty())
        return std::nullopt;
    return MinuteOf(packed_.back()) + 1;
}

void MinuteSeriesBuilder::Add(std::string_view minuteLines) {
    const std::size_t before = packed_.size();
    // A record is about 36 bytes: room for all of them at once.
    packed_.reserve(before + minuteLines.size() / record_columns::kFullLength + 1);
    // Records come a day at a time: the date of the previous record is read once.
    std::string_view lastDate;
    std::optional<Day> lastDay;
    ForEachLine(minuteLines, [&](std::string_view line) {
        const MinuteRecord record(line);
        const bool level = record.IsLevel();
        if (!level && !record.IsGap())
            return true;
        const std::string_view date = record.Date();
        if (date != lastDate || lastDate.empty()) {
            lastDate = date;
            lastDay = ParseRecordDate(date);
        }
        const std::optional<Minute> time = ParseClockTime(record.ClockTime());
        const std::optional<std::int16_t> value = level ? record.Level() : std::int16_t{0};
        if (!lastDay || !time || !value) {
            ++unreadable_;
            return true;
        }
        packed_.push_back(Pack(StartOfDay(*lastDay) + *time, level, *value));
        return true;
    });
    // A report is in time order but for clock changes and repeated logs; the sorts keep the
    // report order of records on the same minute, and the earlier reports before the later.
    const auto middle = packed_.begin() + static_cast<std::ptrdiff_t>(before);
    if (!std::is_sorted(middle, packed_.end(), EarlierMinute))
        std::stable_sort(middle, packed_.end(), EarlierMinute);
    if (before > 0 && middle != packed_.end() && EarlierMinute(*middle, *(middle - 1)))
        std::inplace_merge(packed_.begin(), middle, packed_.end(), EarlierMinute);
}

MinuteSeries MinuteSeriesBuilder::Finish() {
    MinuteSeries series;
    series.unreadable_ = unreadable_;
    // One record per minute: its first level record, else a gap.
    std::size_t kept = 0;
    std::size_t i = 0;
    while (i < packed_.size()) {
        const Minute minute = MinuteOf(packed_[i]);
        std::size_t chosen = i;
        bool levelFound = false;
        for (; i < packed_.size() && MinuteOf(packed_[i]) == minute; ++i) {
            if (!HasLevel(packed_[i]))
                continue;
            if (levelFound) {
                ++series.duplicate_;
            } else {
                levelFound = true;
                chosen = i;
            }
        }
        if (levelFound)
            ++series.levels_;
        packed_[kept++] = packed_[chosen];
    }
    packed_.resize(kept);
    packed_.shrink_to_fit();
    series.packed_ = std::move(packed_);
    packed_ = {};
    unreadable_ = 0;
    return series;
}

MinuteSeries SeriesOfMinuteLines(std::string_view minuteLines) {
    MinuteSeriesBuilder builder;
    builder.Add(minuteLines);
    return builder.Finish();
}

} // namespace vrd
