#include "analysis/period_presets.h"
#include "analysis/who_guidelines.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

TEST(PeriodPresets, EachIsValidAndNamesItsCombinedLevel) {
    for (const PeriodPreset& preset : PeriodPresets())
        EXPECT_FALSE(CheckPeriods(preset.periods)) << preset.name;
    const std::optional<PeriodPreset> uk = PresetNamed("uk");
    ASSERT_TRUE(uk);
    EXPECT_EQ(uk->periods.EveningMinutes(), 0);
    EXPECT_EQ(uk->periods.DayMinutes(), 16 * 60);
    EXPECT_EQ(uk->periods.nightPenalty, 0.0);
    const std::optional<PeriodPreset> fr = PresetNamed("fr");
    ASSERT_TRUE(fr);
    EXPECT_EQ(fr->periods.day, 6);
    EXPECT_EQ(fr->periods.night, 22);
    EXPECT_FALSE(PresetNamed("EU"));
    EXPECT_STREQ(CombinedLevelName("eu"), "Lden");
    EXPECT_STREQ(CombinedLevelName("it"), "Lden");
    EXPECT_STREQ(CombinedLevelName("uk"), "LAeq,24h");
    EXPECT_STREQ(CombinedLevelName("us-ldn"), "Ldn");
    EXPECT_STREQ(CombinedLevelName("us-cnel"), "CNEL");
    EXPECT_STREQ(CombinedLevelName(""), "Lden");
}

TEST(WhoGuidelines, ValuesAndExcesses) {
    const WhoComparison aircraft = CompareWithWho(WhoSource::Aircraft, 50.5, 38.0);
    EXPECT_EQ(aircraft.ldenGuideline, 45.0);
    EXPECT_EQ(aircraft.lnightGuideline, 40.0);
    EXPECT_EQ(aircraft.ldenExcess, 5.5);
    EXPECT_EQ(aircraft.lnightExcess, -2.0);
    EXPECT_EQ(CompareWithWho(WhoSource::Rail, 60, 50).ldenGuideline, 54.0);
    EXPECT_EQ(CompareWithWho(WhoSource::Rail, 60, 50).lnightGuideline, 44.0);
    // Wind turbines have no night guideline; a missing level has no excess.
    const WhoComparison wind = CompareWithWho(WhoSource::Wind, std::nullopt, 50.0);
    EXPECT_EQ(wind.ldenGuideline, 45.0);
    EXPECT_FALSE(wind.lnightGuideline);
    EXPECT_FALSE(wind.ldenExcess);
    EXPECT_FALSE(wind.lnightExcess);
    EXPECT_EQ(WhoSourceNamed("road"), WhoSource::Road);
    EXPECT_FALSE(WhoSourceNamed("trams"));
    EXPECT_STREQ(WhoSourceName(WhoSource::Wind), "wind");
}

} // namespace
} // namespace vrd
