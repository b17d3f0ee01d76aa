#pragma once
// The report's pages of the campaign at a glance: the carpet of every minute by date and time of
// day (the picture embedded at one pixel a minute), and the daily profile drawn as lines.

#include "views/common/language.h"

class AnalysisSession;
class ReportPages;

void LayOutCampaignPages(ReportPages& pages, const AnalysisSession& session, Language language);
