#pragma once
// The report's pages of how the levels of the analysed period are spread: the distribution by
// whole dB with the share of the time above each level, source and residual apart when marked,
// and with a BS 4142 assessment the histogram of the intervals' L90.

#include "views/common/language.h"

class AnalysisSession;
class ReportPages;

void LayOutDistributionPages(ReportPages& pages, const AnalysisSession& session, Language language);
