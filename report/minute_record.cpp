#include "report/minute_record.h"

#include "report/number_syntax.h"

namespace vrd {

std::optional<double> MinuteRecord::LevelValue() const {
    return ParseLevelNumber(LevelText());
}

std::optional<std::int16_t> MinuteRecord::Level() const {
    // The devices write blanks and then digits: read those directly, anything else as the parse
    // reads it.
    const std::string_view text = LevelText();
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && text.size() == record_columns::kLevel.Width()) {
        int whole = 0;
        std::size_t j = i;
        for (; j < text.size() && text[j] >= '0' && text[j] <= '9'; ++j)
            whole = whole * 10 + (text[j] - '0');
        if (j == text.size())
            return static_cast<std::int16_t>(whole);
    }
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
