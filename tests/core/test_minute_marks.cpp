#include "analysis/minute_marks.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

Mark MarkOf(MarkKind kind, Minute from, Minute to) {
    return {kind, {from, to}, ""};
}

TEST(SourceResidualOverlap, FoundWhateverTheOrderAndLength) {
    const std::vector<Mark> marks = {
        MarkOf(MarkKind::Source, 100, 200),   MarkOf(MarkKind::Residual, 0, 50),
        MarkOf(MarkKind::Residual, 200, 300), MarkOf(MarkKind::Exclude, 0, 1000),
        MarkOf(MarkKind::Source, 10, 400),    MarkOf(MarkKind::Residual, 500, 600)};
    // The long source mark 10..400 starts inside residual 0..50 and holds residual 200..300.
    const std::optional<MarkOverlap> overlap = FindSourceResidualOverlap(marks);
    ASSERT_TRUE(overlap);
    EXPECT_EQ(overlap->source, 4u);
    EXPECT_TRUE(overlap->residual == 1u || overlap->residual == 2u);

    // Touching marks do not overlap, nor do marks of one kind, nor exclusions.
    EXPECT_FALSE(FindSourceResidualOverlap(
        {MarkOf(MarkKind::Source, 100, 200), MarkOf(MarkKind::Residual, 200, 300),
         MarkOf(MarkKind::Residual, 0, 100), MarkOf(MarkKind::Source, 150, 160),
         MarkOf(MarkKind::Exclude, 0, 1000)}));
    // A residual mark that starts with a source mark, or inside a long earlier one.
    const std::optional<MarkOverlap> same = FindSourceResidualOverlap(
        {MarkOf(MarkKind::Residual, 100, 101), MarkOf(MarkKind::Source, 100, 200)});
    ASSERT_TRUE(same);
    EXPECT_EQ(same->source, 1u);
    EXPECT_EQ(same->residual, 0u);
    EXPECT_TRUE(FindSourceResidualOverlap({MarkOf(MarkKind::Source, 0, 1000),
                                           MarkOf(MarkKind::Source, 10, 20),
                                           MarkOf(MarkKind::Residual, 900, 901)}));
}

TEST(MinuteMarks, ExclusionsWinThenSourceThenResidual) {
    AnalysisSettings settings;
    settings.exclusions = {{{10, 20}, "rain"}};
    AddMarks(settings, {MarkOf(MarkKind::Source, 15, 30), MarkOf(MarkKind::Residual, 40, 50),
                        MarkOf(MarkKind::Exclude, 45, 46)});
    ASSERT_EQ(settings.exclusions.size(), 2u);
    ASSERT_EQ(settings.marks.size(), 2u);
    MinuteMarks marks(settings, RecordsSpan{TimeSpan{0, 100}, 1});
    const std::vector<std::pair<Minute, MinuteClass>> expected = {
        {5, MinuteClass::Unmarked},  {10, MinuteClass::Excluded}, {19, MinuteClass::Excluded},
        {20, MinuteClass::Source},   {29, MinuteClass::Source},   {30, MinuteClass::Unmarked},
        {40, MinuteClass::Residual}, {45, MinuteClass::Excluded}, {46, MinuteClass::Residual},
        {50, MinuteClass::Unmarked}};
    for (const auto& [minute, kind] : expected)
        EXPECT_EQ(marks.OfSampleAt(minute), kind) << minute;
    EXPECT_EQ(marks.Excluded().size(), 2u);
}

TEST(MinuteMarks, WithoutResidualMarksEveryOtherMinuteIsResidual) {
    AnalysisSettings settings;
    AddMarks(settings, {MarkOf(MarkKind::Source, 15, 30), MarkOf(MarkKind::Source, 20, 35)});
    MinuteMarks marks(settings, RecordsSpan{TimeSpan{0, 100}, 1});
    EXPECT_EQ(marks.OfSampleAt(0), MinuteClass::Residual);
    EXPECT_EQ(marks.OfSampleAt(34), MinuteClass::Source);
    EXPECT_EQ(marks.OfSampleAt(35), MinuteClass::Residual);
}

TEST(MinuteMarks, MarksOutsideTheReportsChangeNothing) {
    AnalysisSettings settings;
    // A residual mark that ends where the reports begin, a source mark that begins where they
    // end: neither shares a minute with them.
    AddMarks(settings, {MarkOf(MarkKind::Residual, 0, 100), MarkOf(MarkKind::Source, 200, 300),
                        MarkOf(MarkKind::Exclude, 300, 400)});
    MinuteMarks outside(settings, RecordsSpan{TimeSpan{100, 200}, 1});
    EXPECT_FALSE(outside.SourceOrResidualMarked());
    EXPECT_EQ(outside.OfSampleAt(150), MinuteClass::Residual);
    EXPECT_EQ(outside.Excluded().size(), 1u);

    // One minute inside is enough for a mark to count.
    MinuteMarks inside(settings, RecordsSpan{TimeSpan{99, 201}, 1});
    EXPECT_TRUE(inside.SourceOrResidualMarked());
    EXPECT_EQ(inside.OfSampleAt(99), MinuteClass::Residual);
    EXPECT_EQ(inside.OfSampleAt(150), MinuteClass::Unmarked);
    EXPECT_EQ(inside.OfSampleAt(200), MinuteClass::Source);

    // Without a record, no mark shares a minute.
    EXPECT_FALSE(MinuteMarks(settings, std::nullopt).SourceOrResidualMarked());
}

} // namespace
} // namespace vrd
