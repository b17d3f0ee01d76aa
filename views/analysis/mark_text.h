#pragma once
// How the analysis window and its report name a mark: its kind, its period and its reason.

#include "analysis/analysis_settings.h"

#include <QString>

// "excluded", "source", "residual", translated.
QString MarkKindText(vrd::MarkKind kind);
// "2011-05-12 14:00 – 16:30", the end's date written when it is another day.
QString IntervalText(const vrd::Interval& interval);
// "2011-05-12 14:00 – 16:30 (the fan)"; no brackets without a reason.
QString MarkPeriodText(const vrd::Mark& mark);
// The same after the kind: "source 2011-05-12 14:00 – 16:30 (the fan)".
QString MarkText(const vrd::Mark& mark);
