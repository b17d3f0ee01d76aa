#include "analysis/emergence.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace vrd {
namespace {

// Minutes at whole-decibel levels: {level, minutes}.
LevelHistogram Levels(std::initializer_list<std::pair<int, int>> counts) {
    LevelHistogram histogram;
    for (const auto& [level, minutes] : counts)
        histogram.Add(static_cast<std::int16_t>(level), minutes);
    return histogram;
}

EmergenceFigures Neighbourhood(PeriodLabel label, const LevelHistogram& ambient,
                               const LevelHistogram& residual, bool indoors = false) {
    return EmergenceOf(Standard::FrNeighbourhood, label, indoors, ambient, residual);
}

TEST(Emergence, TwentyMinutesTwelveDecibelsAboveTheResidual) {
    const EmergenceFigures day =
        Neighbourhood(PeriodLabel::Daytime, Levels({{62, 20}}), Levels({{50, 100}}));
    EXPECT_EQ(day.sourceMinutes, 20);
    EXPECT_EQ(day.residualMinutes, 100);
    EXPECT_EQ(day.ambientLeq, 62.0);
    EXPECT_EQ(day.ambientL50, 62.0);
    EXPECT_EQ(day.indicator, Indicator::Leq);
    EXPECT_EQ(day.ambient, 62.0);
    EXPECT_EQ(day.residual, 50.0);
    EXPECT_EQ(day.emergence, 12.0);
    EXPECT_EQ(day.term, 4);
    EXPECT_EQ(day.limit, 9);
    EXPECT_EQ(day.margin, -3.0);
    EXPECT_EQ(day.verdict, Verdict::Exceeds);
    EXPECT_EQ(day.conclusive, true);

    const EmergenceFigures night =
        Neighbourhood(PeriodLabel::Night, Levels({{62, 20}}), Levels({{50, 100}}));
    EXPECT_EQ(night.limit, 7);
    EXPECT_EQ(night.margin, -5.0);
    EXPECT_EQ(night.verdict, Verdict::Exceeds);

    // Eight decibels over the day: within the limit of 9, by less than 2 dB.
    const EmergenceFigures within =
        Neighbourhood(PeriodLabel::Daytime, Levels({{58, 20}}), Levels({{50, 100}}));
    EXPECT_EQ(within.verdict, Verdict::Compliant);
    EXPECT_EQ(within.margin, 1.0);
    EXPECT_EQ(within.conclusive, false);
}

TEST(Emergence, BurstsAboveAQuietAmbientAreJudgedOnL50) {
    // Nine minutes at 40 dB and one at 70: Leq 60.0, L50 40, five and more apart.
    const LevelHistogram ambient = Levels({{40, 9}, {70, 1}});
    const EmergenceFigures figures =
        Neighbourhood(PeriodLabel::Daytime, ambient, Levels({{35, 30}, {36, 31}}));
    EXPECT_NEAR(*figures.ambientLeq, 60.04, 0.005);
    EXPECT_EQ(figures.indicator, Indicator::L50);
    EXPECT_EQ(figures.ambient, 40.0);
    EXPECT_EQ(figures.residual, 36.0);
    EXPECT_EQ(figures.emergence, 4.0);

    // An ambient of a few loud minutes in many quiet ones, but whose L50 is still loud: Leq.
    const EmergenceFigures steady =
        Neighbourhood(PeriodLabel::Daytime, Levels({{40, 4}, {70, 1}, {60, 5}}), Levels({{35, 3}}));
    EXPECT_LE(*steady.ambientLeq - *steady.ambientL50, 5.0);
    EXPECT_EQ(steady.indicator, Indicator::Leq);
    const EmergenceFigures constant =
        Neighbourhood(PeriodLabel::Daytime, Levels({{45, 3}}), Levels({{35, 3}}));
    EXPECT_EQ(constant.indicator, Indicator::Leq);
}

TEST(Emergence, TheDurationTermAtAndAroundEachBound) {
    const std::vector<std::pair<std::int64_t, int>> terms = {
        {1, 6},   {2, 5},   {4, 5},   {5, 5},   {6, 4},   {19, 4},  {20, 4},  {21, 3},  {119, 3},
        {120, 3}, {121, 2}, {239, 2}, {240, 2}, {241, 1}, {479, 1}, {480, 1}, {481, 0}, {900, 0}};
    for (const auto& [minutes, term] : terms) {
        EXPECT_EQ(DurationTerm(minutes), term) << minutes;
        const EmergenceFigures figures = Neighbourhood(
            PeriodLabel::Night, Levels({{50, static_cast<int>(minutes)}}), Levels({{40, 10}}));
        EXPECT_EQ(figures.term, term) << minutes;
        EXPECT_EQ(figures.limit, 3 + term) << minutes;
    }
}

TEST(Emergence, NoDataWithoutAmbientOrResidualMinutes) {
    const EmergenceFigures noResidual =
        Neighbourhood(PeriodLabel::Daytime, Levels({{62, 20}}), LevelHistogram());
    EXPECT_EQ(noResidual.verdict, Verdict::NoData);
    EXPECT_EQ(noResidual.ambientLeq, 62.0);
    EXPECT_EQ(noResidual.ambientL50, 62.0);
    EXPECT_FALSE(noResidual.indicator || noResidual.ambient || noResidual.residual ||
                 noResidual.emergence || noResidual.term || noResidual.limit || noResidual.margin ||
                 noResidual.conclusive);

    const EmergenceFigures noAmbient =
        Neighbourhood(PeriodLabel::Daytime, LevelHistogram(), Levels({{50, 100}}));
    EXPECT_EQ(noAmbient.verdict, Verdict::NoData);
    EXPECT_EQ(noAmbient.residualMinutes, 100);
    EXPECT_FALSE(noAmbient.ambientLeq || noAmbient.ambientL50 || noAmbient.emergence);
}

TEST(Emergence, TheGatesAreInclusive) {
    const auto verdict = [](Standard standard, int ambient, bool indoors) {
        const EmergenceFigures figures = EmergenceOf(standard, PeriodLabel::Daytime, indoors,
                                                     Levels({{ambient, 30}}), Levels({{20, 30}}));
        if (figures.verdict == Verdict::BelowGate) {
            EXPECT_FALSE(figures.term || figures.limit || figures.margin || figures.conclusive);
        }
        EXPECT_TRUE(figures.emergence);
        return figures.verdict;
    };
    EXPECT_EQ(verdict(Standard::FrNeighbourhood, 30, false), Verdict::BelowGate);
    EXPECT_EQ(verdict(Standard::FrNeighbourhood, 31, false), Verdict::Exceeds);
    EXPECT_EQ(verdict(Standard::FrNeighbourhood, 25, true), Verdict::BelowGate);
    EXPECT_EQ(verdict(Standard::FrNeighbourhood, 26, true), Verdict::Compliant);
    EXPECT_EQ(verdict(Standard::FrNeighbourhood, 26, false), Verdict::BelowGate);
    EXPECT_EQ(verdict(Standard::FrIcpe, 35, false), Verdict::BelowGate);
    EXPECT_EQ(verdict(Standard::FrIcpe, 35, true), Verdict::BelowGate);
    EXPECT_EQ(verdict(Standard::FrIcpe, 36, false), Verdict::Exceeds);
}

TEST(Emergence, WithinTwoDecibelsTheVerdictIsNotConclusiveOnEitherSide) {
    // An hour at 56 dB over a residual of 49: emergence 7 against 5 + 3 (T = 60 min), margin 1.
    const EmergenceFigures hour =
        Neighbourhood(PeriodLabel::Daytime, Levels({{56, 60}}), Levels({{49, 120}}));
    EXPECT_EQ(hour.emergence, 7.0);
    EXPECT_EQ(hour.term, 3);
    EXPECT_EQ(hour.limit, 8);
    EXPECT_EQ(hour.margin, 1.0);
    EXPECT_EQ(hour.verdict, Verdict::Compliant);
    EXPECT_EQ(hour.conclusive, false);
    EXPECT_EQ(WordingOf(hour), VerdictWording::NotConclusiveCompliant);
    EXPECT_TRUE(hour.notes.Empty());

    // Margins of -1, -2 (still within), -3 (conclusive); 2 (within) and 3.
    const auto wording = [](int ambient) {
        return WordingOf(
            Neighbourhood(PeriodLabel::Daytime, Levels({{ambient, 60}}), Levels({{49, 120}})));
    };
    EXPECT_EQ(wording(58), VerdictWording::NotConclusiveExceeds);
    EXPECT_EQ(wording(59), VerdictWording::NotConclusiveExceeds);
    EXPECT_EQ(wording(60), VerdictWording::Exceeds);
    EXPECT_EQ(wording(55), VerdictWording::NotConclusiveCompliant);
    EXPECT_EQ(wording(54), VerdictWording::Compliant);
    EXPECT_EQ(wording(20), VerdictWording::BelowGate);
    EXPECT_EQ(WordingOf(EmergenceFigures{}), VerdictWording::NoData);

    EXPECT_STREQ(VerdictWordingName(VerdictWording::NotConclusiveCompliant),
                 "not_conclusive_compliant");
    EXPECT_STREQ(VerdictWordingName(VerdictWording::NotConclusiveExceeds),
                 "not_conclusive_exceeds");
    EXPECT_TRUE(IsNotConclusive(VerdictWording::NotConclusiveExceeds));
    EXPECT_FALSE(IsNotConclusive(VerdictWording::Exceeds));
}

TEST(Emergence, NotesThatWeakenTheVerdict) {
    // A night whose residual (51 dB) is louder than its ambient (40 dB): -11 dB, compliant by far
    // but noted.
    const EmergenceFigures louder =
        Neighbourhood(PeriodLabel::Night, Levels({{40, 60}}), Levels({{51, 60}}));
    EXPECT_EQ(louder.emergence, -11.0);
    EXPECT_EQ(WordingOf(louder), VerdictWording::Compliant);
    EXPECT_EQ(louder.notes.List(), std::vector<EmergenceNote>{EmergenceNote::ResidualAboveAmbient});

    // Residuals of 29, 30, 1 minutes; a residual of 29 without any source minute is still short.
    const auto notes = [](int ambientMinutes, int residualMinutes) {
        return Neighbourhood(PeriodLabel::Daytime, Levels({{50, ambientMinutes}}),
                             Levels({{40, residualMinutes}}))
            .notes.List();
    };
    const std::vector<EmergenceNote> shortResidual = {EmergenceNote::ShortResidual};
    EXPECT_EQ(notes(60, 29), shortResidual);
    EXPECT_EQ(notes(60, 30), std::vector<EmergenceNote>{});
    EXPECT_EQ(notes(60, 1), shortResidual);
    EXPECT_EQ(notes(0, 29), shortResidual);
    EXPECT_EQ(notes(60, 0), std::vector<EmergenceNote>{});

    // Both, in their order; below the gate too.
    const EmergenceFigures both =
        Neighbourhood(PeriodLabel::Daytime, Levels({{25, 60}}), Levels({{28, 10}}));
    EXPECT_EQ(both.verdict, Verdict::BelowGate);
    EXPECT_EQ(both.notes.List(), (std::vector<EmergenceNote>{EmergenceNote::ResidualAboveAmbient,
                                                             EmergenceNote::ShortResidual}));
    EXPECT_STREQ(EmergenceNoteName(EmergenceNote::ResidualAboveAmbient), "residual_above_ambient");
    EXPECT_STREQ(EmergenceNoteName(EmergenceNote::ShortResidual), "short_residual");
}

TEST(Emergence, IcpeLimitsByLabelAndAmbientLevel) {
    const auto limit = [](PeriodLabel label, int ambient) {
        const EmergenceFigures figures = EmergenceOf(Standard::FrIcpe, label, false,
                                                     Levels({{ambient, 600}}), Levels({{30, 60}}));
        EXPECT_FALSE(figures.term);
        return figures.limit;
    };
    EXPECT_EQ(limit(PeriodLabel::Daytime, 45), 6);
    EXPECT_EQ(limit(PeriodLabel::Daytime, 46), 5);
    EXPECT_EQ(limit(PeriodLabel::Holiday, 45), 4);
    EXPECT_EQ(limit(PeriodLabel::Holiday, 46), 3);
    EXPECT_EQ(limit(PeriodLabel::Night, 40), 4);
    EXPECT_EQ(limit(PeriodLabel::Night, 60), 3);
}

} // namespace
} // namespace vrd
