#pragma once
// The report's section "Assessment", written when the analysis assesses a noise: the standard and
// the text it rests on, the method in two sentences, the source and residual marks with their
// reasons, the verdict table (French standards) or the intervals and background levels (BS 4142)
// over as many pages as they need, the worst period in words and the distribution of the levels
// (with the L90 histogram for BS 4142).

#include "views/common/language.h"

class AnalysisSession;
class ReportPages;

void LayOutAssessmentPages(ReportPages& pages, const AnalysisSession& session, Language language);
