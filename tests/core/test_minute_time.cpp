#include "report/minute_record.h"
#include "report/minute_time.h"
#include "report/number_syntax.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

TEST(MinuteTime, DaysRoundTripAcrossTheWholeCalendar) {
    EXPECT_EQ(DayFromCivil({1, 1, 1}), 0);
    EXPECT_EQ(DayFromCivil({1, 12, 31}), 364);
    EXPECT_EQ(DayFromCivil({2000, 3, 1}) - DayFromCivil({2000, 2, 28}), 2); // a leap century
    EXPECT_EQ(DayFromCivil({1900, 3, 1}) - DayFromCivil({1900, 2, 28}), 1); // not a leap year
    for (Day day = 0; day <= DayFromCivil({9999, 12, 31}); day += 997) {
        const CivilDate date = CivilFromDay(day);
        ASSERT_TRUE(IsRealDate(date.year, date.month, date.day)) << day;
        ASSERT_EQ(DayFromCivil(date), day);
    }
    EXPECT_EQ(FormatDay(DayFromCivil({9999, 12, 31})), "9999-12-31");
}

TEST(MinuteTime, ParsesOnlyRealDatesAndTimes) {
    const std::optional<Minute> minute = ParseMinute("2011-05-12T17:08");
    ASSERT_TRUE(minute);
    EXPECT_EQ(FormatMinute(*minute), "2011-05-12T17:08");
    EXPECT_EQ(ParseMinute("0001-01-01T00:00"), 0);
    EXPECT_EQ(ParseRecordDate("29/02/2012"), ParseDay("2012-02-29"));
    for (const char* bad :
         {"2011-02-29T00:00", "2011-05-12T24:00", "2011-05-12T10:60", "0000-01-01T00:00",
          "2011-5-12T10:00", "2011-05-12 10:00", "2011-05-12T10:00x", "", "+011-05-12T10:00"})
        EXPECT_FALSE(ParseMinute(bad)) << bad;
    EXPECT_FALSE(ParseRecordDate("31/04/2011"));
    EXPECT_FALSE(ParseRecordDate("12-05-2011"));
}

TEST(MinuteRecord, ReadsTheColumnsOfADeviceRecord) {
    const MinuteRecord record("12/05/2011 - 17:08    Leq <  65 dBA\n");
    EXPECT_EQ(record.Date(), "12/05/2011");
    EXPECT_EQ(record.Time(), " 17:08");
    EXPECT_EQ(record.Hour(), "17");
    EXPECT_TRUE(record.IsLevel());
    EXPECT_EQ(record.LevelText(), " 65");
    EXPECT_EQ(record.AfterLevel(), "dBA\n");
    EXPECT_EQ(record.Level(), 65);
    EXPECT_EQ(record.When(), ParseMinute("2011-05-12T17:08"));

    const MinuteRecord gap("12/05/2011 - 17:09                \n");
    EXPECT_TRUE(gap.IsGap());
    EXPECT_FALSE(gap.Level());
    EXPECT_FALSE(MinuteRecord("12/05/2011 - 17:0").When());
}

TEST(MinuteRecord, TheLevelIsTheWholeDecibelsTheParseFeedsTheRunningLevels) {
    for (const char* text : {" 60", "060", "  5", "5  ", " 5 ", "-5 ", "+65", "6.5", "7.5", "999",
                             "   ", "abc", "1e2", " 6", ""}) {
        const std::string line = std::string("12/05/2011 - 17:08    Leq < ") + text;
        std::optional<std::int16_t> expected;
        if (const std::optional<double> value = ParseLevelNumber(text))
            expected = RoundToInt16(*value);
        EXPECT_EQ(MinuteRecord(line).Level(), expected) << '"' << text << '"';
    }
}

} // namespace
} // namespace vrd
