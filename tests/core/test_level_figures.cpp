#include "analysis/level_figures.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace vrd {
namespace {

LevelFigures FiguresOf(std::initializer_list<int> levels) {
    LevelHistogram histogram;
    for (const int level : levels)
        histogram.Add(static_cast<std::int16_t>(level));
    return histogram.Figures();
}

TEST(LevelFigures, LeqIsTheEnergyMean) {
    const LevelFigures figures = FiguresOf({60, 80});
    ASSERT_TRUE(figures.leq);
    EXPECT_NEAR(*figures.leq, 77.03, 0.005);
    EXPECT_EQ(figures.lmax, 80);
    EXPECT_EQ(figures.lmin, 60);
    EXPECT_DOUBLE_EQ(*FiguresOf({-5, -5, -5}).leq, -5.0);
}

TEST(LevelFigures, StatisticalLevelsInterpolateOnWholeNumbers) {
    const LevelFigures eleven = FiguresOf({11, 3, 1, 2, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(eleven.L(90), 2.0);
    EXPECT_EQ(eleven.L(10), 10.0);
    EXPECT_EQ(eleven.L(50), 6.0);
    EXPECT_DOUBLE_EQ(*eleven.L(99), 1.1); // h = 10, k = 0, r = 10
    EXPECT_DOUBLE_EQ(*eleven.L(1), 10.9);

    const LevelFigures four = FiguresOf({1, 2, 3, 4});
    EXPECT_DOUBLE_EQ(*four.L(50), 2.5);
    EXPECT_DOUBLE_EQ(*four.L(95), 1.15);
    EXPECT_DOUBLE_EQ(*four.L(5), 3.85);

    // Repeated levels: the quantile falls inside a run of equal samples.
    EXPECT_DOUBLE_EQ(*FiguresOf({50, 50, 50, 50, 70}).L(10), 62.0); // h = 360, k = 3, r = 60
}

TEST(LevelFigures, OneMinuteAndNoMinute) {
    const LevelFigures one = FiguresOf({63});
    for (const int percent : kStatisticalPercents)
        EXPECT_EQ(one.L(percent), 63.0) << percent;
    EXPECT_EQ(one.leq, 63.0);

    const LevelFigures none = FiguresOf({});
    EXPECT_EQ(none.count, 0);
    EXPECT_FALSE(none.leq);
    EXPECT_FALSE(none.lmax);
    EXPECT_FALSE(none.L(90));
}

TEST(LevelHistogram, CountsAboveAFractionalThresholdAndMerges) {
    LevelHistogram a;
    for (const int level : {60, 61, 61, 62})
        a.Add(static_cast<std::int16_t>(level));
    EXPECT_EQ(a.CountAbove(60.5), 3);
    EXPECT_EQ(a.CountAbove(61), 1);
    EXPECT_EQ(a.CountAbove(62), 0);

    LevelHistogram b;
    b.Add(40);
    b.Merge(a);
    EXPECT_EQ(b.Count(), 5);
    EXPECT_EQ(b.Figures().lmin, 40);
    b.Merge(a, -1);
    EXPECT_EQ(b.Figures().lmax, 40);
}

} // namespace
} // namespace vrd
