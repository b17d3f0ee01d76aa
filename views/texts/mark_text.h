#pragma once
// How the analysis window and its report name a mark: its kind, its period and its reason, in
// the language asked for.

#include "analysis/analysis_settings.h"
#include "views/common/language.h"

#include <QString>

#include <vector>

// "excluded", "source", "residual", translated.
QString MarkKindText(vrd::MarkKind kind, Language language);
// "2011-05-12 14:00 – 16:30", the end's date written when it is another day.
QString IntervalText(const vrd::Interval& interval, Language language);
// The same of a time span, its ends with ":ss" when their seconds are not 0.
QString SpanText(const vrd::TimeSpan& span, Language language);
// "2011-05-12 14:00 – 16:30 (the fan)"; no brackets without a reason.
QString MarkPeriodText(const vrd::Mark& mark, Language language);
// The same after the kind: "source 2011-05-12 14:00 – 16:30 (the fan)".
QString MarkText(const vrd::Mark& mark, Language language);
// The marks that lie outside the reports' minutes (MarksOutside), which change no figure: "2 marks
// lie outside the reports' minutes and change no figure: source 2012-05-12 08:00 – 09:00; ...",
// the first few named; empty without one.
QString MarksOutsideText(const std::vector<vrd::Mark>& marks, Language language);
// The window's message when marks just made or loaded lie outside the reports' minutes: what
// MarksOutsideText says, and what to look at; empty without one.
QString MarksOutsideWarning(const std::vector<vrd::Mark>& marks, Language language);
