#include "export/csv_export.h"
#include "export/export_bytes.h"
#include "export/suggested_name.h"
#include "export/text_export.h"
#include "testkit/report_builder.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

using test::GapRecord;
using test::LevelRecord;
using test::Line;

std::string Csv(const std::string& report) {
    return *BuildCsvText(report);
}

TEST(CsvExport, RecordsBecomeRowsAndOtherLinesAreCopied) {
    const std::string report = Line("Site") + Line("1 minute Leq Log") + Line("----------") +
                               LevelRecord("17:08", "60") + GapRecord("17:09") + Line("") +
                               Line("Events") + Line("12/05/2011 - 17:08    Max >  95 dBA") + "#";
    EXPECT_EQ(Csv(report), "Site\n1 minute Leq Log\n12/05/2011 17:08; 60;dBA\n" +
                               GapRecord("17:09") + "\nEvents\n" +
                               "12/05/2011 - 17:08    Max >  95 dBA\n");
    EXPECT_EQ(*CsvFileBytes(report), Csv(report) + "\r\n");
}

TEST(CsvExport, EdgesOfLinesAndOfTheReport) {
    EXPECT_EQ(Csv(""), "");
    EXPECT_EQ(Csv("\n"), "");
    EXPECT_EQ(*CsvFileBytes("x"), "\r\n");
    // The last line is written only when a character follows its line feed.
    EXPECT_EQ(Csv("a\nb\n"), "a\n");
    EXPECT_EQ(Csv("no line feed at all"), "");
    // A short record gives a short row; "Leq" in another case is no record.
    EXPECT_EQ(Csv(std::string("12/05/2011 - 17:08    Leq\n") + "#"), "12/05/2011 17:08;;");
    EXPECT_EQ(Csv(std::string("12/05/2011 - 17:08    LEQ <  60 dBA\n") + "#"),
              "12/05/2011 - 17:08    LEQ <  60 dBA\n");
    // Lines beginning with "-" are left out unless they are records.
    EXPECT_EQ(Csv("-x\n-" + LevelRecord("17:08", "60").substr(1) + "#"),
              "-2/05/2011 17:08; 60;dBA\n");
}

TEST(CsvExport, CarriageReturnLinesKeepTheirReturnInTheRow) {
    std::string record = LevelRecord("17:08", "60");
    record.insert(record.size() - 1, "\r");
    EXPECT_EQ(Csv(record + record + "#"), "12/05/2011 17:08; 60;dBA\r12/05/2011 17:08; 60;dBA\r");
}

TEST(TextExport, TheReportByteForByteThenReturnAndLineFeed) {
    EXPECT_EQ(TextFileBytes(""), "\r\n");
    const std::string bytes("a\r\nb\0\xff\n", 7);
    EXPECT_EQ(TextFileBytes(bytes), bytes + "\r\n");
}

// A report handed over is appended to in place or freed: the bytes must not differ for it.
TEST(ExportBytes, TheSameBytesWhetherTheReportIsKeptOrHandedOver) {
    const std::string report = Line("Site") + Line("1 minute Leq Log") +
                               LevelRecord("17:08", "60") + Line("-- left out") + "\n";
    for (const ExportFormat format : {ExportFormat::Text, ExportFormat::Csv}) {
        const std::string kept = ExportBytes(std::string_view(report), format);
        EXPECT_EQ(kept,
                  format == ExportFormat::Text ? TextFileBytes(report) : *CsvFileBytes(report));
        std::string handed = report;
        EXPECT_EQ(ExportBytes(std::move(handed), format), kept);
        EXPECT_EQ(ExportBytes(std::string(), format), "\r\n");
    }
}

TEST(SuggestedFileName, CutsSixCharactersAndAddsDecrypt) {
    EXPECT_EQ(SuggestedFileName("abcdefghijkl"), "abcdef decrypt");
    EXPECT_EQ(SuggestedFileName("ab.vrd"), " decrypt");
    EXPECT_FALSE(SuggestedFileName("a.vrd"));
    EXPECT_FALSE(SuggestedFileName(""));
}

} // namespace
} // namespace vrd
