// The "columns" key of an analysis file: the columns each CSV export is read by, as the user chose
// them in the window.

#include "options/analysis_file.h"

#include <gtest/gtest.h>

#include <string>

namespace vrd {
namespace {

constexpr const char* kPath = "/a/b/week.vrda";

AnalysisDocument Parsed(std::string_view bytes) {
    const AnalysisFileRead read = ParseAnalysisFile(bytes, kPath);
    EXPECT_TRUE(read.document) << read.error;
    return read.document.value_or(AnalysisDocument{});
}

std::string Formatted(const AnalysisDocument& document) {
    const AnalysisFileBytes written = FormatAnalysisFile(document, kPath);
    EXPECT_FALSE(written.error) << *written.error;
    return written.bytes;
}

std::string ErrorOf(const std::string& columns) {
    const std::string bytes = R"({"format": "vrd-analysis", "columns": )" + columns + "}";
    const AnalysisFileRead read = ParseAnalysisFile(bytes, kPath);
    EXPECT_FALSE(read.document) << bytes;
    return read.error;
}

CsvColumnChoice Named(std::string name) {
    CsvColumnChoice choice;
    choice.by = CsvColumnChoice::By::Name;
    choice.name = std::move(name);
    return choice;
}

TEST(AnalysisFileColumns, TheExampleReadsByFileWithTheKeysLeftOutFound) {
    const AnalysisDocument document = Parsed(R"({"format": "vrd-analysis",
        "files": ["meter.csv", "week19.vrd", "../logs/other.csv"],
        "columns": {"meter.csv": {"time": "Date", "clock": "Heure", "level": "LAeq",
                                  "l90": "LA90", "stamp": "end"},
                    "../logs/other.csv": {"level": 3, "l90": "none"}}})");
    // Each file as "files" gives it, relative to the analysis file's folder.
    const CsvReadOptions meter = ColumnsOf(document, "/a/b/meter.csv");
    EXPECT_EQ(meter.time.by, CsvColumnChoice::By::Name);
    EXPECT_EQ(meter.time.name, "Date");
    EXPECT_EQ(meter.clock.name, "Heure");
    EXPECT_EQ(meter.level.name, "LAeq");
    EXPECT_EQ(meter.l90.name, "LA90");
    EXPECT_EQ(meter.stamp, CsvStamp::End);

    const CsvReadOptions other = ColumnsOf(document, "/a/logs/other.csv");
    EXPECT_EQ(other.level.by, CsvColumnChoice::By::Number);
    EXPECT_EQ(other.level.number, 3);
    EXPECT_EQ(other.l90.by, CsvColumnChoice::By::None);
    EXPECT_EQ(other.time.by, CsvColumnChoice::By::Found);
    EXPECT_EQ(other.clock.by, CsvColumnChoice::By::Found);
    EXPECT_EQ(other.stamp, CsvStamp::Start);

