// The rows of a meter's export as samples: the step, the stamp, the order, the duplicates and the
// unreadable rows; the refusals of what gives no samples; the samples' storage.

#include "levels_csv/read_levels_csv.h"
#include "levels_csv/sample_step.h"

#include <gtest/gtest.h>

#include <string>

namespace vrd {
namespace {

Millis At(const char* minute, int seconds = 0) {
    return *ParseMinute(minute) * kMillisPerMinute + seconds * kMillisPerSecond;
}

std::string Row(int seconds, const char* level) {
    const int minute = seconds / 60;
    char text[64];
    std::snprintf(text, sizeof text, "2025-03-22 00:%02d:%02d;%s\n", minute, seconds % 60, level);
    return text;
}

LevelsCsvRead Read(const std::string& bytes, const CsvReadOptions& options = {}) {
    return ReadLevelsCsv(bytes, "night.csv", options);
}

TEST(SampleStep, TheMostCommonDifferenceTheSmallerOnATie) {
    const Millis majority[] = {0, 1000, 2000, 3000, 60000, 61000};
    EXPECT_EQ(MostCommonStep(majority, 6), 1000);
    const Millis tie[] = {0, 2000, 4000, 5000, 6000, 9000};
    EXPECT_EQ(MostCommonStep(tie, 6), 1000);
    const Millis spread[] = {0, 3000, 5000, 8000, 9000, 11000, 15000};
    EXPECT_EQ(MostCommonStep(spread, 7), 2000);
    EXPECT_EQ(MostCommonStep(majority, 1), std::nullopt);
}

TEST(CsvRows, TheStepOfAFileWithAMissingStretch) {
    std::string bytes = "Time;LAeq\n";
    for (int s = 0; s < 10; ++s)
        bytes += Row(s, "40,5");
    for (int s = 200; s < 205; ++s) // 190 s missing: a gap, not a step
        bytes += Row(s, "41,5");
    const LevelsCsvRead read = Read(bytes);
    ASSERT_TRUE(read.levels);
    const LevelSamples& samples = read.levels->samples;
    EXPECT_EQ(samples.Step(), kMillisPerSecond);
    ASSERT_EQ(samples.Size(), 15u);
    EXPECT_EQ(samples.Start(10), At("2025-03-22T00:03", 20));
    EXPECT_EQ(samples.End(), At("2025-03-22T00:03", 25));
    EXPECT_EQ(samples.LowerBound(At("2025-03-22T00:01")), 10u);
}

TEST(CsvRows, StampEndPutsEachSampleBeforeItsTime) {
    CsvReadOptions options;
    options.stamp = CsvStamp::End;
    const LevelsCsvRead read =
        Read("Time;LAeq\n2025-03-22 00:01;40\n2025-03-22 00:02;41\n2025-03-22 00:03;42\n", options);
    ASSERT_TRUE(read.levels);
    EXPECT_EQ(read.levels->samples.Start(0), At("2025-03-22T00:00"));
    EXPECT_EQ(read.levels->samples.End(), At("2025-03-22T00:03"));
}

TEST(CsvRows, OutOfOrderRowsAreSortedAndTheFirstOnATimeWins) {
    const LevelsCsvRead read = Read("Time;LAeq\n" + Row(2, "42") + Row(0, "40") + Row(1, "41") +
                                    Row(0, "99") + Row(3, "43") + Row(2, "98"));
    ASSERT_TRUE(read.levels);
    const LevelSamples& samples = read.levels->samples;
    ASSERT_EQ(samples.Size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(samples.Start(i), At("2025-03-22T00:00", static_cast<int>(i)));
        EXPECT_FLOAT_EQ(samples.Level(i), 40.0f + static_cast<float>(i));
    }
    EXPECT_EQ(read.levels->duplicate, 2);
    EXPECT_EQ(read.levels->rows, 6);
}

TEST(CsvRows, UnreadableRowsAreCountedAndTheFirstNamedWithTheirLines) {
    const std::string bytes = "Time;LAeq;LA90\n" + Row(0, "40;30") + Row(1, "abc;30") +
                              "2025-03-22 25:00:00;41;30\n" + Row(2, "250;30") + "\n;;\n" +
                              Row(3, "-60;30") + "2025-03-22 00:00:04\n" + Row(5, "45,5,5") +
                              Row(6, ";30") + Row(7, "47;30") + Row(3, "junk") + "Summary;44\n";
    const LevelsCsvRead read = Read(bytes);
    ASSERT_TRUE(read.levels);
    EXPECT_EQ(read.levels->samples.Size(), 2u);
    EXPECT_EQ(read.levels->unreadable, 9);
    EXPECT_EQ(read.levels->rows, 11);
    ASSERT_EQ(read.levels->badLines.size(), kNamedBadLines);
    const char* const kExpected[] = {
        "line 3: the level \"abc\" is no number",
        "line 4: the time \"2025-03-22 25:00:00\" cannot be read",
        "line 5: the level 250 is outside -50..200 dB",
        "line 8: the level -60 is outside -50..200 dB",
        "line 9: the row has no column 2",
    };
    for (std::size_t i = 0; i < kNamedBadLines; ++i)
        EXPECT_EQ(DescribeCsvBadLine(read.levels->badLines[i]), kExpected[i]);
}

TEST(CsvRows, SamplesCenturiesApartTakeEightBytesEach) {
    const LevelsCsvRead read = Read("Time;LAeq\n0001-01-01 00:00:00;40\n0001-01-01 00:00:01;41\n"
                                    "2025-03-22 00:00:00;42\n9999-12-31 23:59:59;43\n");
    ASSERT_TRUE(read.levels);
    const LevelSamples& samples = read.levels->samples;
    ASSERT_EQ(samples.Size(), 4u);
    EXPECT_EQ(samples.Start(0), 0);
    EXPECT_EQ(samples.Start(2), At("2025-03-22T00:00"));
    EXPECT_EQ(samples.Start(3), At("9999-12-31T23:59", 59));
    EXPECT_EQ(samples.LowerBound(At("2025-03-22T00:00")), 2u);
    EXPECT_EQ(samples.LowerBound(At("2025-03-22T00:00") + 1), 3u);
    EXPECT_EQ(samples.LowerBound(At("9999-12-31T23:59", 59) + 1), 4u);
    EXPECT_EQ(samples.LowerBound(-5), 0u);
    EXPECT_FLOAT_EQ(samples.At(3).level, 43.0f);
}

TEST(CsvRows, AWeekOfSecondsTakesEightBytesASample) {
    LevelSamples samples;
    const std::size_t count = 604800;
    samples.Reserve(count, false);
    for (std::size_t i = 0; i < count; ++i)
        samples.Append(At("2025-03-22T00:00") + static_cast<Millis>(i) * 1000, 40.0f);
    EXPECT_LE(samples.BytesHeld(), count * 8 + 64);
    EXPECT_EQ(samples.LowerBound(At("2025-03-23T00:00")), 86400u);
}

struct RefusalCase {
    const char* name;
    std::string bytes;
    CsvRefusalKind kind;
    const char* wording;
};

TEST(CsvRefusals, WhatGivesNoSamples) {
    const RefusalCase cases[] = {
        {"empty", "", CsvRefusalKind::Empty, "night.csv: the file holds no rows"},
        {"blank lines", "\r\n\n  \n", CsvRefusalKind::Empty, "night.csv: the file holds no rows"},
        {"header only", "Time;LAeq\r\n", CsvRefusalKind::NoRows,
         "night.csv: the header (line 1) is followed by no rows of levels"},
        {"no header", "2025-03-22 00:00:00;40\n2025-03-22 00:00:01;41\n", CsvRefusalKind::NoHeader,
         "night.csv: no header row naming the columns above the first row with a time (line 1)"},
        {"one row", "Time;LAeq\n2025-03-22 00:00:00;40\n", CsvRefusalKind::SingleTime,
         "night.csv: only one row has a time (line 2): the step between samples cannot be found"},
        {"step of 0", "Time;LAeq\n" + Row(5, "40") + Row(5, "41") + Row(5, "42"),
         CsvRefusalKind::AllTimesEqual,
         "night.csv: every row has the same time, 2025-03-22T00:00:05: the step between samples "
         "cannot be found"},
        {"step of 50 ms",
         "Time;LAeq\n2025-03-22 00:00:00.00;40\n2025-03-22 00:00:00.05;40\n"
         "2025-03-22 00:00:00.10;40\n",
         CsvRefusalKind::StepOutOfRange,
         "night.csv: the step between samples (the most common difference between times) is 50 "
         "ms, outside 100 ms to 1 h"},
        {"daily levels",
         "Date;LAeq\n2025-03-22 00:00;40\n2025-03-23 00:00;40\n2025-03-24 00:00;40\n",
         CsvRefusalKind::StepOutOfRange,
         "night.csv: the step between samples (the most common difference between times) is 1 "
         "d, outside 100 ms to 1 h"},
        {"every row unreadable", "Time;LAeq\n" + Row(0, "x") + Row(1, "-") + Row(2, ""),
         CsvRefusalKind::NoReadableRow,
         "night.csv: none of its 3 rows could be read; line 2: the level \"x\" is no number; line "
         "3: the level \"-\" is no number; line 4: the level \"\" is no number"},
        {"UTF-16", std::string("\xFF\xFET\0i\0m\0e\0", 10), CsvRefusalKind::Utf16,
         "night.csv: the file is UTF-16 text; export it as UTF-8 or Latin-1 CSV"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LevelsCsvRead read = Read(c.bytes);
        ASSERT_TRUE(read.refusal);
        EXPECT_FALSE(read.levels);
        EXPECT_EQ(read.refusal->kind, c.kind);
        EXPECT_EQ(DescribeCsvRefusal(*read.refusal), c.wording);
    }
}

TEST(CsvRefusals, ALargeBufferOfJunkIsRefusedQuickly) {
    std::string junk(50u << 20, '\0');
    std::uint32_t state = 12345;
    for (char& c : junk) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(' ' + (state >> 16) % 95);
    }
    for (std::size_t i = 77; i < junk.size(); i += 77)
        junk[i] = '\n';
    LevelsCsvRead read = Read(junk);
    ASSERT_TRUE(read.refusal);
    EXPECT_EQ(read.refusal->kind, CsvRefusalKind::NoHeader);

    // The same junk under a good header and first rows: every row is unreadable, counted.
    const std::string rows = "Time;LAeq\n" + Row(0, "40") + Row(1, "41");
    read = Read(rows + junk);
    ASSERT_TRUE(read.levels);
    EXPECT_EQ(read.levels->samples.Size(), 2u);
    EXPECT_GT(read.levels->unreadable, 600000);
}

TEST(CsvRefusals, ACancelledReadIsRefused) {
    std::string bytes = "Time;LAeq\n";
    for (int s = 0; s < 200000; ++s)
        bytes += "2025-03-22 00:00:00;40\n";
    int calls = 0;
    const LevelsCsvRead read = ReadLevelsCsv(bytes, "night.csv", {}, [&](auto done, auto total) {
        EXPECT_LE(done, total);
        ++calls;
        return false;
    });
    ASSERT_TRUE(read.refusal);
    EXPECT_EQ(read.refusal->kind, CsvRefusalKind::Cancelled);
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace vrd
