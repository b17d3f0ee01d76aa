#include "analysis/assess.h"

#include "analysis/minute_marks.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

using test::At;
using test::ConstantLevel;
using test::LevelAt;

Mark Marked(MarkKind kind, const char* from, const char* to) {
    return {kind, test::Minutes(from, to), ""};
}

AnalysisSettings Marks(std::vector<Mark> marks) {
    AnalysisSettings settings;
    AddMarks(settings, std::move(marks));
    return settings;
}

AssessmentResult AssessAs(Standard standard, const std::string& lines,
                          const AnalysisSettings& settings, bool indoors = false) {
    return Assess(SeriesOfMinuteLines(lines), settings, {standard, indoors});
}

// Every field of two sets of figures.
void ExpectSame(const EmergenceFigures& a, const EmergenceFigures& b) {
    EXPECT_EQ(a.sourceMinutes, b.sourceMinutes);
    EXPECT_EQ(a.residualMinutes, b.residualMinutes);
    EXPECT_EQ(a.ambientLeq, b.ambientLeq);
    EXPECT_EQ(a.ambientL50, b.ambientL50);
    EXPECT_EQ(a.indicator, b.indicator);
    EXPECT_EQ(a.ambient, b.ambient);
    EXPECT_EQ(a.residual, b.residual);
    EXPECT_EQ(a.emergence, b.emergence);
    EXPECT_EQ(a.term, b.term);
    EXPECT_EQ(a.limit, b.limit);
    EXPECT_EQ(a.margin, b.margin);
    EXPECT_EQ(a.conclusive, b.conclusive);
    EXPECT_EQ(a.verdict, b.verdict);
    EXPECT_TRUE(a.notes == b.notes);
}

// A Thursday morning: 100 minutes at 50 dB, then 20 at 62 while the source runs.
std::string MorningWithASource(const char* date = "2011-05-12") {
    const Minute start = At((std::string(date) + "T08:00").c_str());
    return ConstantLevel(start, start + 100, 50) + ConstantLevel(start + 100, start + 120, 62);
}

TEST(AssessNeighbourhood, ADayWithTwentySourceMinutes) {
    const AssessmentResult result =
        AssessAs(Standard::FrNeighbourhood, MorningWithASource(),
                 Marks({Marked(MarkKind::Source, "2011-05-12T09:40", "2011-05-12T10:00")}));
    EXPECT_EQ(result.minutes.measured, 120);
    EXPECT_EQ(result.minutes.source, 20);
    EXPECT_EQ(result.minutes.residual, 100);
    EXPECT_EQ(result.minutes.excludedTime, MillisOf(0));
    ASSERT_EQ(result.calendar.Size(), 1);
    const EmergencePeriod day = result.Period(0);
    EXPECT_EQ(FormatDay(day.date), "2011-05-12");
    EXPECT_EQ(day.label, PeriodLabel::Daytime);
    EXPECT_EQ(day.figures.emergence, 12.0);
    EXPECT_EQ(day.figures.term, 4);
    EXPECT_EQ(day.figures.limit, 9);
    EXPECT_EQ(day.figures.verdict, Verdict::Exceeds);
    ASSERT_TRUE(result.worst);
    EXPECT_EQ(result.worst->date, day.date);

    // The same at night, 22:00 of the 12th into the 13th, belongs to the 12th.
    const AssessmentResult night =
        AssessAs(Standard::FrNeighbourhood,
                 ConstantLevel(At("2011-05-12T23:00"), At("2011-05-13T00:40"), 50) +
                     ConstantLevel(At("2011-05-13T00:40"), At("2011-05-13T01:00"), 62),
                 Marks({Marked(MarkKind::Source, "2011-05-13T00:40", "2011-05-13T01:00")}));
    ASSERT_EQ(night.calendar.Size(), 1);
    EXPECT_EQ(FormatDay(night.Period(0).date), "2011-05-12");
    EXPECT_EQ(night.Period(0).label, PeriodLabel::Night);
    EXPECT_EQ(night.Period(0).figures.limit, 7);
}

