#include "client_report/report_campaign_pages.h"

#include "analysis/carpet.h"
#include "analysis/daily_profile.h"
#include "client_report/report_pages.h"
#include "views/analysis/session/analysis_session.h"
#include "views/painting/carpet_painting.h"
#include "views/painting/daily_profile_painting.h"
#include "views/texts/analysis_report_text.h"

#include <QPainter>

#include <algorithm>

namespace {

void LayOutCarpet(ReportPages& pages, const AnalysisSession& session, Language language) {
    const vrd::Carpet carpet =
        vrd::CarpetOf(session.Series(), session.AnalysedPeriod(), session.ExcludedIntervals());
    if (carpet.Dates() == 0)
        return;
    CarpetPicture picture;
    picture.scale = ScaleOf(carpet);
    picture.image = CarpetImage(carpet, picture.scale);
    picture.firstDate = carpet.FirstDate();
    picture.periods = session.Settings().periods;
    picture.standardDay = StandardDayShown(session.Assessment());

    pages.NewPage();
    pages.Heading(ReportTr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Carpet of the minutes")));
    pages.Note(ReportTr(
        language, QT_TRANSLATE_NOOP("AnalysisReport",
                                    "One row a date, one column a minute of the day; each "
                                    "minute's level in dB on the colour scale at the right. "
                                    "White: no level; grey: excluded. Dashed lines: the start "
                                    "of the day, evening and night.")));
    // A few dates get rows of a line's height; a long campaign takes the page.
    const double rows = pages.Width() * 0.02 * static_cast<double>(carpet.Dates());
    const double height =
        std::min(pages.RoomLeft() * 0.9, std::max(pages.Width() * 0.2, rows + pages.Width() * 0.1));
    pages.Box(height, QString(), [&](QPainter& painter, const QRectF& box) {
        painter.setFont(ReportPages::ChartFont());
        PaintCarpet(painter, box, picture, language);
    });
}

void LayOutProfile(ReportPages& pages, const AnalysisSession& session, Language language) {
    const vrd::DailyProfile profile = vrd::DailyProfileOf(session.Result().hours);
    pages.NewPage();
    pages.Heading(ReportTr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Daily profile")));
    pages.Note(ReportTr(language,
                        QT_TRANSLATE_NOOP("AnalysisReport",
                                          "For each hour of the day, the energy mean of that "
                                          "hour's Leq over the dates (dB); the band runs from the "
                                          "lowest to the highest hourly Leq of the dates.")) +
               (profile.SplitsWeek()
                    ? ReportTr(language,
                               QT_TRANSLATE_NOOP("AnalysisReport", " Weekdays and weekends apart."))
                    : QString()));
    pages.Box(pages.Width() * 0.55, QString(), [&](QPainter& painter, const QRectF& box) {
        painter.setFont(ReportPages::ChartFont());
        PaintDailyProfile(painter, box, profile, language);
    });
}

} // namespace

void LayOutCampaignPages(ReportPages& pages, const AnalysisSession& session, Language language) {
    LayOutCarpet(pages, session, language);
    LayOutProfile(pages, session, language);
}
