// The carpet and the daily profile of the analysis window: each cell of the carpet's picture has
// the colour of its minute's level and gaps are blank, excluded minutes grey, the source and
// residual marks tinted in their colours; the profile follows the analysis; a drag over the
// carpet selects that period.

#include "analysis/daily_profile.h"
#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/campaign/carpet_view.h"
#include "views/analysis/campaign/daily_profile_view.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/painting/carpet_image.h"
#include "views/painting/carpet_painting.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {

// Two days from 12/05/2011 00:00: minute i at 40 + i % 50 dB, minute 100 a gap.
int Level(int minute) {
    return minute == 100 ? -1 : 40 + minute % 50;
}

vrd::ReportForAnalysis TwoDays() {
    TestFiles files;
    const QString path = files.Write(QStringLiteral("two days.txt"), DatedReport(2 * 1440, Level));
    vrd::ReportForAnalysis report;
    report.path = "two days.txt";
    report.minuteLines = OpenWithCore(path, vrd::ReportKind::Plain).state.MinuteLines;
    return report;
}

} // namespace

class TestCampaignViews final : public QObject {
    Q_OBJECT

  private slots:
    void eachCellHasTheColourOfItsMinute() {
        AnalysisSession session;
        std::vector<vrd::ReportForAnalysis> reports;
        reports.push_back(TwoDays());
        session.SetReports(std::move(reports));
        session.AddExclusion({Span(At(1, 10), At(1, 11)), "rain"});
        CarpetView view(session);
        const QImage& image = view.Picture().image;
        QCOMPARE(image.width(), 1440);
        QCOMPARE(image.height(), 2);
        const CarpetScale& scale = view.Picture().scale;
        QCOMPARE(scale.low, 40);
        QCOMPARE(scale.high, 90);
        // Minute 1440 + 135 of the series: the second date at 02:15, 40 + 1575 % 50 = 65 dB.
        QCOMPARE(image.pixelColor(135, 1), LevelColour(65, scale));
        QCOMPARE(image.pixelColor(0, 0), LevelColour(40, scale));
        QCOMPARE(image.pixelColor(100, 0), kCarpetBlank);
        QCOMPARE(image.pixelColor(10 * 60 + 30, 1), kCarpetExcluded);
        QVERIFY(LevelColour(40, scale) != LevelColour(41, scale));
    }

    void theCarpetShowsTheMarksInTheirColours() {
        AnalysisSession session;
        std::vector<vrd::ReportForAnalysis> reports;
        reports.push_back(TwoDays());
        session.SetReports(std::move(reports));
        CarpetView view(session);
        QVERIFY(!session.SetMarks({{vrd::MarkKind::Source, Span(At(0, 20), At(1, 2)), "fan"},
                                   {vrd::MarkKind::Residual, Span(At(1, 6), At(1, 9)), ""}}));
        QCOMPARE(view.Picture().sources.size(), std::size_t{1});
        QCOMPARE(view.Picture().residuals.size(), std::size_t{1});
        // The source over midnight: the end of the first date and the start of the second.
        const QSize size(1440 + 300, 400);
        QImage marked(size, QImage::Format_RGB32);
        QImage plain(size, QImage::Format_RGB32);
        CarpetPicture unmarked = view.Picture();
        unmarked.sources.clear();
        unmarked.residuals.clear();
        for (auto [image, picture] :
             {std::pair(&marked, &view.Picture()),
              std::pair(&plain, static_cast<const CarpetPicture*>(&unmarked))}) {
            image->fill(Qt::white);
            QPainter painter(image);
            PaintCarpet(painter, QRectF(image->rect()), *picture, Language::English);
        }
        const QRectF cells = CarpetCellArea(QRectF(marked.rect()), QFont());
        const auto at = [&](int row, double hour) {
            return QPoint(static_cast<int>(cells.left() + cells.width() * hour / 24.0),
                          static_cast<int>(cells.top() + cells.height() * (row + 0.5) / 2));
        };
        // Tinted towards the source's red inside the mark, untouched outside it.
        for (const QPoint point : {at(0, 22), at(1, 1)}) {
            const QColor tinted = marked.pixelColor(point);
            const QColor level = plain.pixelColor(point);
            QVERIFY(tinted != level);
            QVERIFY(tinted.red() - tinted.green() > level.red() - level.green());
        }
        QCOMPARE(marked.pixelColor(at(0, 12)), plain.pixelColor(at(0, 12)));
        QVERIFY(marked.pixelColor(at(1, 7.5)).green() > marked.pixelColor(at(1, 7.5)).red());
        session.RemoveMark(1);
        QVERIFY(view.Picture().residuals.empty());
    }

    void theProfileFollowsTheAnalysis() {
        AnalysisSession session;
        std::vector<vrd::ReportForAnalysis> reports;
        reports.push_back(TwoDays());
        session.SetReports(std::move(reports));
        DailyProfileView view(session);
        const vrd::DailyProfile expected = vrd::DailyProfileOf(session.Result().hours);
        QCOMPARE(view.Profile().all[3].leq, expected.all[3].leq);
        QCOMPARE(view.Profile().all[3].dates, 2);
        session.AddExclusion({Span(At(0, 3), At(0, 4)), "works"});
        QCOMPARE(view.Profile().all[3].dates, 1);
    }

    void aDragOverTheCarpetSelectsThatPeriod() {
        frmAnalysis window;
        std::vector<vrd::ReportForAnalysis> reports;
        reports.push_back(TwoDays());
        window.Session().SetReports(std::move(reports));
        CarpetView* carpet = window.Carpet();
        carpet->resize(1440 + 200, 300);
        const QRectF cells = CarpetCellArea(
            QRectF(carpet->rect()).adjusted(0, carpet->Readout()->height(), 0, 0), carpet->font());
        const auto point = [&](int row, double hour) {
            return QPoint(static_cast<int>(cells.left() + cells.width() * hour / 24.0),
                          static_cast<int>(cells.top() + cells.height() * (row + 0.5) / 2));
        };
        const std::optional<vrd::Minute> from = carpet->MinuteAt(point(0, 8.01));
        const std::optional<vrd::Minute> to = carpet->MinuteAt(point(1, 6.01));
        QVERIFY(from && to);
        QCOMPARE(vrd::DayOfMinute(*from), vrd::DayOfMinute(At(0, 0)));
        QCOMPARE(vrd::DayOfMinute(*to), vrd::DayOfMinute(At(1, 0)));
        QTest::mousePress(carpet, Qt::LeftButton, {}, point(0, 8.01));
        QTest::mouseRelease(carpet, Qt::LeftButton, {}, point(1, 6.01));
        QCOMPARE(window.Session().Selection().from, *from);
        QCOMPARE(window.Session().Selection().to, *to + 1);
    }
};

QTEST_MAIN(TestCampaignViews)
#include "tst_campaign_views.moc"
