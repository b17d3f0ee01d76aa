#include "analysis/emergence.h"

#include "analysis/assessment_rules.h"

#include <cmath>

namespace vrd {

namespace {

int TermOf(const std::vector<DurationTermRow>& rows, Millis time) {
    for (const DurationTermRow& row : rows)
        if (!row.upTo || time <= *row.upTo * kMillisPerMinute)
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

const char* EmergenceNoteName(EmergenceNote note) {
    return note == EmergenceNote::ShortResidual ? "short_residual" : "residual_above_ambient";
}

std::vector<EmergenceNote> EmergenceNotes::List() const {
    std::vector<EmergenceNote> notes;
    for (const EmergenceNote note :
         {EmergenceNote::ResidualAboveAmbient, EmergenceNote::ShortResidual})
        if (Has(note))
            notes.push_back(note);
    return notes;
}

VerdictWording WordingOf(const EmergenceFigures& figures) {
    const bool notConclusive = figures.conclusive == false;
    switch (figures.verdict) {
    case Verdict::Compliant:
        return notConclusive ? VerdictWording::NotConclusiveCompliant : VerdictWording::Compliant;
    case Verdict::Exceeds:
        return notConclusive ? VerdictWording::NotConclusiveExceeds : VerdictWording::Exceeds;
    case Verdict::BelowGate:
        return VerdictWording::BelowGate;
    case Verdict::NoData:
        break;
    }
    return VerdictWording::NoData;
}

const char* VerdictWordingName(VerdictWording wording) {
    switch (wording) {
    case VerdictWording::BelowGate:
        return "below_gate";
    case VerdictWording::Compliant:
        return "compliant";
    case VerdictWording::Exceeds:
        return "exceeds";
    case VerdictWording::NotConclusiveCompliant:
        return "not_conclusive_compliant";
    case VerdictWording::NotConclusiveExceeds:
        return "not_conclusive_exceeds";
    case VerdictWording::NoData:
        break;
    }
    return "no_data";
}

bool IsNotConclusive(VerdictWording wording) {
    return wording == VerdictWording::NotConclusiveCompliant ||
           wording == VerdictWording::NotConclusiveExceeds;
}

int DurationTerm(std::int64_t minutes) {
    return DurationTermOfTime(minutes * kMillisPerMinute);
}

int DurationTermOfTime(Millis time) {
    return TermOf(RulesOf(Standard::FrNeighbourhood).emergence->durationTerms, time);
}

EmergenceFigures EmergenceOf(Standard standard, PeriodLabel label, bool indoors,
                             const LevelHistogram& ambient, const LevelHistogram& residual,
                             Millis step) {
    const EmergenceRules& rules = *RulesOf(standard).emergence;
    EmergenceFigures figures;
    figures.sourceMinutes = ambient.Count();
    figures.residualMinutes = residual.Count();
    figures.step = step;
    const Millis residualTime = figures.residualMinutes * step;
    if (residualTime > 0 && residualTime < rules.shortResidualBelow * kMillisPerMinute)
        figures.notes.Add(EmergenceNote::ShortResidual);
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
    if (*figures.emergence < 0)
        figures.notes.Add(EmergenceNote::ResidualAboveAmbient);

    const double gate = indoors && rules.gateIndoors ? *rules.gateIndoors : rules.gate;
    if (*a.leq <= gate) {
        figures.verdict = Verdict::BelowGate;
        return figures;
    }
    int limit = BaseLimit(rules, label, *a.leq);
    if (!rules.durationTerms.empty()) {
        figures.term = TermOf(rules.durationTerms, figures.sourceMinutes * step);
        limit += *figures.term;
    }
    figures.limit = limit;
    figures.margin = limit - *figures.emergence;
    figures.verdict = *figures.emergence <= limit ? Verdict::Compliant : Verdict::Exceeds;
    figures.conclusive = std::fabs(*figures.margin) > rules.notConclusiveWithin;
    return figures;
}

} // namespace vrd
