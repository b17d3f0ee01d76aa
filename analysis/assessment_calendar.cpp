#include "analysis/assessment_calendar.h"

#include "analysis/french_calendar.h"

#include <array>

namespace vrd {

namespace {

// A date's periods start at 07:00.
constexpr Minute kDateStart = 7 * kMinutesPerHour;
// French day periods run to 22:00, BS 4142's hours to 23:00; then quarter hours.
constexpr Minute kFrenchNight = (22 - 7) * kMinutesPerHour;
constexpr Minute kQuarterHours = (23 - 7) * kMinutesPerHour;
constexpr int kHourSlots = 16;
constexpr Minute kQuarter = 15;

struct Named {
    Standard standard;
    const char* name;
};
constexpr std::array<Named, 3> kStandards = {{{Standard::FrNeighbourhood, "fr-neighbourhood"},
                                              {Standard::FrIcpe, "fr-icpe"},
                                              {Standard::Bs4142, "bs4142"}}};

Day DateOf(Minute minute) {
    return DayOfMinute(minute - kDateStart);
}

} // namespace

const char* StandardName(Standard standard) {
    for (const Named& named : kStandards)
        if (named.standard == standard)
            return named.name;
    return "";
}

std::optional<Standard> StandardNamed(std::string_view name) {
    for (const Named& named : kStandards)
        if (name == named.name)
            return named.standard;
    return std::nullopt;
}

const char* PeriodLabelName(PeriodLabel label) {
    switch (label) {
    case PeriodLabel::Holiday:
        return "holiday";
    case PeriodLabel::Night:
        return "night";
    case PeriodLabel::Daytime:
        break;
    }
    return "day";
}

AssessmentCalendar::AssessmentCalendar(Standard standard, Interval selection)
    : standard_(standard) {
    if (selection.Length() == 0)
        return;
    firstDate_ = DateOf(selection.from);
    firstSlot_ = SlotOf(selection.from - kDateStart - StartOfDay(firstDate_));
    size_ = IndexOf(selection.to - 1) + 1;
}

int AssessmentCalendar::SlotsPerDate() const {
    return standard_ == Standard::Bs4142 ? kHourSlots + 32 : 2;
}

int AssessmentCalendar::SlotOf(Minute sinceDateStart) const {
    if (standard_ != Standard::Bs4142)
        return sinceDateStart < kFrenchNight ? 0 : 1;
    if (sinceDateStart < kQuarterHours)
        return static_cast<int>(sinceDateStart / kMinutesPerHour);
    return kHourSlots + static_cast<int>((sinceDateStart - kQuarterHours) / kQuarter);
}

Minute AssessmentCalendar::SlotStart(int slot) const {
    if (standard_ != Standard::Bs4142)
        return slot == 0 ? 0 : kFrenchNight;
    if (slot < kHourSlots)
        return slot * kMinutesPerHour;
    return kQuarterHours + (slot - kHourSlots) * kQuarter;
}

Minute AssessmentCalendar::SlotLength(int slot) const {
    if (standard_ != Standard::Bs4142)
        return slot == 0 ? kFrenchNight : kMinutesPerDay - kFrenchNight;
    return slot < kHourSlots ? kMinutesPerHour : kQuarter;
}

PeriodLabel AssessmentCalendar::LabelOf(Day date, int slot) const {
    const bool night = standard_ == Standard::Bs4142 ? slot >= kHourSlots : slot == 1;
    if (night)
        return PeriodLabel::Night;
    if (standard_ == Standard::FrIcpe && (IsSunday(date) || IsFrenchPublicHoliday(date)))
        return PeriodLabel::Holiday;
    return PeriodLabel::Daytime;
}

AssessmentPeriod AssessmentCalendar::At(std::int64_t index) const {
    const std::int64_t fromFirst = index + firstSlot_;
    const Day date = firstDate_ + fromFirst / SlotsPerDate();
    const int slot = static_cast<int>(fromFirst % SlotsPerDate());
    AssessmentPeriod period;
    period.date = date;
    period.interval.from = StartOfDay(date) + kDateStart + SlotStart(slot);
    period.interval.to = period.interval.from + SlotLength(slot);
    period.label = LabelOf(date, slot);
    return period;
}

std::int64_t AssessmentCalendar::IndexOf(Minute minute) const {
    const Day date = DateOf(minute);
    const int slot = SlotOf(minute - kDateStart - StartOfDay(date));
    return (date - firstDate_) * SlotsPerDate() + slot - firstSlot_;
}

std::vector<PeriodLabel> AssessmentCalendar::Labels() const {
    std::array<bool, 3> present{};
    // Any seven dates hold a Sunday and a working day, so the walk stops within a week or two.
    for (std::int64_t i = 0; i < size_; ++i) {
        present[static_cast<std::size_t>(At(i).label)] = true;
        const bool holidays = standard_ == Standard::FrIcpe;
        if (present[0] && present[2] && (!holidays || present[1]))
            break;
    }
    std::vector<PeriodLabel> labels;
    for (const PeriodLabel label : {PeriodLabel::Daytime, PeriodLabel::Holiday, PeriodLabel::Night})
        if (present[static_cast<std::size_t>(label)])
            labels.push_back(label);
    return labels;
}

} // namespace vrd
