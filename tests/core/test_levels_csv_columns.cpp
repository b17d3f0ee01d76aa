// Which columns of a meter's export hold the level and the LA90: found by their headers, or
// chosen; refused, naming the headers, when none or several fit.

#include "levels_csv/column_names.h"
#include "levels_csv/read_levels_csv.h"

#include <gtest/gtest.h>

#include <string>

namespace vrd {
namespace {

int Fit(const char* header, LevelQuantity quantity = LevelQuantity::Leq) {
    return HeaderFit(FoldHeader(header), quantity);
}

TEST(HeaderFit, TheLeqHeadersOfRealExports) {
    for (const char* header :
         {"LAeq", "Leq A", "LEQ dB -A", "LAeq (dB)", "Leq(A)", "LAeq,1s", "LAFeq", "LAeq_100ms",
          "Leq dB(A)", "LAeq 1 min", "LAeqT", "Niveau LAeq (dB)"})
        EXPECT_EQ(Fit(header), 2) << header;
    for (const char* header : {"Leq", "Leq (dB)", "LEQ"})
        EXPECT_EQ(Fit(header), 1) << header;
}

TEST(HeaderFit, TheL90Headers) {
    for (const char* header : {"LA90", "L90 A", "LAF90", "LAS90.0", "LA90 (dB)", "LA90,1s"})
        EXPECT_EQ(Fit(header, LevelQuantity::L90), 2) << header;
    EXPECT_EQ(Fit("L90", LevelQuantity::L90), 1);
    EXPECT_EQ(Fit("LA90"), 0);
    EXPECT_EQ(Fit("LAeq", LevelQuantity::L90), 0);
}

TEST(HeaderFit, BandsMaximaAndOtherWeightingsAreKeptOut) {
    for (const char* header : {"LAeq 63Hz", "Leq 1/1 63 Hz", "LZeq 1/3 31.5 Hz",
                               "LAeq 1k",   "LAeq 125",      "LAFmax",
                               "LASmin",    "LAeq max",      "LCeq",
                               "LZeq",      "Leq C",         "Leq dB(Z)",
                               "LCpeak",    "LAE",           "SEL A",
                               "LAIeq",     "LA10",          "LAF50",
                               "Time",      "LAeq LA90",     "LAS"}) {
        EXPECT_EQ(Fit(header), 0) << header;
        EXPECT_EQ(Fit(header, LevelQuantity::L90), 0) << header;
    }
}

LevelsCsvRead Read(const std::string& bytes, const CsvReadOptions& options = {}) {
    return ReadLevelsCsv(bytes, "site 3.csv", options);
}

const char* const kOctaves =
    "Time;LAeq 63Hz;LAeq;LAFmax;LCeq;LA90;LA10\n2025-03-22 00:00:00;50;45,3;60;55;40;48\n"
    "2025-03-22 00:00:01;50;46,1;60;55;41;48\n";

TEST(LevelColumn, FoundAmongBandsMaximaAndStatistics) {
    const LevelsCsvRead read = Read(kOctaves);
    ASSERT_TRUE(read.levels);
    EXPECT_EQ(read.levels->layout.columns.level, 2);
    EXPECT_EQ(read.levels->layout.columns.l90, 5);
    ASSERT_TRUE(read.levels->samples.HasL90());
    EXPECT_FLOAT_EQ(read.levels->samples.L90(1), 41.0f);
    EXPECT_FLOAT_EQ(read.levels->samples.Level(1), 46.1f);
}

TEST(LevelColumn, AnAWeightedHeaderWinsOverOneWithoutWeighting) {
    const LevelsCsvRead read = Read("Time,Leq,LAeq\n2025-03-22 00:00:00,50,45\n"
                                    "2025-03-22 00:00:01,50,46\n");
    ASSERT_TRUE(read.levels);
    EXPECT_EQ(read.levels->layout.columns.level, 2);
    EXPECT_FALSE(read.levels->samples.HasL90());
    EXPECT_TRUE(std::isnan(read.levels->samples.L90(0)));
}

TEST(LevelColumn, TwoThatFitEquallyAreRefusedNamingThem) {
    const LevelsCsvRead read = Read("Time;LAeq;LCeq;LAeq,1s\n2025-03-22 00:00:00;45;50;46\n"
                                    "2025-03-22 00:00:01;45;50;46\n");
    ASSERT_TRUE(read.refusal);
    EXPECT_EQ(read.refusal->kind, CsvRefusalKind::ColumnAmbiguous);
    EXPECT_EQ(read.refusal->role, CsvColumnRole::Level);
    EXPECT_EQ(read.refusal->columns, (std::vector<int>{1, 3}));
    EXPECT_EQ(DescribeCsvRefusal(*read.refusal),
              "site 3.csv: several columns could hold the A-weighted Leq: \"LAeq\" (column 2), "
              "\"LAeq,1s\" (column 4); choose one with --level-column NAME or NUMBER");
}

TEST(LevelColumn, NoneFoundIsRefusedNamingTheHeaders) {
    const LevelsCsvRead read =
        Read("Time,LCeq,LAFmax\n2025-03-22 00:00:00,45,50\n2025-03-22 00:00:01,45,50\n");
    ASSERT_TRUE(read.refusal);
    EXPECT_EQ(read.refusal->kind, CsvRefusalKind::ColumnNotFound);
    EXPECT_EQ(DescribeCsvRefusal(*read.refusal),
              "site 3.csv: no column holds the A-weighted Leq (headers: \"Time\", \"LCeq\", "
              "\"LAFmax\"); choose one with --level-column NAME or NUMBER");
}

TEST(LevelColumn, ChosenByNameOrNumber) {
    CsvReadOptions options;
    options.level = ParseCsvColumnChoice("lceq");
    LevelsCsvRead read = Read(kOctaves, options);
    ASSERT_TRUE(read.levels);
    EXPECT_EQ(read.levels->layout.columns.level, 4);

    options.level = ParseCsvColumnChoice("2");
    options.l90 = ParseCsvColumnChoice("none");
    read = Read(kOctaves, options);
    ASSERT_TRUE(read.levels);
    EXPECT_EQ(read.levels->layout.columns.level, 1);
    EXPECT_EQ(read.levels->layout.columns.l90, -1);
    EXPECT_FALSE(read.levels->samples.HasL90());

    // The chosen name settles what the headers could not.
    options = {};
    options.level = ParseCsvColumnChoice("LAeq,1s");
    read =
        Read("Time;LAeq;LAeq,1s\n2025-03-22 00:00:00;45;46\n2025-03-22 00:00:01;45;46\n", options);
    ASSERT_TRUE(read.levels);
    EXPECT_FLOAT_EQ(read.levels->samples.Level(0), 46.0f);
}

TEST(LevelColumn, AChosenColumnThatIsNotThereIsRefused) {
    CsvReadOptions options;
    options.l90 = ParseCsvColumnChoice("LAF95");
    LevelsCsvRead read = Read(kOctaves, options);
    ASSERT_TRUE(read.refusal);
    EXPECT_EQ(read.refusal->kind, CsvRefusalKind::ChosenColumnMissing);
    EXPECT_EQ(read.refusal->role, CsvColumnRole::L90);
    EXPECT_EQ(
        DescribeCsvRefusal(*read.refusal)
            .rfind("site 3.csv: --l90-column \"LAF95\": no such column (headers: \"Time\", ", 0),
        0u);

    options = {};
    options.level = ParseCsvColumnChoice("8");
    read = Read(kOctaves, options);
    ASSERT_TRUE(read.refusal);
    EXPECT_EQ(read.refusal->kind, CsvRefusalKind::ChosenColumnMissing);
    EXPECT_EQ(read.refusal->chosen, "8");
}

TEST(L90Column, TwoThatFitEquallyAreRefused) {
    const LevelsCsvRead read = Read("Time;LAeq;LAF90;LAS90\n2025-03-22 00:00:00;45;40;41\n"
                                    "2025-03-22 00:00:01;45;40;41\n");
    ASSERT_TRUE(read.refusal);
    EXPECT_EQ(read.refusal->kind, CsvRefusalKind::ColumnAmbiguous);
    EXPECT_EQ(read.refusal->role, CsvColumnRole::L90);
    EXPECT_NE(DescribeCsvRefusal(*read.refusal).find("--l90-column"), std::string::npos);
}

TEST(L90Column, AMissingOrBadLa90LeavesTheSampleWithoutOne) {
    const LevelsCsvRead read = Read("Time;LAeq;LA90\n2025-03-22 00:00:00;45;40\n"
                                    "2025-03-22 00:00:01;46;\n2025-03-22 00:00:02;47;-.-\n"
                                    "2025-03-22 00:00:03;47\n");
    ASSERT_TRUE(read.levels);
    const LevelSamples& samples = read.levels->samples;
    ASSERT_EQ(samples.Size(), 4u);
    EXPECT_FLOAT_EQ(samples.L90(0), 40.0f);
    EXPECT_TRUE(std::isnan(samples.L90(1)));
    EXPECT_TRUE(std::isnan(samples.L90(2)));
    EXPECT_TRUE(std::isnan(samples.L90(3)));
    EXPECT_EQ(read.levels->l90Missing, 3);
    EXPECT_EQ(read.levels->unreadable, 0);
}

TEST(TimeColumn, ChosenWhenTheFileHasTwo) {
    CsvReadOptions options;
    options.time = ParseCsvColumnChoice("End");
    const LevelsCsvRead read = Read("Start,End,LAeq\n2025-03-22 00:00:00,2025-03-22 00:00:01,45\n"
                                    "2025-03-22 00:00:01,2025-03-22 00:00:02,46\n",
                                    options);
    ASSERT_TRUE(read.levels);
    EXPECT_EQ(read.levels->layout.columns.time, 1);
    EXPECT_EQ(read.levels->samples.Start(0), *ParseMinute("2025-03-22T00:00") * 60000 + 1000);
}

} // namespace
} // namespace vrd