TEST(AssessNeighbourhood, EveryPeriodOfTheSelectionInTimeOrder) {
    AnalysisSettings settings =
        Marks({Marked(MarkKind::Source, "2011-05-12T09:40", "2011-05-12T10:00")});
    settings.fromTime = MillisOf(At("2011-05-12T05:00"));
    settings.toTime = MillisOf(At("2011-05-14T07:01"));
    const AssessmentResult result =
        AssessAs(Standard::FrNeighbourhood, MorningWithASource(), settings);
    // The night of the 11th, day and night of the 12th and 13th, and the day of the 14th.
    ASSERT_EQ(result.calendar.Size(), 6);
    const std::vector<std::pair<const char*, PeriodLabel>> expected = {
        {"2011-05-11", PeriodLabel::Night}, {"2011-05-12", PeriodLabel::Daytime},
        {"2011-05-12", PeriodLabel::Night}, {"2011-05-13", PeriodLabel::Daytime},
        {"2011-05-13", PeriodLabel::Night}, {"2011-05-14", PeriodLabel::Daytime}};
    for (std::int64_t i = 0; i < result.calendar.Size(); ++i) {
        const EmergencePeriod period = result.Period(i);
        EXPECT_EQ(FormatDay(period.date), expected[static_cast<std::size_t>(i)].first) << i;
        EXPECT_EQ(period.label, expected[static_cast<std::size_t>(i)].second) << i;
        EXPECT_EQ(period.figures.verdict, i == 1 ? Verdict::Exceeds : Verdict::NoData) << i;
    }
    // The pooled nights have no minute at all; the pooled days are the 12th's.
    ASSERT_EQ(result.overall.size(), 2u);
    EXPECT_EQ(result.overall[0].label, PeriodLabel::Daytime);
    ExpectSame(result.overall[0].figures, result.Period(1).figures);
    EXPECT_EQ(result.overall[1].label, PeriodLabel::Night);
    EXPECT_EQ(result.overall[1].figures.verdict, Verdict::NoData);
    EXPECT_EQ(result.overall[1].figures.sourceMinutes, 0);
}

TEST(AssessNeighbourhood, ResidualMarksLimitTheReference) {
    // Residual only 08:00..08:30: the 70 minutes between are neither.
    const AssessmentResult result =
        AssessAs(Standard::FrNeighbourhood, MorningWithASource(),
                 Marks({Marked(MarkKind::Source, "2011-05-12T09:40", "2011-05-12T10:00"),
                        Marked(MarkKind::Residual, "2011-05-12T08:00", "2011-05-12T08:30")}));
    EXPECT_EQ(result.minutes.measured, 120);
    EXPECT_EQ(result.minutes.residual, 30);
    EXPECT_EQ(result.Period(0).figures.residualMinutes, 30);
}

TEST(AssessNeighbourhood, TheWorstPeriodHasTheSmallestMarginTheEarliestOnATie) {
    // Three days, each with 20 minutes at 62 over 50; the second's source is louder.
    std::string lines = MorningWithASource("2011-05-12") + MorningWithASource("2011-05-14");
    const Minute loud = At("2011-05-13T08:00");
    lines += ConstantLevel(loud, loud + 100, 50) + ConstantLevel(loud + 100, loud + 120, 64);
    std::vector<Mark> sources;
    for (const char* date : {"2011-05-12", "2011-05-13", "2011-05-14"})
        sources.push_back(Marked(MarkKind::Source, (std::string(date) + "T09:40").c_str(),
                                 (std::string(date) + "T10:00").c_str()));
    const AssessmentResult result = AssessAs(Standard::FrNeighbourhood, lines, Marks(sources));
    ASSERT_TRUE(result.worst);
    EXPECT_EQ(FormatDay(result.worst->date), "2011-05-13");
    EXPECT_EQ(result.worst->figures.margin, -5.0);

    // With the second as loud as the others, the first of the tie.
    const AssessmentResult tie =
        AssessAs(Standard::FrNeighbourhood,
                 MorningWithASource("2011-05-12") + MorningWithASource("2011-05-14"),
                 Marks({sources[0], sources[2]}));
    ASSERT_TRUE(tie.worst);
    EXPECT_EQ(FormatDay(tie.worst->date), "2011-05-12");

    // No margin anywhere: no worst period.
    EXPECT_FALSE(AssessAs(Standard::FrNeighbourhood, MorningWithASource(), {}).worst);
}

