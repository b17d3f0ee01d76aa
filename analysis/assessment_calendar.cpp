#include "analysis/assessment_calendar.h"

#include "analysis/assessment_rules.h"
#include "analysis/french_calendar.h"

#include <array>

namespace vrd {

namespace {

// A date's periods start at 07:00, where its night ends.
constexpr Minute kDateStart = kFrenchDay.from * kMinutesPerHour;
static_assert(kFrenchNight.to == kFrenchDay.from && kFrenchNight.from == kFrenchDay.to &&
                  kBs4142Day.from == kFrenchDay.from && kBs4142Night.to == kBs4142Day.from &&
                  kBs4142Night.from == kBs4142Day.to,
              "the periods of a date fill it from its day start");
// French day periods run to 22:00, BS 4142's hours to 23:00; then quarter hours.
constexpr Minute kFrenchNightStart = (kFrenchDay.to - kFrenchDay.from) * kMinutesPerHour;
constexpr Minute kQuarterHours = (kBs4142Day.to - kBs4142Day.from) * kMinutesPerHour;
constexpr Minute kQuarter = kBs4142NightInterval;
static_assert(kQuarterHours % kBs4142DayInterval == 0 &&
                  (kMinutesPerDay - kQuarterHours) % kQuarter == 0,
              "BS 4142's intervals fill their periods");
constexpr int kHourSlots = static_cast<int>(kQuarterHours / kBs4142DayInterval);
constexpr int kQuarterSlots = static_cast<int>((kMinutesPerDay - kQuarterHours) / kQuarter);

struct Named {
    Standard standard;
    const char* name;
};
constexpr std::array<Named, 3> kStandards = {{{Standard::FrNeighbourhood, "fr-neighbourhood"},
                                              {Standard::FrIcpe, "fr-icpe"},
                                              {Standard::Bs4142, "bs4142"}}};

bool RestDays(Standard standard) {
    const std::optional<EmergenceRules>& rules = RulesOf(standard).emergence;
    return rules && rules->restDays;
}

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
    return standard_ == Standard::Bs4142 ? kHourSlots + kQuarterSlots : 2;
}

int AssessmentCalendar::SlotOf(Minute sinceDateStart) const {
    if (standard_ != Standard::Bs4142)
        return sinceDateStart < kFrenchNightStart ? 0 : 1;
    if (sinceDateStart < kQuarterHours)
        return static_cast<int>(sinceDateStart / kBs4142DayInterval);
    return kHourSlots + static_cast<int>((sinceDateStart - kQuarterHours) / kQuarter);
}

Minute AssessmentCalendar::SlotStart(int slot) const {
    if (standard_ != Standard::Bs4142)
        return slot == 0 ? 0 : kFrenchNightStart;
    if (slot < kHourSlots)
        return slot * kBs4142DayInterval;
    return kQuarterHours + (slot - kHourSlots) * kQuarter;
}

Minute AssessmentCalendar::SlotLength(int slot) const {
    if (standard_ != Standard::Bs4142)
        return slot == 0 ? kFrenchNightStart : kMinutesPerDay - kFrenchNightStart;
    return slot < kHourSlots ? kBs4142DayInterval : kQuarter;
}

PeriodLabel AssessmentCalendar::LabelOf(Day date, int slot) const {
    const bool night = standard_ == Standard::Bs4142 ? slot >= kHourSlots : slot == 1;
    if (night)
        return PeriodLabel::Night;
    if (RestDays(standard_) && (IsSunday(date) || IsFrenchPublicHoliday(date)))
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
        const bool holidays = RestDays(standard_);
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
