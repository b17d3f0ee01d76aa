#pragma once
// The rules of the standard, stated in the report before its verdicts: sentences and, where the
// numbers make one, a table (StatedRules).

#include "analysis/assessment_calendar.h"
#include "views/common/language.h"

class ReportPages;

void LayOutAssessmentRules(ReportPages& pages, vrd::Standard standard, Language language);