TEST(AssessNeighbourhood, IndoorsLowersTheGate) {
    const Minute start = At("2011-05-12T08:00");
    const std::string quiet =
        ConstantLevel(start, start + 100, 20) + ConstantLevel(start + 100, start + 120, 28);
    const AnalysisSettings settings =
        Marks({Marked(MarkKind::Source, "2011-05-12T09:40", "2011-05-12T10:00")});
    EXPECT_EQ(AssessAs(Standard::FrNeighbourhood, quiet, settings).Period(0).figures.verdict,
              Verdict::BelowGate);
    EXPECT_EQ(AssessAs(Standard::FrNeighbourhood, quiet, settings, true).Period(0).figures.verdict,
              Verdict::Compliant);
}

TEST(AssessIcpe, SundaysAndPublicHolidaysAreHolidays) {
    // Thursday 12 May, Sunday 15 May, Easter Monday 25 April, Ascension 2 June 2011.
    std::string lines;
    std::vector<Mark> sources;
    for (const char* date : {"2011-04-25", "2011-05-12", "2011-05-15", "2011-06-02"}) {
        lines += MorningWithASource(date);
        sources.push_back(Marked(MarkKind::Source, (std::string(date) + "T09:40").c_str(),
                                 (std::string(date) + "T10:00").c_str()));
    }
    const AssessmentResult result = AssessAs(Standard::FrIcpe, lines, Marks(sources));
    std::vector<std::pair<std::string, PeriodLabel>> days;
    for (std::int64_t i = 0; i < result.calendar.Size(); ++i) {
        const EmergencePeriod period = result.Period(i);
        if (period.figures.verdict != Verdict::NoData)
            days.emplace_back(FormatDay(period.date), period.label);
    }
    const std::vector<std::pair<std::string, PeriodLabel>> expected = {
        {"2011-04-25", PeriodLabel::Holiday},
        {"2011-05-12", PeriodLabel::Daytime},
        {"2011-05-15", PeriodLabel::Holiday},
        {"2011-06-02", PeriodLabel::Holiday}};
    EXPECT_EQ(days, expected);
    // Ambient 62 dB, above 45: 3 dB on a holiday, 5 on a working day, no duration term.
    EXPECT_EQ(result.Period(0).figures.limit, 3);
    EXPECT_FALSE(result.Period(0).figures.term);
    ASSERT_EQ(result.overall.size(), 3u);
    EXPECT_EQ(result.overall[0].label, PeriodLabel::Daytime);
    EXPECT_EQ(result.overall[0].figures.limit, 5);
    EXPECT_EQ(result.overall[1].label, PeriodLabel::Holiday);
    EXPECT_EQ(result.overall[1].figures.sourceMinutes, 60);
    EXPECT_EQ(result.overall[1].figures.limit, 3);
    EXPECT_EQ(result.overall[2].label, PeriodLabel::Night);
}

TEST(AssessBackground, AnHourNeedsFortyEightMinutesAndAQuarterTwelve) {
    const Minute hour = At("2011-05-12T10:00");
    const Minute quarter = At("2011-05-12T23:15");
    std::string lines =
        ConstantLevel(hour, hour + 47, 40) + ConstantLevel(quarter, quarter + 11, 30);
    const AssessmentResult few = AssessAs(Standard::Bs4142, lines, {});
    lines += LevelAt(hour + 59, 41) + LevelAt(quarter + 14, 31);
    const AssessmentResult enough = AssessAs(Standard::Bs4142, lines, {});

    // 10:00 .. 23:26: thirteen hours by day, then two quarter hours of the night.
    ASSERT_EQ(few.calendar.Size(), 15);
    const BackgroundInterval shortHour = few.BackgroundIntervalAt(0);
    EXPECT_EQ(FormatMinute(shortHour.start), "2011-05-12T10:00");
    EXPECT_EQ(shortHour.length, 60);
    EXPECT_EQ(shortHour.label, PeriodLabel::Daytime);
    EXPECT_EQ(shortHour.minutes, 47);
    EXPECT_FALSE(shortHour.l90);
    EXPECT_EQ(FormatMinute(few.BackgroundIntervalAt(12).start), "2011-05-12T22:00");
    const BackgroundInterval emptyQuarter = few.BackgroundIntervalAt(13);
    EXPECT_EQ(FormatMinute(emptyQuarter.start), "2011-05-12T23:00");
    EXPECT_EQ(emptyQuarter.length, 15);
    EXPECT_EQ(emptyQuarter.label, PeriodLabel::Night);
    EXPECT_EQ(emptyQuarter.minutes, 0);
    EXPECT_EQ(few.BackgroundIntervalAt(14).minutes, 11);
    EXPECT_FALSE(few.BackgroundIntervalAt(14).l90);
    ASSERT_EQ(few.background.size(), 2u);
    EXPECT_EQ(few.background[0].count, 0);
    EXPECT_FALSE(few.background[0].mode);
    EXPECT_FALSE(few.background[0].median);

    EXPECT_EQ(enough.BackgroundIntervalAt(0).minutes, 48);
    EXPECT_EQ(enough.BackgroundIntervalAt(0).l90, 40.0);
    EXPECT_EQ(enough.BackgroundIntervalAt(14).l90, 30.0);
    ASSERT_EQ(enough.background.size(), 2u);
    EXPECT_EQ(enough.background[0].count, 1);
    EXPECT_EQ(enough.background[0].mode, 40);
    EXPECT_EQ(enough.background[1].label, PeriodLabel::Night);
    EXPECT_EQ(enough.background[1].median, 30.0);
}

