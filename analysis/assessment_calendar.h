#pragma once
// The periods an assessment standard judges separately, numbered through a selection:
//
//   fr-neighbourhood  day [D 07:00, D 22:00), night [D 22:00, D+1 07:00)
//   fr-icpe           the same, the day labelled holiday on a Sunday or a French public holiday
//   bs4142            each hour from 07:00 to 23:00 (day), each quarter hour from 23:00 to
//                     07:00 of the next date (night)
//
// Every standard's periods of date D fill [D 07:00, D+1 07:00), the same number each date, so
// that the i-th period of a selection is found without listing those before it.

#include "analysis/analysis_settings.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vrd {

enum class Standard { FrNeighbourhood, FrIcpe, Bs4142 };
enum class PeriodLabel { Daytime, Holiday, Night };

const char* StandardName(Standard standard); // "fr-neighbourhood", "fr-icpe", "bs4142"
std::optional<Standard> StandardNamed(std::string_view name);
const char* PeriodLabelName(PeriodLabel label); // "day", "holiday", "night"

struct AssessmentPeriod {
    Day date = 0;      // the date it belongs to: a night's is the date it begins
    Interval interval; // whole, not cut by the selection
    PeriodLabel label = PeriodLabel::Daytime;
};

class AssessmentCalendar {
  public:
    AssessmentCalendar() = default;
    AssessmentCalendar(Standard standard, Interval selection);

    // The periods that overlap the selection.
    std::int64_t Size() const { return size_; }
    AssessmentPeriod At(std::int64_t index) const;
    // The index of the period that holds minute, a minute of the selection.
    std::int64_t IndexOf(Minute minute) const;

    // The labels of the periods listed, in the order day, holiday, night.
    std::vector<PeriodLabel> Labels() const;

  private:
    int SlotsPerDate() const;
    int SlotOf(Minute sinceDateStart) const;
    Minute SlotStart(int slot) const;
    Minute SlotLength(int slot) const;
    PeriodLabel LabelOf(Day date, int slot) const;

    Standard standard_ = Standard::FrNeighbourhood;
    Day firstDate_ = 0;
    int firstSlot_ = 0;
    std::int64_t size_ = 0;
};

} // namespace vrd
