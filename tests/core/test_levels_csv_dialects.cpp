// Each dialect of a meter's CSV export, as a tiny file named after it, gives the same samples.

#include "levels_csv/read_levels_csv.h"

#include <gtest/gtest.h>

#include <string>

namespace vrd {
namespace {

Millis At(const char* minute, int seconds = 0, int millis = 0) {
    return *ParseMinute(minute) * kMillisPerMinute + seconds * kMillisPerSecond + millis;
}

LevelsCsv Read(const std::string& bytes, const CsvReadOptions& options = {}) {
    LevelsCsvRead read = ReadLevelsCsv(bytes, "levels.csv", options);
    EXPECT_FALSE(read.refusal) << (read.refusal ? DescribeCsvRefusal(*read.refusal) : "");
    return read.levels ? std::move(*read.levels) : LevelsCsv{};
}

// The three samples every dialect below writes: 1 s apart from 2025-03-22 00:00:00.
void ExpectTheThreeSamples(const LevelsCsv& levels) {
    const LevelSamples& samples = levels.samples;
    ASSERT_EQ(samples.Size(), 3u);
    EXPECT_EQ(samples.Step(), kMillisPerSecond);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(samples.Start(i), At("2025-03-22T00:00", static_cast<int>(i))) << i;
    EXPECT_FLOAT_EQ(samples.Level(0), 45.3f);
    EXPECT_FLOAT_EQ(samples.Level(1), 46.0f);
    EXPECT_FLOAT_EQ(samples.Level(2), 44.8f);
    EXPECT_FALSE(levels.wholeLevels);
    EXPECT_EQ(levels.unreadable, 0);
    EXPECT_EQ(levels.duplicate, 0);
}

TEST(DetectDelimiter, Comma) {
    const LevelsCsv levels = Read("Time,LAeq\n2025-03-22 00:00:00,45.3\n"
                                  "2025-03-22 00:00:01,46.0\n2025-03-22 00:00:02,44.8\n");
    ExpectTheThreeSamples(levels);
    EXPECT_EQ(levels.layout.separator, ',');
    EXPECT_EQ(levels.layout.columns.time, 0);
    EXPECT_EQ(levels.layout.columns.clock, -1);
    EXPECT_EQ(levels.layout.columns.level, 1);
    EXPECT_EQ(levels.layout.headers[1], "LAeq");
}

TEST(DetectDelimiter, SemicolonWithDecimalComma) {
    const LevelsCsv levels = Read("Time;LAeq,1s;LCeq,1s\n2025-03-22 00:00:00;45,3;60,1\n"
                                  "2025-03-22 00:00:01;46,0;61,0\n2025-03-22 00:00:02;44,8;59,9\n");
    ExpectTheThreeSamples(levels);
    EXPECT_EQ(levels.layout.separator, ';');
    EXPECT_EQ(levels.layout.headers[1], "LAeq,1s");
}

TEST(DetectDelimiter, Tab) {
    ExpectTheThreeSamples(Read("Time\tLAeq\n2025-03-22 00:00:00\t45.3\n"
                               "2025-03-22 00:00:01\t46.0\n2025-03-22 00:00:02\t44.8\n"));
}

TEST(DetectDelimiter, QuotedFieldsWithDoubledQuotes) {
    const LevelsCsv levels = Read("\"Time\",\"LAeq \"\"fast\"\"\",\"Note\"\n"
                                  "\"2025-03-22 00:00:00\",\"45,3\",\"a, b\"\n"
                                  "\"2025-03-22 00:00:01\",\"46.0\",\"\"\"x\"\"\"\n"
                                  "\"2025-03-22 00:00:02\",\"44.8\",\n");
    ExpectTheThreeSamples(levels);
    EXPECT_EQ(levels.layout.headers[1], "LAeq \"fast\"");
}

TEST(DetectDelimiter, HeaderWithALineFeedInQuotes) {
    const LevelsCsv levels = Read("Time;\"LAeq\r\n(dB)\"\r\n2025-03-22 00:00:00;45,3\r\n"
                                  "2025-03-22 00:00:01;46,0\r\n2025-03-22 00:00:02;44,8\r\n");
    ExpectTheThreeSamples(levels);
    EXPECT_EQ(levels.layout.rowsLine, 3);
}

TEST(DetectDelimiter, CrLfAndNoLastLineFeed) {
    ExpectTheThreeSamples(Read("Time,LAeq\r\n2025-03-22 00:00:00,45.3\r\n"
                               "2025-03-22 00:00:01,46.0\r\n2025-03-22 00:00:02,44.8"));
}

TEST(DetectEncoding, ByteOrderMark) {
    const LevelsCsv levels = Read("\xEF\xBB\xBFTime;LAeq (dB)\n2025-03-22 00:00:00;45,3\n"
                                  "2025-03-22 00:00:01;46,0\n2025-03-22 00:00:02;44,8\n");
    ExpectTheThreeSamples(levels);
    EXPECT_TRUE(levels.layout.byteOrderMark);
    EXPECT_EQ(levels.layout.headers[0], "Time");
}

TEST(DetectEncoding, Latin1HeaderIsShownInUtf8) {
    // "Durée" and "LAeq (dB)" with a degree sign in the temperature's header, in Latin-1.
    const LevelsCsv levels = Read("Date et heure;Dur\xE9"
                                  "e;LAeq (dB);Temp. (\xB0"
                                  "C)\n"
                                  "22/03/2025 00:00:00;1;45,3;12\n22/03/2025 00:00:01;1;46,0;12\n"
                                  "22/03/2025 00:00:02;1;44,8;12\n");
    ExpectTheThreeSamples(levels);
    EXPECT_EQ(levels.layout.encoding, CsvEncoding::Latin1);
    EXPECT_EQ(levels.layout.headers[1], "Dur\xC3\xA9"
                                        "e");
    EXPECT_EQ(levels.layout.headers[3], "Temp. (\xC2\xB0"
                                        "C)");
    EXPECT_EQ(levels.layout.columns.level, 2);
}

TEST(DetectEncoding, Utf8HeaderWithAccents) {
    const LevelsCsv levels =
        Read("Horodatage;Niveau LAeq (dB) \xE2\x80\x94 s\xC3\xA9rie\n2025-03-22 00:00:00;45,3\n"
             "2025-03-22 00:00:01;46,0\n2025-03-22 00:00:02;44,8\n");
    ExpectTheThreeSamples(levels);
    EXPECT_EQ(levels.layout.encoding, CsvEncoding::Utf8);
}

TEST(DetectTime, EveryWayOfWritingIt) {
    const char* const kFirstTimes[] = {"2025-03-22T00:00:00",     "22/03/2025 00:00:00",
                                       "22.03.2025 00:00:00",     "2025/03/22 00:00:00",
                                       "2025-03-22 00:00:00.000", "2025-03-22 00:00:00,000",
                                       " 2025-03-22  0:00:00 "};
    for (const char* first : kFirstTimes) {
        const std::string bytes = std::string("Time;LAeq\n") + first +
                                  ";45,3\n2025-03-22T00:00:01;46,0\n2025-03-22T00:00:02;44,8\n";
        SCOPED_TRACE(first);
        ExpectTheThreeSamples(Read(bytes));
    }
}

TEST(DetectTime, DateAndTimeInTwoColumns) {
    const LevelsCsv levels = Read("Date;Time;LAeq\n22/03/2025;00:00:00;45.3\n"
                                  "22/03/2025;00:00:01;46.0\n22/03/2025;00:00:02;44.8\n");
    ExpectTheThreeSamples(levels);
    EXPECT_EQ(levels.layout.columns.time, 0);
    EXPECT_EQ(levels.layout.columns.clock, 1);
}

TEST(DetectTime, ClockBeforeTheDate) {
    const LevelsCsv levels = Read("Heure,Date,LAeq\n00:00:00,2025-03-22,45.3\n"
                                  "00:00:01,2025-03-22,46.0\n00:00:02,2025-03-22,44.8\n");
    ExpectTheThreeSamples(levels);
    EXPECT_EQ(levels.layout.columns.time, 1);
    EXPECT_EQ(levels.layout.columns.clock, 0);
}

TEST(DetectTime, MinutesWithoutSeconds) {
    const LevelsCsv levels =
        Read("Time,LAeq\n2025-03-22 00:00,45\n2025-03-22 00:01,46\n2025-03-22 00:03,44\n");
    ASSERT_EQ(levels.samples.Size(), 3u);
    EXPECT_EQ(levels.samples.Step(), kMillisPerMinute);
    EXPECT_EQ(levels.samples.Start(2), At("2025-03-22T00:03"));
    EXPECT_TRUE(levels.wholeLevels);
}

TEST(DetectTime, MillisecondsAtATenthOfASecond) {
    const LevelsCsv levels =
        Read("Time;LAeq\n2025-03-22 00:00:00,000;45,3\n2025-03-22 00:00:00,100;46,0\n"
             "2025-03-22 00:00:00.2;44,8\n2025-03-22 00:00:00.3004;44,8\n");
    ASSERT_EQ(levels.samples.Size(), 4u);
    EXPECT_EQ(levels.samples.Step(), 100);
    EXPECT_EQ(levels.samples.Start(2), At("2025-03-22T00:00", 0, 200));
    EXPECT_EQ(levels.samples.Start(3), At("2025-03-22T00:00", 0, 300));
}

TEST(DetectHeader, NotesAboveTheHeaderArePassedOver) {
    const LevelsCsv levels =
        Read("Instrument;Meter 1\nSerial;12345\nStart;2025-03-22 00:00:00\n\n"
             "Time;LAeq;LA90\n2025-03-22 00:00:00;45,3;40\n2025-03-22 00:00:01;46,0;40\n"
             "2025-03-22 00:00:02;44,8;41\n");
    ExpectTheThreeSamples(levels);
    EXPECT_EQ(levels.layout.headerLine, 5);
}

TEST(DetectLevelsCsv, FindsTheColumnsAndStepFromTheFirstBytes) {
    std::string bytes = "Date;Heure;LAeq;LA90;LAFmax\n";
    for (int s = 0; s < 30; ++s)
        bytes += "22/03/2025;00:00:" + std::string(s < 10 ? "0" : "") + std::to_string(s) +
                 ";45,3;40,1;50\n";
    // The first bytes of a longer file end inside a row, which the detection leaves out.
    const CsvDetection detection =
        DetectLevelsCsv(std::string_view(bytes).substr(0, bytes.size() - 5), "levels.csv");
    EXPECT_FALSE(detection.refusal);
    EXPECT_EQ(detection.layout.columns.time, 0);
    EXPECT_EQ(detection.layout.columns.clock, 1);
    EXPECT_EQ(detection.layout.columns.level, 2);
    EXPECT_EQ(detection.layout.columns.l90, 3);
    EXPECT_EQ(detection.step, kMillisPerSecond);
    EXPECT_EQ(detection.firstTime, At("2025-03-22T00:00"));
    ASSERT_EQ(detection.firstRows.size(), kPreviewRows);
    EXPECT_EQ(detection.firstRows[0].line, 2);
    EXPECT_EQ(detection.firstRows[0].fields,
              (std::vector<std::string>{"22/03/2025", "00:00:00", "45,3", "40,1", "50"}));
}

TEST(DetectLevelsCsv, AnAmbiguousLevelStillShowsTheRowsToChooseFrom) {
    const CsvDetection detection =
        DetectLevelsCsv("Time,LAeq,LAeq (dB)\n2025-03-22 00:00:00,45,46\n"
                        "2025-03-22 00:00:01,45,46\n",
                        "levels.csv", {}, true);
    ASSERT_TRUE(detection.refusal);
    EXPECT_EQ(detection.refusal->kind, CsvRefusalKind::ColumnAmbiguous);
    EXPECT_EQ(detection.layout.levelCandidates, (std::vector<int>{1, 2}));
    EXPECT_EQ(detection.firstRows.size(), 2u);
    EXPECT_EQ(detection.step, kMillisPerSecond);
}

} // namespace
} // namespace vrd
