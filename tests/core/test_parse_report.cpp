#include "report/parse_report.h"
#include "report/report_lists.h"
#include "testkit/report_builder.h"

#include <gtest/gtest.h>

#include <vector>

namespace vrd {
namespace {

using test::GapRecord;
using test::LevelRecord;
using test::Line;

const std::string kHyphens(39, '-');

struct Parsed {
    Declaration state;
    ReportLists window;
    std::optional<Failure> failure;

    std::vector<std::string> List(ListId list) const {
        std::vector<std::string> rows;
        for (std::size_t r = 0; r < window.RowCount(list); ++r)
            rows.emplace_back(window.Row(state.DecodedReport, list, r));
        return rows;
    }
};

Parsed Parse(const std::string& report, int trim = kTrimDecoded) {
    Parsed parsed;
    parsed.state.DecodedReport = report;
    parsed.state.OpenedFileName = "/data/site.vrd";
    parsed.failure = ParseReport(parsed.state, parsed.window, trim);
    return parsed;
}

using Rows = std::vector<std::string>;

TEST(ParseReport, WorkedExample) {
    const std::string site = "Chantier Rue des Lilas"; // 22 characters
    const std::string record = LevelRecord("17:08", "60");
    ASSERT_EQ(record.size(), 36u);
    const std::string event = "12/05/2011 - 17:08    Max >  95 dBA";
    const std::string report = Line(site) + Line("SN0412") + Line("1 minute") + record + Line("") +
                               Line("Events") + Line(event) + Line("");
    const Parsed parsed = Parse(report);
    ASSERT_FALSE(parsed.failure) << parsed.failure->reason;

    const std::string r = record.substr(0, 35);
    EXPECT_EQ(parsed.window.Label(LabelId::Name), site + "\n");
    EXPECT_EQ(parsed.window.Label(LabelId::Serial), "SN0412\n");
    EXPECT_EQ(parsed.window.Caption(), "/data/site.vrd");
    EXPECT_EQ(parsed.List(ListId::Leq1),
              (Rows{"1 minute", r, "", "1 minute Leq Log Max         ", kHyphens, r}));
    EXPECT_EQ(parsed.List(ListId::Leq5), (Rows{"", "5 minutes Leq Log Max         ", kHyphens,
                                               record.substr(0, 28) + "60dBA"}));
    EXPECT_EQ(parsed.List(ListId::Leq10), (Rows{"", "10 minutes Leq Log Max         ", kHyphens,
                                                record.substr(0, 28) + "60dBA"}));
    EXPECT_EQ(parsed.List(ListId::Event), (Rows{"Events", event}));
    for (const ListId list : {ListId::Leq1h, ListId::Leq8h, ListId::Leq16h})
        EXPECT_TRUE(parsed.List(list).empty());
    EXPECT_EQ(parsed.state.MinuteLines, record);
    EXPECT_EQ(parsed.state.Running.Leq5, 60);
    EXPECT_EQ(parsed.state.Running.Leq10, 60);
}

TEST(ParseReport, SiteAndSerialComeFromTheFirst31Characters) {
    // A third short line ending within the 31 characters replaces the serial.
    Parsed parsed = Parse("Site\nSN1\nX\n" + std::string(40, 'z') + "\n");
    EXPECT_EQ(parsed.window.Label(LabelId::Name), "Site\n");
    EXPECT_EQ(parsed.window.Label(LabelId::Serial), "X\n");

    // A 30-character first line still names the site; its serial ends too late.
    parsed = Parse(std::string(30, 's') + "\nSERIAL\n\n");
    EXPECT_EQ(parsed.window.Label(LabelId::Name), std::string(30, 's') + "\n");
    EXPECT_EQ(parsed.window.Label(LabelId::Serial), "");

    // 31 characters before the first line feed leave both empty.
    parsed = Parse(std::string(31, 's') + "\nSERIAL\n\n");
    EXPECT_EQ(parsed.window.Label(LabelId::Name), "");
    EXPECT_EQ(parsed.window.Label(LabelId::Serial), "");
}

TEST(ParseReport, ShortLinesCloseSectionsAndHeadersOpenThem) {
    const std::string line15 = Line(std::string(14, 'a'));
    const std::string line16 = Line(std::string(15, 'b'));
    const std::string report = Line("S") + Line("N") + Line("8 hour") + line16 + line15 + line16 +
                               Line("8 hour again") + Line("16 hour") + Line("more 16-hour text") +
                               Line("Events") + Line("event after 16h") + Line("") + "\n";
    const Parsed parsed = Parse(report);
    // The 15-character line closes the section and goes nowhere, the line after it too; "16 hour"
    // closes the 8-hour section.
    EXPECT_EQ(parsed.List(ListId::Leq8h), (Rows{"8 hour", std::string(15, 'b'), "8 hour again"}));
    EXPECT_EQ(parsed.List(ListId::Leq16h), (Rows{"16 hour", "more 16-hour text"}));
    EXPECT_EQ(parsed.List(ListId::Event), (Rows{"Events", "event after 16h"}));
}

TEST(ParseReport, FiveMinutesAfterAnHourSectionWithoutShortLine) {
    const std::string filler = Line("1234567890123456");
    const std::string report = Line("S") + Line("N") + Line("1 hour") + filler + Line("5 minutes") +
                               filler + Line("10 minutes") + filler + "\n";
    const Parsed parsed = Parse(report);
    EXPECT_EQ(parsed.List(ListId::Leq1h), (Rows{"1 hour", "1234567890123456"}));
    EXPECT_EQ(parsed.List(ListId::Leq5), (Rows{"5 minutes", "1234567890123456", "",
                                               "5 minutes Leq Log Max         ", kHyphens}));
    EXPECT_EQ(parsed.List(ListId::Leq10)[0], "10 minutes");
    EXPECT_EQ(parsed.List(ListId::Leq10)[1], "1234567890123456");
}

TEST(ParseReport, GapRecordsResetTheRings) {
    const std::string report = Line("S") + Line("N") + Line("1 minute") +
                               LevelRecord("10:00", "80") + LevelRecord("10:01", "80") +
                               GapRecord("10:02") + LevelRecord("10:03", "80") + Line("");
    const Parsed parsed = Parse(report + "\n");
    ASSERT_FALSE(parsed.failure);
    EXPECT_EQ(parsed.state.MinuteLines, report.substr(report.find("12/05"), 36 * 4));
    // After the gap the 80 dB minute averages against four (nine) slots of 60 dB again.
    EXPECT_EQ(parsed.state.Running.Leq5, 74);
    EXPECT_EQ(parsed.state.Running.Leq10, 71);
    // The highest 5-minute level was reached at 10:01, and the first of equal maxima wins.
    EXPECT_EQ(parsed.List(ListId::Leq1).back(), LevelRecord("10:00", "80").substr(0, 35));
}

TEST(ParseReport, MaximumLinesAreBuiltFromTheRecord) {
    // Level "065" at a running 5-minute level of 66: columns 1-28, "66", columns 33-36.
    std::string report = Line("S") + Line("N") + Line("1 minute");
    for (int i = 0; i < 5; ++i)
        report += LevelRecord("10:0" + std::to_string(i), "065");
    report += Line("");
    const Parsed parsed = Parse(report + "\n", kTrimPlain);
    // The running level reaches 66 with the fifth minute; the first of equal levels is the
    // 1-minute maximum.
    EXPECT_EQ(parsed.List(ListId::Leq5).back(), LevelRecord("10:04", "065").substr(0, 28) + "66dB");
    EXPECT_EQ(parsed.List(ListId::Leq1).back(), LevelRecord("10:00", "065").substr(0, 34));
}

TEST(ParseReport, TheMaximaAreKeptAsLevelsAndLinesAsListed) {
    std::string report = Line("S") + Line("N") + Line("1 minute");
    for (int i = 0; i < 5; ++i)
        report += LevelRecord("10:0" + std::to_string(i), i == 2 ? "90" : "60");
    const Parsed parsed = Parse(report + Line("") + "\n");
    ASSERT_FALSE(parsed.failure);
    for (const ListId list : {ListId::Leq1, ListId::Leq5, ListId::Leq10}) {
        const std::optional<ListedMaximum>& maximum = parsed.window.Maximum(list);
        ASSERT_TRUE(maximum);
        EXPECT_EQ(maximum->line, parsed.List(list).back());
    }
    EXPECT_EQ(parsed.window.Maximum(ListId::Leq1)->level, 90);
    EXPECT_EQ(parsed.window.Maximum(ListId::Leq5)->level, parsed.state.Running.Leq5);
    EXPECT_FALSE(parsed.window.Maximum(ListId::Leq1h));

    // A parse that fails lists no maximum; clearing a list drops its maximum.
    EXPECT_FALSE(Parse(report + LevelRecord("10:05", "6x") + "\n").window.Maximum(ListId::Leq1));
    Parsed cleared = Parse(report + Line("") + "\n");
    cleared.window.ClearList(ListId::Leq5);
    EXPECT_FALSE(cleared.window.Maximum(ListId::Leq5));
    EXPECT_TRUE(cleared.window.Maximum(ListId::Leq10));
}

TEST(ParseReport, CarriageReturnsStayInTheListsAndTrimTwoCutsThem) {
    std::string record = LevelRecord("10:00", "70");
    record.insert(record.size() - 1, "\r");
    const std::string report = "S\r\nN\r\n1 minute\r\n" + record + "\r\n\n";
    const Parsed parsed = Parse(report, kTrimPlain);
    ASSERT_FALSE(parsed.failure);
    EXPECT_EQ(parsed.List(ListId::Leq1)[0], "1 minute\r");
    EXPECT_EQ(parsed.List(ListId::Leq1)[1], record.substr(0, 36));              // ends with the CR
    EXPECT_EQ(parsed.List(ListId::Leq1).back(), record.substr(0, 35));          // "dBA"
    EXPECT_EQ(parsed.List(ListId::Leq5).back(), record.substr(0, 28) + "65dB"); // "A\r" cut
    EXPECT_EQ(parsed.window.Label(LabelId::Name), "S\r\n");
}

TEST(ParseReport, LevelThatIsNoNumberStopsAtThatLine) {
    const std::string report = Line("S") + Line("N") + Line("1 minute") +
                               LevelRecord("10:00", "70") + LevelRecord("10:01", "6O") +
                               LevelRecord("10:02", "70") + Line("") + "\n";
    const Parsed parsed = Parse(report);
    ASSERT_TRUE(parsed.failure);
    EXPECT_EQ(parsed.failure->stage, Stage::Parse);
    EXPECT_NE(parsed.failure->reason.find("line 5"), std::string::npos) << parsed.failure->reason;
    EXPECT_NE(parsed.failure->reason.find("6O"), std::string::npos);
    // Lists as far as the failing line, which was listed and stored, and no summary.
    EXPECT_EQ(parsed.List(ListId::Leq1).size(), 3u);
    EXPECT_EQ(parsed.state.MinuteLines.size(), 72u);
    EXPECT_TRUE(parsed.List(ListId::Leq5).empty());

    // "Leq" in a line too short to hold a level.
    const Parsed shortLine = Parse("S\nN\n1 minute\n" + std::string(22, 'x') + "Leq\n\n\n");
    ASSERT_TRUE(shortLine.failure);
}

TEST(ParseReport, LevelNumbersAcceptBlanksSignsAndFractions) {
    std::string report = Line("S") + Line("N") + Line("1 minute");
    for (const char* level : {" 60", "60 ", "+70", "-5", "0.5", "80.", ".5 "})
        report += LevelRecord("10:00", level);
    const Parsed parsed = Parse(report + "\n\n");
    ASSERT_FALSE(parsed.failure) << parsed.failure->reason;
    EXPECT_EQ(parsed.List(ListId::Leq1).back().substr(28, 3), "80.");
}

TEST(ParseReport, WithoutLevelRecordsTheSummaryStopsAfterTheFiveMinuteHeading) {
    const Parsed parsed = Parse(Line("S") + Line("N") + Line("5 minutes") + Line("") + "\n");
    ASSERT_TRUE(parsed.failure);
    EXPECT_EQ(parsed.failure->stage, Stage::Parse);
    EXPECT_EQ(parsed.failure->reason, "the 1 minute section holds no level record, so there are "
                                      "no running 5- and 10-minute maxima to list");
    EXPECT_EQ(parsed.List(ListId::Leq1), Rows{});
    EXPECT_EQ(parsed.List(ListId::Leq5),
              (Rows{"5 minutes", "", "5 minutes Leq Log Max         ", kHyphens}));
    EXPECT_EQ(parsed.List(ListId::Leq10), Rows{});

    // Levels of 0 never raise the 1-minute maximum, but the running levels do.
    const Parsed zeros = Parse("S\nN\n1 minute\n" + LevelRecord("10:00", "0") + "\n\n");
    ASSERT_FALSE(zeros.failure);
    EXPECT_EQ(zeros.List(ListId::Leq1).size(), 2u);
    EXPECT_EQ(zeros.List(ListId::Leq10).size(), 4u);
}

// A picture or a letter opened as a report: the lists end as for a report without level records,
// and the reason says what the file is.
TEST(ParseReport, AFileWithoutSectionHeadingsHoldsNoReport) {
    const Parsed parsed = Parse(std::string("\x89PNG\r\n\x1a\n") + "IHDR 1 minute\n\n\n");
    ASSERT_TRUE(parsed.failure);
    EXPECT_EQ(parsed.failure->stage, Stage::Parse);
    EXPECT_EQ(parsed.failure->reason, "holds no report: none of its lines is a section heading");
    EXPECT_EQ(parsed.List(ListId::Leq1), Rows{});
    EXPECT_EQ(parsed.List(ListId::Leq5), (Rows{"", "5 minutes Leq Log Max         ", kHyphens}));
    EXPECT_EQ(parsed.state.MinuteLines, "");
}

TEST(ParseReport, TheLastCharacterIsNeverExamined) {
    const std::string report = "S\nN\n1 minute\n" + LevelRecord("10:00", "70");
    const Parsed parsed = Parse(report);
    EXPECT_EQ(parsed.List(ListId::Leq1), Rows{"1 minute"});
    EXPECT_EQ(parsed.state.MinuteLines, "");
    EXPECT_TRUE(parsed.failure); // no level record was seen
}

TEST(ParseReport, LevelsTooLargeForTheRunningLevelEndTheParse) {
    const Parsed parsed = Parse("S\nN\n1 minute\n" + LevelRecord("10:00", "999") + "\n\n");
    ASSERT_TRUE(parsed.failure);
    EXPECT_EQ(parsed.failure->stage, Stage::Parse);
    EXPECT_NE(parsed.failure->reason.find("999"), std::string::npos) << parsed.failure->reason;
}

} // namespace
} // namespace vrd
