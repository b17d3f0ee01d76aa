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
//
// Two notes weaken a verdict: a residual louder than the ambient (emergence below 0: the minutes
// without the noise do not stand for the place without it), and a residual measured at least one
// and fewer than 30 minutes.

#include "analysis/assessment_calendar.h"
#include "analysis/level_figures.h"
#include "levels_csv/csv_time.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vrd {

enum class Indicator { Leq, L50 };
enum class Verdict { NoData, BelowGate, Compliant, Exceeds };

const char* IndicatorName(Indicator indicator); // "leq", "l50"
const char* VerdictName(Verdict verdict);       // "no_data", "below_gate", "compliant", "exceeds"

// In the order a list of them is written.
enum class EmergenceNote { ResidualAboveAmbient, ShortResidual };
const char* EmergenceNoteName(EmergenceNote note); // "residual_above_ambient", "short_residual"

class EmergenceNotes {
  public:
    void Add(EmergenceNote note) { bits_ |= Bit(note); }
    bool Has(EmergenceNote note) const { return (bits_ & Bit(note)) != 0; }
    bool Empty() const { return bits_ == 0; }
    std::vector<EmergenceNote> List() const; // in the order of EmergenceNote
    bool operator==(const EmergenceNotes& other) const { return bits_ == other.bits_; }
    bool operator!=(const EmergenceNotes& other) const { return bits_ != other.bits_; }

  private:
    static unsigned Bit(EmergenceNote note) { return 1u << static_cast<unsigned>(note); }
    unsigned bits_ = 0;
};

struct EmergenceFigures {
    // Samples of the source and of the residual: minutes at a 60-s step. T is sourceMinutes
    // times the step.
    std::int64_t sourceMinutes = 0;
    std::int64_t residualMinutes = 0;
    Millis step = kMillisPerMinute;
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
    EmergenceNotes notes;
};

// What a verdict says, for every output to word alike: compliant and exceeds within the
// not-conclusive band read "not conclusive", with the side they lean to.
enum class VerdictWording {
    NoData,
    BelowGate,
    Compliant,
    Exceeds,
    NotConclusiveCompliant,
    NotConclusiveExceeds,
};
VerdictWording WordingOf(const EmergenceFigures& figures);
// "no_data", "below_gate", "compliant", "exceeds", "not_conclusive_compliant",
// "not_conclusive_exceeds"
const char* VerdictWordingName(VerdictWording wording);
bool IsNotConclusive(VerdictWording wording);

// The duration term of fr-neighbourhood for a noise heard T minutes, or T milliseconds.
int DurationTerm(std::int64_t minutes);
int DurationTermOfTime(Millis time);

// The figures of a period (or of all periods of a label pooled) of one of the French standards,
// of samples at step.
EmergenceFigures EmergenceOf(Standard standard, PeriodLabel label, bool indoors,
                             const LevelHistogram& ambient, const LevelHistogram& residual,
                             Millis step = kMillisPerMinute);

} // namespace vrd
