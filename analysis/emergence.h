#pragma once
// The emergence of a noise under assessment, as the French rules judge it: the level of the
// minutes heard with the noise (the ambient, A) over the level of those heard without it (the
// residual, R).
//
// The indicator is L50 when Leq(A) - L50(A) > 5 dB (a noise of short loud bursts), else Leq;
// emergence = indicator(A) - indicator(R). Below the gate (Leq(A) <= gate) no emergence is
// asked for. Otherwise the limit is
//
//   fr-neighbourhood  5 dB by day, 3 dB by night, plus a term for the total duration T of the
//                     noise in the period: 6 for T <= 1 min, 5 up to 5 min, 4 up to 20 min,
//                     3 up to 2 h, 2 up to 4 h, 1 up to 8 h, 0 above (gate 30 dB, 25 indoors)
//   fr-icpe           6 dB by day, 4 dB at night and on rest days; 5 and 3 when Leq(A) > 45 dB
//                     (gate 35 dB)
//
// and the margin is limit - emergence: within 2 dB of the limit a verdict is not conclusive.
// The numbers are those of assessment_rules.h.

#include "analysis/assessment_calendar.h"
#include "analysis/level_figures.h"

#include <cstdint>
#include <optional>

namespace vrd {

enum class Indicator { Leq, L50 };
enum class Verdict { NoData, BelowGate, Compliant, Exceeds };

const char* IndicatorName(Indicator indicator); // "leq", "l50"
const char* VerdictName(Verdict verdict);       // "no_data", "below_gate", "compliant", "exceeds"

struct EmergenceFigures {
    std::int64_t sourceMinutes = 0; // T
    std::int64_t residualMinutes = 0;
    std::optional<double> ambientLeq; // null without a source minute
    std::optional<double> ambientL50;
    // Null without source or residual minutes:
    std::optional<Indicator> indicator;
    std::optional<double> ambient;
    std::optional<double> residual;
    std::optional<double> emergence;
    // Null as well below the gate:
    std::optional<int> term; // fr-neighbourhood only
    std::optional<int> limit;
    std::optional<double> margin;
    std::optional<bool> conclusive;
    Verdict verdict = Verdict::NoData;
};

// The duration term of fr-neighbourhood for a noise heard T minutes.
int DurationTerm(std::int64_t minutes);

// The figures of a period (or of all periods of a label pooled) of one of the French standards.
EmergenceFigures EmergenceOf(Standard standard, PeriodLabel label, bool indoors,
                             const LevelHistogram& ambient, const LevelHistogram& residual);

} // namespace vrd
