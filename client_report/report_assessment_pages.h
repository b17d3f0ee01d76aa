#pragma once
// The report's section "Assessment", written when the analysis assesses a noise: the standard and
// the text it rests on, a box of its conclusion first (ConclusionLines, and the marks that lie
// outside the reports), the rules applied, the method in a sentence, then the verdict table of the
// periods in which the noise was heard with the notes under their rows (French standards) or the
// background levels and intervals (BS 4142) over as many pages as they need, and the distribution
// of the levels (with the L90 histogram for BS 4142). The list of the marks is an appendix at the
// end of the report.

#include "views/common/language.h"

class AnalysisSession;
class ReportPages;

void LayOutAssessmentPages(ReportPages& pages, const AnalysisSession& session, Language language);
// The appendix of the source and residual marks with their reasons; nothing without a standard.
void LayOutAssessmentAppendix(ReportPages& pages, const AnalysisSession& session,
                              Language language);
