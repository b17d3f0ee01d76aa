#include "testkit/level_model.h"

#include "testkit/deterministic_random.h"

#include <algorithm>
#include <cmath>

namespace vrd::testkit {
namespace {

// Typical level through the day, as (minute of day, dB), joined by straight lines.
struct ProfilePoint {
    int minute;
    double level;
};
constexpr ProfilePoint kDayProfile[] = {
    {0, 33},   {300, 32}, {360, 45},  {420, 60},  {720, 63},  {750, 56},
    {810, 56}, {840, 64}, {1050, 64}, {1110, 52}, {1320, 40}, {1440, 33},
};

double TypicalLevel(int minute_of_day) {
    for (std::size_t i = 1; i < std::size(kDayProfile); ++i) {
        const ProfilePoint& left = kDayProfile[i - 1];
        const ProfilePoint& right = kDayProfile[i];
        if (minute_of_day <= right.minute) {
            const double fraction =
                static_cast<double>(minute_of_day - left.minute) / (right.minute - left.minute);
            return left.level + fraction * (right.level - left.level);
        }
    }
    return kDayProfile[0].level;
}

// Working hours are loud enough that machines run; at night only the odd passing car.
constexpr double kBusyLevel = 55;
constexpr double kBusyBurstChance = 0.01;
constexpr double kQuietBurstChance = 0.002;

// Distinct stream for the gaps, so that their probability does not move the levels.
constexpr std::uint64_t kGapStreamSalt = 0x9E3779B97F4A7C15ULL;

class LevelProcess {
  public:
    explicit LevelProcess(std::uint64_t seed) : random_(seed) {}

    int Next(int minute_of_day) {
        const double typical = TypicalLevel(minute_of_day);
        drift_ = 0.95 * drift_ + 0.9 * random_.Bell();
        // Busier hours also vary more from one minute to the next.
        const double spread = 1.5 + (typical - 33.0) / 30.0 * 1.5;
        double level = typical + drift_ + spread * random_.Bell();
        if (burst_minutes_left_ == 0) {
            const bool busy = typical >= kBusyLevel;
            if (random_.Chance(busy ? kBusyBurstChance : kQuietBurstChance)) {
                burst_minutes_left_ = 1 + static_cast<int>(random_.Below(busy ? 8 : 2));
                burst_level_ = busy ? 80.0 + static_cast<double>(random_.Below(20))
                                    : typical + 12.0 + static_cast<double>(random_.Below(20));
            }
        }
        if (burst_minutes_left_ > 0) {
            --burst_minutes_left_;
            level = std::max(level, burst_level_ + 3.0 * random_.Bell());
        }
        level = std::clamp(level, double{kQuietestLevel}, double{kLoudestLevel});
        return static_cast<int>(std::floor(level + 0.5));
    }

  private:
    DeterministicRandom random_;
    double drift_ = 0;
    int burst_minutes_left_ = 0;
    double burst_level_ = 0;
};

} // namespace

std::vector<std::uint8_t> GenerateMinuteLevels(const LevelModelOptions& options) {
    const std::int64_t count = std::max<std::int64_t>(options.minutes, 0);
    std::vector<std::uint8_t> levels(static_cast<std::size_t>(count));
    LevelProcess process(options.seed);
    DeterministicRandom gap_random(options.seed ^ kGapStreamSalt);
    int minute_of_day = options.start.hour * 60 + options.start.minute;
    int gap_minutes_left = 0;
    for (auto& level : levels) {
        level = static_cast<std::uint8_t>(process.Next(minute_of_day));
        if (gap_minutes_left == 0 && gap_random.Chance(options.gap_probability))
            gap_minutes_left = 1 + static_cast<int>(gap_random.Below(kLongestGap));
        if (gap_minutes_left > 0) {
            --gap_minutes_left;
            level = kGapMinute;
        }
        minute_of_day = minute_of_day == 1439 ? 0 : minute_of_day + 1;
    }
    return levels;
}

} // namespace vrd::testkit