    // A file the key does not name is read as found.
    const CsvReadOptions report = ColumnsOf(document, "/a/b/week19.vrd");
    EXPECT_EQ(report.level.by, CsvColumnChoice::By::Found);
    EXPECT_EQ(report.l90.by, CsvColumnChoice::By::Found);
    EXPECT_TRUE(document.otherKeys.empty());
}

TEST(AnalysisFileColumns, SaveOpenSaveGivesTheSameBytesWithUnknownKeysKept) {
    AnalysisDocument document;
    document.files = {"/a/b/meter.csv", "/elsewhere/far.csv"};
    CsvReadOptions meter;
    meter.time = Named("Date");
    meter.clock = Named("Heure");
    meter.level = Named("LAeq 1s");
    meter.l90.by = CsvColumnChoice::By::None;
    meter.stamp = CsvStamp::End;
    PutColumns(document, "/a/b/meter.csv", meter);
    CsvReadOptions far;
    far.level.by = CsvColumnChoice::By::Number;
    far.level.number = 2;
    PutColumns(document, "/elsewhere/far.csv", far);

    const std::string bytes = Formatted(document);
    // Written as "files" writes the paths: beside the analysis file relative, else absolute.
    EXPECT_NE(bytes.find(R"("meter.csv")"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(R"("/elsewhere/far.csv")"), std::string::npos) << bytes;
    // A column left as found is not written.
    EXPECT_EQ(bytes.find(R"("time": null)"), std::string::npos) << bytes;

    const AnalysisDocument read = Parsed(bytes);
    const CsvReadOptions back = ColumnsOf(read, "/a/b/meter.csv");
    EXPECT_EQ(back.level.name, "LAeq 1s");
    EXPECT_EQ(back.clock.name, "Heure");
    EXPECT_EQ(back.l90.by, CsvColumnChoice::By::None);
    EXPECT_EQ(back.stamp, CsvStamp::End);
    EXPECT_EQ(ColumnsOf(read, "/elsewhere/far.csv").level.number, 2);
    EXPECT_EQ(Formatted(read), bytes);

    // A key of a later version, in a file's columns, goes on with it.
    const AnalysisDocument later = Parsed(R"({"format": "vrd-analysis", "files": ["m.csv"],
        "columns": {"m.csv": {"level": "LAeq", "weighting": {"band": "A"}}}})");
    const std::string kept = Formatted(later);
    EXPECT_NE(kept.find(R"("weighting")"), std::string::npos) << kept;
    EXPECT_EQ(Formatted(Parsed(kept)), kept);
    EXPECT_EQ(ColumnsOf(Parsed(kept), "/a/b/m.csv").level.name, "LAeq");
}

TEST(AnalysisFileColumns, ColumnsPutAsFoundAreNotKept) {
    AnalysisDocument document;
    document.files = {"/a/b/meter.csv"};
    CsvReadOptions chosen;
    chosen.level = Named("LAeq");
    PutColumns(document, "/a/b/meter.csv", chosen);
    ASSERT_EQ(document.columns.size(), 1u);
    // Chosen again: replaced, not added.
    chosen.level = Named("LAFmax");
    PutColumns(document, "/a/b/meter.csv", chosen);
    ASSERT_EQ(document.columns.size(), 1u);
    EXPECT_EQ(ColumnsOf(document, "/a/b/meter.csv").level.name, "LAFmax");
    // Back to found: nothing left to write.
    PutColumns(document, "/a/b/meter.csv", CsvReadOptions{});
    EXPECT_TRUE(document.columns.empty());
    EXPECT_EQ(Formatted(document).find("columns"), std::string::npos);
    // The stamp alone is a choice.
    CsvReadOptions ends;
    ends.stamp = CsvStamp::End;
    PutColumns(document, "/a/b/meter.csv", ends);
    EXPECT_EQ(document.columns.size(), 1u);
}

TEST(AnalysisFileColumns, EveryBadValueIsRefusedNamingItsKey) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"(["meter.csv"])", "columns: expects an object of the CSV exports' columns by file"},
        {R"({"meter.csv": "LAeq"})", "columns[\"meter.csv\"]: expects the columns of an export"},
        {R"({"meter.csv": {"level": 0}})",
         "columns[\"meter.csv\"].level: expects a header or a column number from 1, not 0"},
        {R"({"meter.csv": {"level": ""}})", "columns[\"meter.csv\"].level: expects a header"},
        {R"({"meter.csv": {"time": 2.5}})", "columns[\"meter.csv\"].time: expects a header"},
        // Only the LA90 may be none: a file without a level is no export of levels.
        {R"({"meter.csv": {"level": "none"}})", "columns[\"meter.csv\"].level: expects a header"},
        {R"({"meter.csv": {"clock": true}})", "columns[\"meter.csv\"].clock: expects a header"},
        {R"({"meter.csv": {"stamp": "middle"}})",
         "columns[\"meter.csv\"].stamp: expects start or end, not \"middle\""},
        {R"({"": {"level": "LAeq"}})", "columns[\"\"]: expects the path"},
    };
    for (const auto& [columns, expected] : cases) {
        const std::string error = ErrorOf(columns);
        EXPECT_NE(error.find(expected), std::string::npos) << columns << "\n  gave: " << error;
    }
    // "none" for the LA90 is a choice, not a mistake.
    EXPECT_EQ(ColumnsOf(Parsed(R"({"format": "vrd-analysis",
                                   "columns": {"m.csv": {"l90": "none"}}})"),
                        "/a/b/m.csv")
                  .l90.by,
              CsvColumnChoice::By::None);
}

} // namespace
} // namespace vrd
