#include "report/running_leq.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace vrd {
namespace {

RunningLeqState FreshRings() {
    RunningLeqState state;
    ResetRunningLeq(state);
    return state;
}

// The stored 5- and 10-minute levels after each of levels, from freshly reset rings.
std::vector<std::pair<int, int>> Feed(const std::vector<int>& levels) {
    RunningLeqState state = FreshRings();
    std::vector<std::pair<int, int>> stored;
    for (const int level : levels) {
        EXPECT_EQ(FeedMinuteLevel(state, static_cast<std::int16_t>(level)), "");
        stored.emplace_back(state.Leq5, state.Leq10);
    }
    return stored;
}

TEST(RunningLeq, ConstantLevelsRoundHalfToEven) {
    for (const auto& [level, expected] : std::vector<std::pair<int, int>>{
             {58, 58}, {60, 60}, {61, 62}, {62, 62}, {65, 66}, {80, 80}}) {
        const auto stored = Feed(std::vector<int>(10, level));
        EXPECT_EQ(stored[4].first, expected) << level;
        EXPECT_EQ(stored[9].second, expected) << level;
    }
}

TEST(RunningLeq, QuietLevelsCarryTheRoundingOfTheSum) {
    EXPECT_EQ(Feed(std::vector<int>(5, 45))[4].first, 45);   // x just below 45
    EXPECT_EQ(Feed(std::vector<int>(10, 45))[9].second, 46); // x just above 45
}

TEST(RunningLeq, OneLoudMinute) {
    RunningLeqState state = FreshRings();
    const RunningLeqResult five = UpdateRunningLeq(80, state.Ring5[0], state.RingIndex5, 5,
                                                   state.EnergySum5, state.Ring5.data());
    ASSERT_TRUE(five.ok());
    EXPECT_FLOAT_EQ(state.EnergySum5, 1.04e8f);
    EXPECT_NEAR(five.value, 73.68, 0.01);
    EXPECT_EQ(Feed({80})[0], std::make_pair(74, 71));
}

TEST(RunningLeq, LoudMinutesLeavingTheRingLeaveTheirRounding) {
    const auto stored = Feed({70, 75, 80, 85, 90, 65, 65, 65, 65, 65});
    const std::vector<int> expected = {65, 70, 75, 80, 85, 85, 85, 85, 84, 65};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(stored[i].first, expected[i]) << "minute " << i + 1;
}

TEST(RunningLeq, SlotsAreReplacedInRingOrderAndResetKeepsPositions) {
    RunningLeqState state = FreshRings();
    for (int i = 1; i <= 6; ++i)
        FeedMinuteLevel(state, static_cast<std::int16_t>(60 + i));
    EXPECT_EQ(state.Ring5[0], 66); // the sixth level replaced the first
    EXPECT_EQ(state.RingIndex5, 1);
    EXPECT_EQ(state.Ring10[5], 66);
    EXPECT_EQ(state.RingIndex10, 6);
    const std::int16_t leq5 = state.Leq5;
    ResetRunningLeq(state);
    EXPECT_EQ(state.RingIndex5, 1);
    EXPECT_EQ(state.RingIndex10, 6);
    EXPECT_EQ(state.Leq5, leq5);
    EXPECT_EQ(state.EnergySum5, 5e6f);
    EXPECT_EQ(state.EnergySum10, 1e7f);
    for (const std::int16_t slot : state.Ring10)
        EXPECT_EQ(slot, 60);
}

// After loud minutes leave the ring, the single-precision sum keeps their rounding; with quiet
// minutes after them it can fall to zero or below. The sum is then rebuilt from the slots.
TEST(RunningLeq, DriftedSumIsRebuiltFromTheSlots) {
    RunningLeqState state = FreshRings();
    state.Ring5.fill(30);
    state.EnergySum5 = -5000; // what the drift can leave behind
    const RunningLeqResult result = UpdateRunningLeq(30, state.Ring5[0], state.RingIndex5, 5,
                                                     state.EnergySum5, state.Ring5.data());
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_FLOAT_EQ(state.EnergySum5, 5000);
    EXPECT_FLOAT_EQ(result.value, 30.5f);

    // A week of minutes between 25 and 105 dB without a gap runs into the drift many times.
    std::mt19937 random(2011);
    RunningLeqState week = FreshRings();
    for (int minute = 0; minute < 7 * 1440; ++minute) {
        const int level = random() % 40 == 0 ? 95 + static_cast<int>(random() % 11)
                                             : 25 + static_cast<int>(random() % 15);
        ASSERT_EQ(FeedMinuteLevel(week, static_cast<std::int16_t>(level)), "") << minute;
        ASSERT_GT(week.EnergySum5, 0);
        ASSERT_GT(week.EnergySum10, 0);
    }
}

TEST(RunningLeq, LevelsBeyondSinglePrecisionFailWithAReason) {
    RunningLeqState state = FreshRings();
    EXPECT_EQ(FeedMinuteLevel(state, 385), "");
    const std::string error = FeedMinuteLevel(state, 390);
    EXPECT_NE(error.find("390"), std::string::npos) << error;
    // Very low levels still give a level.
    RunningLeqState quiet = FreshRings();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(FeedMinuteLevel(quiet, -300), "");
}

} // namespace
} // namespace vrd
