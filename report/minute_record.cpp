#include "report/minute_record.h"

#include "report/number_syntax.h"

namespace vrd {

std::optional<double> MinuteRecord::LevelValue() const {
    return ParseLevelNumber(LevelText());
}

std::optional<std::int16_t> MinuteRecord::Level() const {
    const std::optional<double> value = LevelValue();
    if (!value)
        return std::nullopt;
    return RoundToInt16(*value);
}

std::optional<Minute> MinuteRecord::When() const {
    const std::optional<Day> day = ParseRecordDate(Date());
    const std::optional<Minute> time = ParseClockTime(ClockTime());
    if (!day || !time)
        return std::nullopt;
    return StartOfDay(*day) + *time;
}

} // namespace vrd