TEST(AssessBackground, SourceMinutesAreNoBackground) {
    const Minute hour = At("2011-05-12T10:00");
    const AssessmentResult result =
        AssessAs(Standard::Bs4142, ConstantLevel(hour, hour + 60, 40),
                 Marks({Marked(MarkKind::Source, "2011-05-12T10:50", "2011-05-12T11:00")}));
    EXPECT_EQ(result.minutes.source, 10);
    EXPECT_EQ(result.BackgroundIntervalAt(0).minutes, 50);
    EXPECT_EQ(result.BackgroundIntervalAt(0).l90, 40.0);
}

TEST(BackgroundOf, HistogramModeAndMedian) {
    const BackgroundLevel background =
        BackgroundOf(PeriodLabel::Night, {31.5, 30.4, 29.5, 33.0, 30.0, 31.49});
    EXPECT_EQ(background.count, 6);
    // Rounded: 32, 30, 30, 33, 30, 31.
    ASSERT_EQ(background.histogram.size(), 4u);
    EXPECT_EQ(background.histogram[0].level, 30);
    EXPECT_EQ(background.histogram[0].count, 3);
    EXPECT_EQ(background.histogram[1].level, 31);
    EXPECT_EQ(background.histogram[3].level, 33);
    EXPECT_EQ(background.mode, 30);
    // Sorted 29.5 30.0 30.4 31.49 31.5 33.0: halfway between 30.4 and 31.49.
    EXPECT_DOUBLE_EQ(*background.median, 30.945);

    // A tie goes to the lower level; an odd count takes the middle one.
    const BackgroundLevel tie = BackgroundOf(PeriodLabel::Daytime, {41, 40, 41, 40, 45});
    EXPECT_EQ(tie.mode, 40);
    EXPECT_EQ(tie.median, 41.0);

    // The intervals at the mode: 3 above, 2 on the tie; 1 when no level repeats; none without.
    EXPECT_EQ(background.modeCount, 3);
    EXPECT_EQ(tie.modeCount, 2);
    const BackgroundLevel unique = BackgroundOf(PeriodLabel::Daytime, {38.2, 41.5, 39.6});
    EXPECT_EQ(unique.mode, 38);
    EXPECT_EQ(unique.modeCount, 1);
    EXPECT_EQ(unique.median, 39.6);
    const BackgroundLevel none = BackgroundOf(PeriodLabel::Night, {});
    EXPECT_FALSE(none.mode || none.modeCount || none.median);
}

// A generated day and night of varying levels, for the properties below.
std::string VaryingDay() {
    std::string lines;
    const Minute start = At("2011-05-12T07:00");
    for (Minute m = start; m < start + kMinutesPerDay; ++m)
        lines += LevelAt(m, 35 + static_cast<int>((m * 7919) % 23));
    return lines;
}

