#pragma once
// The conclusion of an assessment in a few lines, which the report puts first and the window's tab
// above its table. The French standards: the pooled verdict of each kind of period, the worst
// period, the count of the periods in which the noise was heard by what they say, and the count of
// the notes that weaken a verdict. BS 4142: the background level of each kind of period.

#include "analysis/assess.h"
#include "views/common/language.h"

#include <QStringList>

#include <vector>

// The periods a table of the French standards lists: those in which the noise was heard.
std::vector<vrd::EmergencePeriod> PeriodsHeard(const vrd::AssessmentResult& result);

QStringList ConclusionLines(const vrd::AssessmentResult& result, Language language);
