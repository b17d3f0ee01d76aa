#include "analysis/sliding_leq.h"

#include "analysis/range_statistics.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

namespace vrd {
namespace {

using test::At;

// The sliding levels by the minute that ends their window.
std::map<Minute, double> ByMinute(const std::vector<SlidingLevel>& levels) {
    std::map<Minute, double> byMinute;
    for (const SlidingLevel& level : levels)
        byMinute[level.minute] = level.level;
    return byMinute;
}

// 10·log10 of the mean of 10^(L/10), written out for the levels of a window.
double EnergyMean(std::initializer_list<int> levels) {
    double sum = 0;
    for (const int level : levels)
        sum += std::pow(10.0, level / 10.0);
    return 10 * std::log10(sum / static_cast<double>(levels.size()));
}

TEST(SlidingLeq, EightyPerCentOfTheLengthRoundedUp) {
    EXPECT_EQ(SlidingLeastMinutes(5), 4);
    EXPECT_EQ(SlidingLeastMinutes(10), 8);
    EXPECT_EQ(SlidingLeastMinutes(15), 12);
    EXPECT_EQ(SlidingLeastMinutes(60), 48);
    EXPECT_EQ(SlidingLeastMinutes(7), 6); // 5.6 minutes
    EXPECT_EQ(SlidingLeastMinutes(1), 1);
}

TEST(SlidingLeq, TheEnergyMeanOfTheLastMinutes) {
    const Minute start = At("2011-05-12T10:00");
    std::string lines;
    const int levels[] = {60, 60, 60, 70, 70, 80, 50};
    for (int i = 0; i < 7; ++i)
        lines += test::LevelAt(start + i, levels[i]);
    const std::map<Minute, double> sliding =
        ByMinute(SlidingLeq(SeriesOfMinuteLines(lines), {}, 5));

    // Three minutes are too few of five; the fourth makes the window count.
    EXPECT_EQ(sliding.count(start + 2), 0U);
    ASSERT_EQ(sliding.size(), 4U);
    EXPECT_NEAR(sliding.at(start + 3), EnergyMean({60, 60, 60, 70}), 1e-9);
    EXPECT_NEAR(sliding.at(start + 4), EnergyMean({60, 60, 60, 70, 70}), 1e-9);
    EXPECT_NEAR(sliding.at(start + 5), EnergyMean({60, 60, 70, 70, 80}), 1e-9);
    EXPECT_NEAR(sliding.at(start + 6), EnergyMean({60, 70, 70, 80, 50}), 1e-9);
    // The window never slides past the last record.
    EXPECT_EQ(sliding.rbegin()->first, start + 6);
}

// The sample's night: about 30 dB, and gap records at 05:04-05:08. The devices' running levels
// restart from 60 dB there; the sliding Leq stays on the minutes measured and breaks where too
// few are left.
TEST(SlidingLeq, AcrossAGapOnlyTheMeasuredMinutesCount) {
    const Minute start = At("2011-05-12T05:00");
    std::string lines;
    const int before[] = {30, 28, 30, 31};
    for (int i = 0; i < 4; ++i)
        lines += test::LevelAt(start + i, before[i]);
    for (int i = 4; i < 9; ++i)
        lines += test::GapAt(start + i);
    const int after[] = {29, 34, 30, 32, 33};
    for (int i = 0; i < 5; ++i)
        lines += test::LevelAt(start + 9 + i, after[i]);
    const MinuteSeries series = SeriesOfMinuteLines(lines);

    const std::map<Minute, double> five = ByMinute(SlidingLeq(series, {}, 5));
    EXPECT_NEAR(five.at(start + 3), EnergyMean({30, 28, 30, 31}), 1e-9);
    EXPECT_NEAR(five.at(start + 4), EnergyMean({30, 28, 30, 31}), 1e-9); // 05:00-05:04
    for (Minute m = start + 5; m < start + 12; ++m)
        EXPECT_EQ(five.count(m), 0U) << FormatMinute(m);
    EXPECT_NEAR(five.at(start + 12), EnergyMean({29, 34, 30, 32}), 1e-9); // 05:08-05:12
    EXPECT_NEAR(five.at(start + 13), EnergyMean({29, 34, 30, 32, 33}), 1e-9);

    // Ten minutes need eight: 05:04-05:13 holds five, so nothing is drawn after 05:03.
    const std::map<Minute, double> ten = ByMinute(SlidingLeq(series, {}, 10));
    EXPECT_TRUE(ten.empty());
    for (const auto& [minute, level] : five)
        EXPECT_LT(level, 35) << FormatMinute(minute);
}

TEST(SlidingLeq, ExcludedMinutesAreLeftOutAsAGapIs) {
    const Minute start = At("2011-05-12T14:00");
    std::string lines = test::ConstantLevel(start, start + 20, 50);
    lines += test::ConstantLevel(start + 20, start + 22, 95); // the party next door
    lines += test::ConstantLevel(start + 22, start + 40, 50);
    const MinuteSeries series = SeriesOfMinuteLines(lines);
    const std::vector<Interval> excluded =
        MinutesStartingIn(MergeExclusions({{test::Minutes(start + 20, start + 22), "party"}}));

    const std::map<Minute, double> sliding = ByMinute(SlidingLeq(series, excluded, 5));
    // One excluded minute leaves four of five: still a level, and only of the 50 dB minutes.
    EXPECT_NEAR(sliding.at(start + 20), 50, 1e-9);
    EXPECT_NEAR(sliding.at(start + 25), 50, 1e-9);
    // Both excluded leave three: no level while the window holds them.
    for (Minute m = start + 21; m <= start + 24; ++m)
        EXPECT_EQ(sliding.count(m), 0U) << FormatMinute(m);
    for (const auto& [minute, level] : sliding)
        EXPECT_NEAR(level, 50, 1e-9) << FormatMinute(minute);

    // Without the exclusion the loud minutes count.
    const std::map<Minute, double> all = ByMinute(SlidingLeq(series, {}, 5));
    EXPECT_NEAR(all.at(start + 22), EnergyMean({50, 50, 95, 95, 50}), 1e-9);
}

TEST(SlidingLeq, EightyPerCentIsEnoughAndOneMinuteLessIsNot) {
    // Fifteen minutes need twelve. From 10:00 on: 12 measured, 3 missing, then 11 measured,
    // 4 missing (records simply absent), and measured again.
    const Minute start = At("2011-05-12T10:00");
    std::string lines = test::ConstantLevel(start, start + 12, 55);
    lines += test::ConstantLevel(start + 15, start + 26, 55);
    lines += test::ConstantLevel(start + 30, start + 60, 55);
    const std::map<Minute, double> sliding =
        ByMinute(SlidingLeq(SeriesOfMinuteLines(lines), {}, 15));

    EXPECT_EQ(sliding.count(start + 10), 0U); // 11 of 15
    EXPECT_EQ(sliding.count(start + 11), 1U); // 12 of 15
    EXPECT_EQ(sliding.count(start + 14), 1U); // 10:00-10:14: 12 measured, 3 missing
    EXPECT_EQ(sliding.count(start + 25), 1U); // 10:11-10:25: 1 + 11
    // From 10:12-10:26 to 10:26-10:40 every window holds 11: one short of twelve.
    for (Minute m = start + 26; m <= start + 40; ++m)
        EXPECT_EQ(sliding.count(m), 0U) << FormatMinute(m);
    EXPECT_EQ(sliding.count(start + 41), 1U); // 10:27-10:41: 12
}

TEST(SlidingLeq, NothingToSlideOver) {
    EXPECT_TRUE(SlidingLeq(MinuteSeries(), {}, 5).empty());
    const Minute start = At("2011-05-12T10:00");
    const MinuteSeries gaps = SeriesOfMinuteLines(test::GapAt(start) + test::GapAt(start + 1));
    EXPECT_TRUE(SlidingLeq(gaps, {}, 1).empty());
    const MinuteSeries one = SeriesOfMinuteLines(test::LevelAt(start, 40));
    EXPECT_TRUE(SlidingLeq(one, {}, 0).empty());
    ASSERT_EQ(SlidingLeq(one, {}, 1).size(), 1U);
    EXPECT_EQ(SlidingLeq(one, {}, 1).front().level, 40);
}

// Weeks of minutes with gaps, stretches without records, loud bursts and exclusions: every
// minute's window against the statistics of the same minutes, and no minute left out that
// counts.
TEST(SlidingLeq, EveryWindowIsTheLeqOfItsMinutes) {
    std::mt19937 random(5);
    std::string lines;
    const Minute start = At("2011-05-30T00:00");
    for (Minute m = start; m < start + 4 * kMinutesPerDay; ++m) {
        const auto roll = random() % 1000;
        if (roll < 3) {
            m += random() % 120;
            continue;
        }
        if (roll < 30)
            lines += test::GapAt(m);
        else
            lines += test::LevelAt(m, roll < 40 ? 110 : 30 + static_cast<int>(random() % 40));
    }
    const MinuteSeries series = SeriesOfMinuteLines(lines);
    const std::vector<Interval> excluded =
        MinutesStartingIn(MergeExclusions({{test::Minutes(start + 600, start + 640), "rain"},
                                           {test::Minutes(start + 3000, start + 3007), "works"}}));
    const RangeStatistics statistics(series, std::nullopt);

    for (const Minute length : {5, 10, 15, 60}) {
        SCOPED_TRACE(length);
        const std::map<Minute, double> sliding = ByMinute(SlidingLeq(series, excluded, length));
        for (Minute m = *series.First(); m < *series.End(); ++m) {
            const RangeFigures window = statistics.Figures({m - length + 1, m + 1}, excluded);
            const auto found = sliding.find(m);
            if (window.measured < SlidingLeastMinutes(length)) {
                ASSERT_EQ(found, sliding.end()) << FormatMinute(m);
                continue;
            }
            ASSERT_NE(found, sliding.end()) << FormatMinute(m);
            ASSERT_NEAR(found->second, *window.levels.leq, 1e-9) << FormatMinute(m);
        }
    }
}

} // namespace
} // namespace vrd
