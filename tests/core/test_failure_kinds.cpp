// The failures of an open as kinds with their values, for the window to word in its language, and
// their English reasons, which vrdtool prints and must not change.

#include "analysis/analysis_settings.h"
#include "analysis/open_files.h"
#include "report/failure.h"

#include "testkit/report_builder.h"
#include "tests/core/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <limits>

namespace vrd {
namespace {

TEST(FailureReason, EachKindInTheEnglishOfTheCommandLine) {
    const auto reason = [](FailureKind kind, FailureValues values = {}) {
        return MakeFailure(kind, std::move(values)).reason;
    };
    EXPECT_EQ(reason(FailureKind::System, {0, ENOENT, 0, "No such file or directory"}),
              "No such file or directory");
    EXPECT_EQ(reason(FailureKind::NoFileName), "no file name given");
    EXPECT_EQ(reason(FailureKind::Folder), "it is a folder, not a file");
    EXPECT_EQ(reason(FailureKind::Device), "it is a device, not a file");
    EXPECT_EQ(reason(FailureKind::TooLarge), "the file is larger than 4 GiB");
    EXPECT_EQ(reason(FailureKind::NoMemoryToRead), "there is not enough memory to read it");
    EXPECT_EQ(reason(FailureKind::NoMemoryToAnalyse), "there is not enough memory to analyse it");
    EXPECT_EQ(reason(FailureKind::Unexpected), "an unexpected error");
    EXPECT_EQ(reason(FailureKind::Unexpected, {0, 0, 0, "basic_string::_M_create"}),
              "basic_string::_M_create");
    EXPECT_EQ(reason(FailureKind::Empty), "the file is empty");
    EXPECT_EQ(reason(FailureKind::NoTableEnd),
              "no \"@\" ends the code table within the first 257 bytes");
    EXPECT_EQ(reason(FailureKind::CodeWordTooLong, {0, 298, 13, ""}),
              "the code word at byte 13 has 298 count characters; a table has at most 256 "
              "entries");
    EXPECT_EQ(reason(FailureKind::LevelNotANumber, {5, 0, 0, " 6O"}),
              "line 5: the level \" 6O\" is not a number");
    EXPECT_EQ(reason(FailureKind::LevelBeyond16Bits, {7, 0, 0, "1e9"}),
              "line 7: the level 1e9 does not fit 16 bits");
    EXPECT_EQ(reason(FailureKind::LevelBeyond32Bits, {7, 0, 0, "1e12"}),
              "line 7: the level 1e12 does not fit 32 bits");
    EXPECT_EQ(reason(FailureKind::RunningLevel,
                     {5, 0, 0, "a level of 999 dB is too large for the running level"}),
              "line 5: a level of 999 dB is too large for the running level");
    EXPECT_EQ(reason(FailureKind::NoLevelRecord),
              "the 1 minute section holds no level record, so there are no running 5- and "
              "10-minute maxima to list");
    EXPECT_EQ(reason(FailureKind::NoReport),
              "holds no report: none of its lines is a section heading");
    EXPECT_EQ(reason(FailureKind::NoMemoryToList), "there is not enough memory to list the report");
    EXPECT_EQ(reason(FailureKind::ReadCancelled), "reading the report was cancelled");
    EXPECT_EQ(reason(FailureKind::DecodeCancelled), "decoding was cancelled");

    // A failure made from a reason alone keeps it.
    const Failure other{Stage::Decode, "no code table"};
    EXPECT_EQ(other.kind, FailureKind::Other);
    EXPECT_EQ(FailureReason(other), "no code table");

    // Each kind has its stage.
    EXPECT_EQ(MakeFailure(FailureKind::Folder).stage, Stage::Read);
    EXPECT_EQ(MakeFailure(FailureKind::NoMemoryToAnalyse).stage, Stage::Read);
    EXPECT_EQ(MakeFailure(FailureKind::CodeWordTooLong).stage, Stage::Decode);
    EXPECT_EQ(MakeFailure(FailureKind::NoMemoryToList).stage, Stage::Parse);
    EXPECT_EQ(MakeFailure(FailureKind::NoReport).stage, Stage::Parse);
    EXPECT_EQ(MakeFailure(FailureKind::DecodeCancelled).stage, Stage::Cancelled);
}

class FailureKinds : public test::TempFolderTest {
  protected:
    Failure OpenFailure(const std::string& path, bool plain = false) {
        const OpenedMinutes opened = OpenMinuteLines({path, plain});
        EXPECT_TRUE(opened.failure) << path;
        return opened.failure.value_or(Failure{Stage::Read, ""});
    }
};

TEST_F(FailureKinds, AnOpenThatFailsSaysWhatWithItsValues) {
    const Failure missing = OpenFailure((folder_ / "none.vrd").string());
    EXPECT_EQ(missing.kind, FailureKind::System);
    EXPECT_EQ(missing.number, ENOENT);
    EXPECT_EQ(missing.reason, std::strerror(ENOENT));
    EXPECT_EQ(OpenFailure(folder_.string()).kind, FailureKind::Folder);
    EXPECT_EQ(OpenFailure("").kind, FailureKind::NoFileName);
    EXPECT_EQ(OpenFailure(Put("empty.vrd", "")).kind, FailureKind::Empty);
    EXPECT_EQ(OpenFailure(Put("letter.vrd", "no code table here")).kind, FailureKind::NoTableEnd);

    const Failure word = OpenFailure(Put("long.vrd", "0123456789@" + std::string(300, '\x01')));
    EXPECT_EQ(word.kind, FailureKind::CodeWordTooLong);
    EXPECT_EQ(word.stage, Stage::Decode);
    EXPECT_EQ(word.position, 13);
    EXPECT_EQ(word.number, 298);

    const std::string heading = test::Line("S") + test::Line("N") + test::Line("1 minute");
    const Failure level =
        OpenFailure(Put("level.txt", heading + test::LevelRecord("10:00", "70") +
                                         test::LevelRecord("10:01", "6O") + test::Line("") + "\n"));
    EXPECT_EQ(level.kind, FailureKind::LevelNotANumber);
    EXPECT_EQ(level.stage, Stage::Parse);
    EXPECT_EQ(level.line, 5);
    EXPECT_EQ(level.text, " 6O");
    EXPECT_EQ(level.reason, "line 5: the level \" 6O\" is not a number");

    const Failure loud = OpenFailure(
        Put("loud.txt", heading + test::LevelRecord("10:00", "999") + test::Line("") + "\n"));
    EXPECT_EQ(loud.kind, FailureKind::RunningLevel);
    EXPECT_EQ(loud.line, 4);
    EXPECT_EQ(loud.text, "a level of 999 dB is too large for the running level");

    EXPECT_EQ(OpenFailure(Put("letter.txt", "Dear Sir,\nthe noise\n")).kind, FailureKind::NoReport);
    EXPECT_EQ(OpenFailure(Put("nothing.txt", heading + "\n")).kind, FailureKind::NoLevelRecord);
}

TEST(PeriodsProblem, AKindAndTheTextCheckPeriodsGives) {
    Periods periods;
    EXPECT_FALSE(FindPeriodsProblem(periods));
    periods.evening = 24;
    EXPECT_EQ(FindPeriodsProblem(periods), PeriodsProblem::HoursOutOfOrder);
    EXPECT_EQ(CheckPeriods(periods),
              "the day, evening and night hours must be increasing within 0..23, the day before "
              "the evening (an empty evening has evening = night)");
    periods = Periods{};
    periods.nightPenalty = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FindPeriodsProblem(periods), PeriodsProblem::PenaltiesNotNumbers);
    EXPECT_EQ(CheckPeriods(periods), "the penalties must be numbers of dB");
}

} // namespace
} // namespace vrd
