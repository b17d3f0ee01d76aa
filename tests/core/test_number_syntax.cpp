#include "report/number_syntax.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

TEST(LevelNumber, AcceptedForms) {
    const std::pair<const char*, double> cases[] = {
        {" 60", 60},  {"60 ", 60}, {"  7", 7}, {"105", 105},  {"-5", -5},  {"+5", 5}, {" -5", -5},
        {"1.5", 1.5}, {".5", 0.5}, {"5.", 5},  {"-.5", -0.5}, {"065", 65}, {"0", 0}};
    for (const auto& [text, value] : cases) {
        const std::optional<double> parsed = ParseLevelNumber(text);
        ASSERT_TRUE(parsed) << '"' << text << '"';
        EXPECT_EQ(*parsed, value) << text;
    }
}

TEST(LevelNumber, RejectedForms) {
    for (const char* text : {"", " ", "   ", "6O", "1e2", "1,5", "\t60", "6\n", "6\r", "- 5", "5-",
                             ".", "+", "-", "1.2.", "6 0", "0x1", "abc"})
        EXPECT_FALSE(ParseLevelNumber(text)) << '"' << text << '"';
}

TEST(LevelNumber, RoundingIsToEvenAndChecksTheRange) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(-0.5), 0);
    EXPECT_EQ(RoundToInt16(60.5), 60);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_FALSE(RoundToInt16(32767.5));
    EXPECT_FALSE(RoundToInt16(-32768.6));
    EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(RoundToInt32(2147483647.5));
}

} // namespace
} // namespace vrd
