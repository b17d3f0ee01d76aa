#include "analysis/french_calendar.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

Day DayOf(const char* text) {
    return *ParseDay(text);
}

TEST(EasterSunday, KnownYearsAndTheEarliestAndLatest) {
    for (const char* easter : {"2011-04-24", "2024-03-31", "2000-04-23", "1818-03-22", "2038-04-25",
                               "2019-04-21", "1583-04-10"}) {
        const CivilDate date = CivilFromDay(DayOf(easter));
        EXPECT_EQ(FormatDay(DayFromCivil(EasterSunday(date.year))), easter);
    }
}

TEST(FrenchRestDays, SundaysAndPublicHolidays) {
    EXPECT_TRUE(IsSunday(DayOf("2011-05-15")));
    EXPECT_FALSE(IsSunday(DayOf("2011-05-12")));
    EXPECT_TRUE(IsSunday(DayOf("0001-01-07")));
    for (const char* holiday :
         {"2011-01-01", "2011-04-25", "2011-05-01", "2011-05-08", "2011-06-02", "2011-06-13",
          "2011-07-14", "2011-08-15", "2011-11-01", "2011-11-11", "2011-12-25", "2024-05-09"})
        EXPECT_TRUE(IsFrenchPublicHoliday(DayOf(holiday))) << holiday;
    // Easter Sunday and Whit Sunday are Sundays, not holidays of their own; Good Friday and
    // Boxing Day are no French holidays.
    for (const char* working :
         {"2011-04-24", "2011-06-12", "2011-04-22", "2011-12-26", "2011-05-12", "2011-06-01"})
        EXPECT_FALSE(IsFrenchPublicHoliday(DayOf(working))) << working;
}

} // namespace
} // namespace vrd
