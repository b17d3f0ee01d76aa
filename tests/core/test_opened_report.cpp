// The open as one value: opening over the value shown leaves what the open commands leave when
// they share one state and one window, each value holds its own report for its rows, and an open
// that reads nothing keeps the old report without sharing or losing it.

#include "report/opened_report.h"
#include "temp_folder.h"
#include "testkit/encoder.h"
#include "testkit/report_builder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vrd {
namespace {

std::string Report(const std::string& site, int minutes, int level) {
    std::string report = site + "\nSN 7\n1 minute Leq Log\n" + std::string(39, '-') + "\n";
    for (int minute = 0; minute < minutes; ++minute) {
        const std::string time = (minute / 60 < 10 ? "0" : "") + std::to_string(minute / 60) + ":" +
                                 (minute % 60 < 10 ? "0" : "") + std::to_string(minute % 60);
        report += test::LevelRecord(time, std::to_string(level + minute % 7));
    }
    return report + "\n";
}

std::string Encoded(const std::string& report) {
    return testkit::EncodeReport(report, {}).vrd;
}

std::vector<std::string> Rows(const ReportLists& window, const std::string& report, ListId list) {
    std::vector<std::string> rows;
    for (std::size_t row = 0; row < window.RowCount(list); ++row)
        rows.emplace_back(window.Row(report, list, row));
    return rows;
}

void ExpectSame(const OpenedReport& value, const Declaration& state, const ReportLists& window) {
    EXPECT_EQ(value.state.DecodedReport, state.DecodedReport);
    EXPECT_EQ(value.state.MinuteLines, state.MinuteLines);
    EXPECT_EQ(value.state.OpenedFileName, state.OpenedFileName);
    EXPECT_EQ(value.state.Running.Ring5, state.Running.Ring5);
    EXPECT_EQ(value.state.Running.RingIndex10, state.Running.RingIndex10);
    EXPECT_EQ(value.state.Running.Leq10, state.Running.Leq10);
    EXPECT_EQ(value.window.Label(LabelId::Name), window.Label(LabelId::Name));
    EXPECT_EQ(value.window.Label(LabelId::Serial), window.Label(LabelId::Serial));
    EXPECT_EQ(value.window.Caption(), window.Caption());
    for (const ListId list : kAllLists) {
        EXPECT_EQ(Rows(value.window, value.state.DecodedReport, list),
                  Rows(window, state.DecodedReport, list))
            << ListName(list);
        EXPECT_EQ(value.window.Maximum(list).has_value(), window.Maximum(list).has_value());
    }
}

class OpenedReportTest : public test::TempFolderTest {};

TEST_F(OpenedReportTest, OpensOverTheValueShownLeaveWhatOneSharedStateLeaves) {
    std::string badWord = Encoded(Report("Site Word", 40, 60));
    badWord.insert(badWord.size() / 2, std::string(300, '0'));
    std::string badLevel = Report("Site Level", 30, 55);
    badLevel.replace(badLevel.find("Leq <  57"), 9, "Leq <  5x");
    const std::vector<std::string> paths = {
        Put("first.vrd", Encoded(Report("Site One", 90, 50))),
        (folder_ / "missing.vrd").string(),
        Put("no table.vrd", std::string(400, 'x')),
        Put("bad word.vrd", badWord),
        Put("bad level.txt", badLevel),
        Put("empty.txt", ""),
        Put("second.txt", Report("Site Two", 20, 70)),
        folder_.string(),
    };

    Declaration state;
    ReportLists window;
    SharedReport shown = std::make_shared<const OpenedReport>();
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        BeginOpen(state, window, path);
        const OpenOutcome outcome = LoadAndParse(state, window, KindForPath(path));
        shown =
            std::make_shared<const OpenedReport>(OpenOver(*shown, path, KindForPath(path), true));
        EXPECT_EQ(shown->outcome.reportLoaded, outcome.reportLoaded);
        EXPECT_EQ(shown->outcome.reportReplaced, outcome.reportReplaced);
        EXPECT_EQ(shown->outcome.failure.has_value(), outcome.failure.has_value());
        ExpectSame(*shown, state, window);
    }
}

TEST_F(OpenedReportTest, EachValueKeepsItsOwnReportForItsRows) {
    const std::string first = Report("Site One", 30, 50);
    const std::string path = Put("one.txt", first);
    auto before =
        std::make_shared<const OpenedReport>(OpenFromStart(path, ReportKind::Plain, true));
    const SharedReport next = std::make_shared<const OpenedReport>(
        OpenOver(*before, Put("two.txt", Report("Site Two", 12, 80)), ReportKind::Plain, true));
    const std::vector<std::string> minutes =
        Rows(before->window, before->state.DecodedReport, ListId::Leq1);
    // The first value lives on for as long as somebody holds it, whatever came after it.
    const SharedReport kept = before;
    before.reset();
    EXPECT_EQ(Rows(kept->window, kept->state.DecodedReport, ListId::Leq1), minutes);
    EXPECT_EQ(kept->state.DecodedReport, first);
    EXPECT_EQ(next->window.Label(LabelId::Name), "Site Two\n");
    EXPECT_EQ(next->window.RowCount(ListId::Leq1), 2u + 12u + 4u);
}

TEST_F(OpenedReportTest, AnOpenThatReadsNothingKeepsTheReportShown) {
    const OpenedReport shown = OpenFromStart(
        Put("shown.vrd", Encoded(Report("Site Shown", 45, 62))), ReportKind::Encoded, true);
    ASSERT_FALSE(shown.outcome.failure);

    // Cancelled while it read: the value the open began with, over the report shown.
    const std::string pipe = (folder_ / "held up.txt").string();
    const OpenedReport cancelled = CancelledOpen(BeganOpen(shown, shown.window, pipe), shown);
    EXPECT_EQ(cancelled.state.DecodedReport, shown.state.DecodedReport);
    EXPECT_EQ(cancelled.state.MinuteLines, shown.state.MinuteLines);
    EXPECT_EQ(cancelled.state.Running.Leq5, shown.state.Running.Leq5);
    EXPECT_EQ(cancelled.state.OpenedFileName, pipe);
    EXPECT_EQ(cancelled.window.Caption(), pipe);
    EXPECT_EQ(cancelled.window.Label(LabelId::Name), "Site Shown\n");
    for (const ListId list : kAllLists)
        EXPECT_EQ(cancelled.window.RowCount(list), 0u);

    // Read without its parse, as the exports do: the minute lines stay those shown.
    const std::string plain = Report("Site Plain", 5, 90);
    const OpenedReport read = OpenOver(shown, Put("plain.txt", plain), ReportKind::Plain, false);
    EXPECT_TRUE(read.outcome.reportLoaded);
    EXPECT_EQ(read.state.DecodedReport, plain);
    EXPECT_EQ(read.state.MinuteLines, shown.state.MinuteLines);
}

} // namespace
} // namespace vrd
