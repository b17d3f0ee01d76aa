#include "analysis/emergence.h"

#include <array>
#include <cmath>

namespace vrd {

namespace {

constexpr double kL50Switch = 5;    // Leq(A) - L50(A) above this selects L50
constexpr double kConclusive = 2;   // a margin within this is not conclusive
constexpr double kIcpeQuieter = 45; // at or below it, fr-icpe allows one dB more

struct Gate {
    double neighbourhood = 30;
    double indoors = 25;
    double icpe = 35;
};

struct TermStep {
    std::int64_t upTo; // minutes, inclusive
    int term;
};
constexpr std::array<TermStep, 6> kTerms = {
    {{1, 6}, {5, 5}, {20, 4}, {120, 3}, {240, 2}, {480, 1}}};

int BaseLimit(Standard standard, PeriodLabel label, double ambientLeq) {
    if (standard == Standard::FrNeighbourhood)
        return label == PeriodLabel::Night ? 3 : 5;
    const int limit = label == PeriodLabel::Daytime ? 6 : 4;
    return ambientLeq <= kIcpeQuieter ? limit : limit - 1;
}

} // namespace

const char* IndicatorName(Indicator indicator) {
    return indicator == Indicator::L50 ? "l50" : "leq";
}

const char* VerdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::BelowGate:
        return "below_gate";
    case Verdict::Compliant:
        return "compliant";
    case Verdict::Exceeds:
        return "exceeds";
    case Verdict::NoData:
        break;
    }
    return "no_data";
}

int DurationTerm(std::int64_t minutes) {
    for (const TermStep& step : kTerms)
        if (minutes <= step.upTo)
            return step.term;
    return 0;
}

EmergenceFigures EmergenceOf(Standard standard, PeriodLabel label, bool indoors,
                             const LevelHistogram& ambient, const LevelHistogram& residual) {
    EmergenceFigures figures;
    figures.sourceMinutes = ambient.Count();
    figures.residualMinutes = residual.Count();
    if (figures.sourceMinutes == 0)
        return figures;
    const LevelFigures a = ambient.Figures();
    figures.ambientLeq = a.leq;
    figures.ambientL50 = a.L(50);
    if (figures.residualMinutes == 0)
        return figures;

    const LevelFigures r = residual.Figures();
    const bool l50 = *a.leq - *a.L(50) > kL50Switch;
    figures.indicator = l50 ? Indicator::L50 : Indicator::Leq;
    figures.ambient = l50 ? a.L(50) : a.leq;
    figures.residual = l50 ? r.L(50) : r.leq;
    figures.emergence = *figures.ambient - *figures.residual;

    const Gate gate;
    const double gateLevel = standard == Standard::FrIcpe ? gate.icpe
                             : indoors                    ? gate.indoors
                                                          : gate.neighbourhood;
    if (*a.leq <= gateLevel) {
        figures.verdict = Verdict::BelowGate;
        return figures;
    }
    int limit = BaseLimit(standard, label, *a.leq);
    if (standard == Standard::FrNeighbourhood) {
        figures.term = DurationTerm(figures.sourceMinutes);
        limit += *figures.term;
    }
    figures.limit = limit;
    figures.margin = limit - *figures.emergence;
    figures.verdict = *figures.emergence <= limit ? Verdict::Compliant : Verdict::Exceeds;
    figures.conclusive = std::fabs(*figures.margin) > kConclusive;
    return figures;
}

} // namespace vrd
