#include "analysis/emergence.h"

#include "analysis/assessment_rules.h"

#include <cmath>

namespace vrd {

namespace {

int TermOf(const std::vector<DurationTermRow>& rows, std::int64_t minutes) {
    for (const DurationTermRow& row : rows)
        if (!row.upTo || minutes <= *row.upTo)
            return row.term;
    return 0;
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
    return TermOf(RulesOf(Standard::FrNeighbourhood).emergence->durationTerms, minutes);
}

EmergenceFigures EmergenceOf(Standard standard, PeriodLabel label, bool indoors,
                             const LevelHistogram& ambient, const LevelHistogram& residual) {
    const EmergenceRules& rules = *RulesOf(standard).emergence;
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
    const bool l50 = *a.leq - *a.L(50) > rules.l50Above;
    figures.indicator = l50 ? Indicator::L50 : Indicator::Leq;
    figures.ambient = l50 ? a.L(50) : a.leq;
    figures.residual = l50 ? r.L(50) : r.leq;
    figures.emergence = *figures.ambient - *figures.residual;

    const double gate = indoors && rules.gateIndoors ? *rules.gateIndoors : rules.gate;
    if (*a.leq <= gate) {
        figures.verdict = Verdict::BelowGate;
        return figures;
    }
    int limit = BaseLimit(rules, label, *a.leq);
    if (!rules.durationTerms.empty()) {
        figures.term = TermOf(rules.durationTerms, figures.sourceMinutes);
        limit += *figures.term;
    }
    figures.limit = limit;
    figures.margin = limit - *figures.emergence;
    figures.verdict = *figures.emergence <= limit ? Verdict::Compliant : Verdict::Exceeds;
    figures.conclusive = std::fabs(*figures.margin) > rules.notConclusiveWithin;
    return figures;
}

} // namespace vrd
