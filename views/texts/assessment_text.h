#pragma once
// How the analysis window and its report name the parts of an assessment: the standards, the
// periods, the verdicts and the worst period in a sentence, in the language asked for.

#include "analysis/assess.h"
#include "views/common/language.h"

#include <QString>

#include <optional>

// "None", "French neighbourhood noise", "French classified installation", "BS 4142 background".
QString StandardText(std::optional<vrd::Standard> standard, Language language);
// The text that a standard rests on: "Code de la santé publique, articles R1336-6 and R1336-7".
QString StandardReference(vrd::Standard standard, Language language);
// "Leq" or "L50", the same in every language; empty without an indicator.
QString IndicatorText(const std::optional<vrd::Indicator>& indicator);
// What the date's column of a pooled row says: "all periods".
QString PooledRowText(Language language);
// "day", "holiday", "night", translated.
QString PeriodLabelText(vrd::PeriodLabel label, Language language);
// What a verdict says: "compliant", "exceeds", "not assessable" (no data), "below the gate", or
// "not conclusive" within the band of the limit.
QString VerdictWordingText(vrd::VerdictWording wording, Language language);
// The side a not-conclusive verdict leans to, in smaller words beside it: "compliant" or
// "exceeds"; empty for any other verdict.
QString VerdictLeaningText(vrd::VerdictWording wording, Language language);
// Both in one line, for a place of one font: "not conclusive (compliant)".
QString VerdictText(const vrd::EmergenceFigures& figures, Language language);
// "Residual louder than ambient", "Residual measured under 30 min".
QString NoteText(vrd::EmergenceNote note, vrd::Standard standard, Language language);
// The notes of a row joined by "; "; empty without one.
QString NotesText(const vrd::EmergenceNotes& notes, vrd::Standard standard, Language language);
// "Night of 2011-05-12", "Day of ...", "Sunday or holiday of ...": a period in words.
QString PeriodOfDayText(vrd::PeriodLabel label, vrd::Day date, Language language);
// "Night of 2011-05-12: emergence 4.2 dB for a limit of 3.0 dB: exceeds"; the reason there is
// none when no period has a limit.
QString WorstPeriodText(const vrd::AssessmentResult& result, Language language);
