#pragma once
// How the analysis window and its report name a mark: its kind, its period and its reason, in
// the language asked for.

#include "analysis/analysis_settings.h"
#include "views/common/language.h"

#include <QString>

// "excluded", "source", "residual", translated.
QString MarkKindText(vrd::MarkKind kind, Language language);
// "2011-05-12 14:00 – 16:30", the end's date written when it is another day.
QString IntervalText(const vrd::Interval& interval, Language language);
// "2011-05-12 14:00 – 16:30 (the fan)"; no brackets without a reason.
QString MarkPeriodText(const vrd::Mark& mark, Language language);
// The same after the kind: "source 2011-05-12 14:00 – 16:30 (the fan)".
QString MarkText(const vrd::Mark& mark, Language language);