TEST(AssessProperties, WithoutASourceMarkEveryPeriodHasNoData) {
    for (const Standard standard : {Standard::FrNeighbourhood, Standard::FrIcpe}) {
        for (const AnalysisSettings& settings :
             {AnalysisSettings{},
              Marks({Marked(MarkKind::Residual, "2011-05-12T10:00", "2011-05-13T02:00")})}) {
            const AssessmentResult result = AssessAs(standard, VaryingDay(), settings);
            EXPECT_EQ(result.minutes.source, 0);
            ASSERT_EQ(result.calendar.Size(), 2);
            for (std::int64_t i = 0; i < result.calendar.Size(); ++i)
                EXPECT_EQ(result.Period(i).figures.verdict, Verdict::NoData);
            for (const LabelEmergence& overall : result.overall)
                EXPECT_EQ(overall.figures.verdict, Verdict::NoData);
            EXPECT_FALSE(result.worst);
        }
    }
}

TEST(AssessProperties, OverASinglePeriodTheOverallEntryIsThatPeriods) {
    for (const Standard standard : {Standard::FrNeighbourhood, Standard::FrIcpe}) {
        for (const auto& [from, to] : {std::pair{"2011-05-12T07:00", "2011-05-12T22:00"},
                                       std::pair{"2011-05-12T22:00", "2011-05-13T07:00"},
                                       std::pair{"2011-05-12T09:13", "2011-05-12T09:50"}}) {
            AnalysisSettings settings =
                Marks({Marked(MarkKind::Source, "2011-05-12T09:00", "2011-05-12T09:30"),
                       Marked(MarkKind::Source, "2011-05-13T01:00", "2011-05-13T01:07")});
            settings.fromTime = MillisOf(At(from));
            settings.toTime = MillisOf(At(to));
            const AssessmentResult result = AssessAs(standard, VaryingDay(), settings);
            ASSERT_EQ(result.calendar.Size(), 1);
            ASSERT_EQ(result.overall.size(), 1u);
            EXPECT_EQ(result.overall[0].label, result.Period(0).label);
            ExpectSame(result.overall[0].figures, result.Period(0).figures);
        }
    }
}

TEST(AssessProperties, AnExclusionOverASourceTakesItsMinutesOutOfT) {
    AnalysisSettings settings =
        Marks({Marked(MarkKind::Source, "2011-05-12T09:00", "2011-05-12T09:30")});
    const std::int64_t before =
        AssessAs(Standard::FrNeighbourhood, VaryingDay(), settings).Period(0).figures.sourceMinutes;
    settings.exclusions.push_back({test::Minutes("2011-05-12T09:20", "2011-05-12T10:00"), "rain"});
    const AssessmentResult after = AssessAs(Standard::FrNeighbourhood, VaryingDay(), settings);
    EXPECT_EQ(before, 30);
    EXPECT_EQ(after.Period(0).figures.sourceMinutes, 20);
    EXPECT_EQ(after.minutes.excludedTime, MillisOf(40));
    EXPECT_EQ(after.minutes.measured, kMinutesPerDay - 40);
    EXPECT_EQ(after.minutes.source + after.minutes.residual, after.minutes.measured);
}

TEST(AssessNeighbourhood, EachRowHasTheNotesOfItsOwnMinutes) {
    // Two mornings of 20 residual minutes at 50 dB and 10 source minutes at 45: each day's
    // residual is short and louder; the pooled residual of 40 minutes is only louder.
    std::string lines;
    std::vector<Mark> marks;
    for (const char* date : {"2011-05-12", "2011-05-13"}) {
        const Minute start = At((std::string(date) + "T08:00").c_str());
        lines += ConstantLevel(start, start + 20, 50) + ConstantLevel(start + 20, start + 30, 45);
        marks.push_back({MarkKind::Residual, test::Minutes(start, start + 20), ""});
        marks.push_back({MarkKind::Source, test::Minutes(start + 20, start + 30), ""});
    }
    const AssessmentResult result = AssessAs(Standard::FrNeighbourhood, lines, Marks(marks));
    const std::vector<EmergenceNote> both = {EmergenceNote::ResidualAboveAmbient,
                                             EmergenceNote::ShortResidual};
    ASSERT_EQ(result.PeriodsWithMinutes().size(), 2u);
    for (const EmergencePeriod& period : result.PeriodsWithMinutes())
        EXPECT_EQ(period.figures.notes.List(), both);
    ASSERT_EQ(result.overall.size(), 2u);
    EXPECT_EQ(result.overall[0].figures.residualMinutes, 40);
    EXPECT_EQ(result.overall[0].figures.notes.List(),
              std::vector<EmergenceNote>{EmergenceNote::ResidualAboveAmbient});
    EXPECT_TRUE(result.overall[1].figures.notes.Empty());
    ASSERT_TRUE(result.worst);
    EXPECT_EQ(result.worst->figures.notes.List(), both);
}

