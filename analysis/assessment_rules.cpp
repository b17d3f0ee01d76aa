#include "analysis/assessment_rules.h"

namespace vrd {

namespace {

AssessmentRules Neighbourhood() {
    AssessmentRules rules;
    rules.standard = Standard::FrNeighbourhood;
    EmergenceRules& emergence = rules.emergence.emplace();
    emergence.baseLimits = {{std::nullopt, std::nullopt, {5, std::nullopt, 3}}};
    emergence.durationTerms = {{0, 1, 6},
                               {1, 5, 5},
                               {5, 20, 4},
                               {20, 120, 3},
                               {120, 240, 2},
                               {240, 480, 1},
                               {480, std::nullopt, 0}};
    emergence.gate = 30;
    emergence.gateIndoors = 25;
    return rules;
}

AssessmentRules Icpe() {
    AssessmentRules rules;
    rules.standard = Standard::FrIcpe;
    EmergenceRules& emergence = rules.emergence.emplace();
    emergence.restDays = true;
    emergence.baseLimits = {{std::nullopt, 45, {6, 4, 4}}, {45, std::nullopt, {5, 3, 3}}};
    emergence.gate = 35;
    return rules;
}

AssessmentRules Bs4142() {
    AssessmentRules rules;
    rules.standard = Standard::Bs4142;
    rules.background.emplace();
    return rules;
}

} // namespace

const AssessmentRules& RulesOf(Standard standard) {
    static const AssessmentRules neighbourhood = Neighbourhood();
    static const AssessmentRules icpe = Icpe();
    static const AssessmentRules bs4142 = Bs4142();
    switch (standard) {
    case Standard::FrIcpe:
        return icpe;
    case Standard::Bs4142:
        return bs4142;
    case Standard::FrNeighbourhood:
        break;
    }
    return neighbourhood;
}

int BaseLimit(const EmergenceRules& rules, PeriodLabel label, double ambientLeq) {
    for (const BaseLimitBand& band : rules.baseLimits)
        if (!band.ambientUpTo || ambientLeq <= *band.ambientUpTo)
            return band.Of(label).value_or(0);
    return 0;
}

} // namespace vrd
