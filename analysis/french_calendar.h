#pragma once
// The days on which French rules treat the day period as a rest day: Sundays and the public
// holidays (1 January, Easter Monday, 1 May, 8 May, Ascension Thursday, Whit Monday, 14 July,
// 15 August, 1 November, 11 November, 25 December).

#include "report/minute_time.h"

namespace vrd {

// Easter Sunday of a Gregorian year (the computus of the Gregorian calendar).
CivilDate EasterSunday(int year);

bool IsSunday(Day day);
bool IsFrenchPublicHoliday(Day day);

} // namespace vrd