TEST(AssessProperties, MarksOutsideTheReportsChangeNoFigureAndAreListed) {
    const AnalysisSettings inside =
        Marks({Marked(MarkKind::Source, "2011-05-12T09:00", "2011-05-12T09:30"),
               Marked(MarkKind::Exclude, "2011-05-12T09:20", "2011-05-12T10:00")});
    // A year later: a residual mark (which would take the default residual away), a source
    // mark and an exclusion; and a source mark that ends where the day's records begin.
    AnalysisSettings outside = inside;
    AddMarks(outside, {Marked(MarkKind::Residual, "2012-05-12T08:00", "2012-05-12T09:00"),
                       Marked(MarkKind::Source, "2012-05-12T10:00", "2012-05-12T11:00"),
                       Marked(MarkKind::Exclude, "2012-05-12T07:00", "2012-05-12T12:00"),
                       Marked(MarkKind::Source, "2011-05-12T06:00", "2011-05-12T07:00")});
    for (const Standard standard : {Standard::FrNeighbourhood, Standard::Bs4142}) {
        const AssessmentResult before = AssessAs(standard, VaryingDay(), inside);
        const AssessmentResult after = AssessAs(standard, VaryingDay(), outside);
        EXPECT_TRUE(before.marksOutside.empty());
        EXPECT_EQ(after.minutes.measured, before.minutes.measured);
        EXPECT_EQ(after.minutes.source, before.minutes.source);
        EXPECT_EQ(after.minutes.residual, before.minutes.residual);
        EXPECT_EQ(after.minutes.excludedTime, before.minutes.excludedTime);
        ASSERT_EQ(after.calendar.Size(), before.calendar.Size());
        for (std::int64_t i = 0; i < before.calendar.Size(); ++i) {
            ExpectSame(after.Period(i).figures, before.Period(i).figures);
            EXPECT_EQ(after.BackgroundIntervalAt(i).l90, before.BackgroundIntervalAt(i).l90);
        }
        ASSERT_EQ(after.marksOutside.size(), 4u);
        const std::vector<std::pair<MarkKind, const char*>> expected = {
            {MarkKind::Source, "2011-05-12T06:00"},
            {MarkKind::Exclude, "2012-05-12T07:00"},
            {MarkKind::Residual, "2012-05-12T08:00"},
            {MarkKind::Source, "2012-05-12T10:00"}};
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(after.marksOutside[i].kind, expected[i].first) << i;
            EXPECT_EQ(after.marksOutside[i].span.start, MillisOf(At(expected[i].second))) << i;
        }
    }
}

TEST(AssessProperties, NothingToAssess) {
    const AssessmentResult none = AssessAs(Standard::FrNeighbourhood, "", {});
    EXPECT_FALSE(none.selection);
    EXPECT_EQ(none.calendar.Size(), 0);
    EXPECT_TRUE(none.overall.empty());
    // A selection of centuries lists its periods without holding them.
    AnalysisSettings settings;
    settings.fromTime = MillisOf(At("0001-01-01T00:00"));
    settings.toTime = MillisOf(At("9999-12-31T23:59"));
    const AssessmentResult wide = AssessAs(Standard::Bs4142, VaryingDay(), settings);
    // From 00:00, the fifth quarter hour of the night of 0000-12-31, to 23:45 of 9999-12-31.
    EXPECT_EQ(wide.calendar.Size(), 28 + 48 * *ParseDay("9999-12-31") + 20);
    EXPECT_EQ(FormatDay(wide.calendar.At(0).date), "0000-12-31");
    EXPECT_EQ(wide.BackgroundIntervalAt(wide.calendar.Size() - 1).length, 15);
}

} // namespace
} // namespace vrd
