#include "analysis/exclusion_file.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

TEST(ExclusionFile, ReadsIntervalsAndReasons) {
    const ExclusionFileRead read =
        ParseExclusionFile("# the site's exclusions\n"
                           "2011-05-12T14:00/2011-05-12T16:30 rain\r\n"
                           "\n"
                           "2011-05-13T07:00/2011-05-13T12:00\troad works  \n"
                           "2011-05-14T00:00/2011-05-14T00:01");
    ASSERT_FALSE(read.error) << *read.error;
    ASSERT_EQ(read.exclusions.size(), 3u);
    EXPECT_EQ(FormatSpan(read.exclusions[0].span), "2011-05-12T14:00/2011-05-12T16:30");
    EXPECT_EQ(read.exclusions[0].reason, "rain");
    EXPECT_EQ(read.exclusions[1].reason, "road works");
    EXPECT_EQ(read.exclusions[2].reason, "");
    EXPECT_EQ(read.exclusions[2].span.Length(), kMillisPerMinute);
}

TEST(ExclusionFile, ABadLineIsNamedAndNothingIsKept) {
    for (const char* bad :
         {"2011-05-12T14:00/2011-05-12T14:00 empty", "2011-05-12T16:00/2011-05-12T14:00 reversed",
          "2011-05-12T14:00-2011-05-12T16:00 dash", "2011-02-30T00:00/2011-03-01T00:00", "rain"}) {
        const ExclusionFileRead read =
            ParseExclusionFile(std::string("2011-05-12T10:00/2011-05-12T11:00 ok\n") + bad + "\n");
        ASSERT_TRUE(read.error) << bad;
        EXPECT_EQ(read.error->rfind("line 2: ", 0), 0u) << *read.error;
        EXPECT_TRUE(read.exclusions.empty());
    }
}

TEST(ExclusionFile, WritesWhatReadsBack) {
    const std::vector<Exclusion> exclusions = {
        {*ParseSpan("2011-05-12T14:00/2011-05-12T16:30"), "rain"},
        {*ParseSpan("2011-05-13T07:00/2011-05-13T12:00"), "road\nworks\r"},
        {*ParseSpan("2011-05-14T07:00/2011-05-14T08:00"), ""}};
    const std::string text = FormatExclusionFile(exclusions);
    EXPECT_EQ(text, "2011-05-12T14:00/2011-05-12T16:30 rain\n"
                    "2011-05-13T07:00/2011-05-13T12:00 road works\n"
                    "2011-05-14T07:00/2011-05-14T08:00\n");
    const ExclusionFileRead read = ParseExclusionFile(text);
    ASSERT_EQ(read.exclusions.size(), 3u);
    EXPECT_EQ(read.exclusions[1].reason, "road works");
}

TEST(MarksFile, ReadsKindsAndTakesALineWithoutOneForAnExclusion) {
    const MarksFileRead read =
        ParseMarksFile("2011-05-12T14:00/2011-05-12T16:30 rain\r\n"
                       "source 2011-05-12T17:00/2011-05-12T18:00 the fan of the bakery\n"
                       "# the bakery closed\n"
                       "residual\t2011-05-12T19:00/2011-05-12T20:00\n"
                       "exclude 2011-05-12T21:00/2011-05-12T22:00 source of trouble\n");
    ASSERT_FALSE(read.error) << *read.error;
    ASSERT_EQ(read.marks.size(), 4u);
    EXPECT_EQ(read.marks[0].kind, MarkKind::Exclude);
    EXPECT_EQ(read.marks[0].reason, "rain");
    EXPECT_EQ(read.marks[1].kind, MarkKind::Source);
    EXPECT_EQ(FormatSpan(read.marks[1].span), "2011-05-12T17:00/2011-05-12T18:00");
    EXPECT_EQ(read.marks[1].reason, "the fan of the bakery");
    EXPECT_EQ(read.marks[2].kind, MarkKind::Residual);
    EXPECT_EQ(read.marks[2].reason, "");
    EXPECT_EQ(read.marks[3].kind, MarkKind::Exclude);
    EXPECT_EQ(read.marks[3].reason, "source of trouble");

    // Written back, only source and residual lines carry their kind.
    EXPECT_EQ(FormatMarksFile(read.marks),
              "2011-05-12T14:00/2011-05-12T16:30 rain\n"
              "source 2011-05-12T17:00/2011-05-12T18:00 the fan of the bakery\n"
              "residual 2011-05-12T19:00/2011-05-12T20:00\n"
              "2011-05-12T21:00/2011-05-12T22:00 source of trouble\n");
}

TEST(MarksFile, ABadLineIsNamedAndNothingIsKept) {
    for (const char* bad : {"source", "source rain", "residual 2011-05-12T14:00/2011-05-12T14:00",
                            "sources 2011-05-12T14:00/2011-05-12T15:00", "Source"}) {
        const MarksFileRead read =
            ParseMarksFile(std::string("source 2011-05-12T10:00/2011-05-12T11:00\n") + bad);
        ASSERT_TRUE(read.error) << bad;
        EXPECT_EQ(read.error->rfind("line 2: ", 0), 0u) << *read.error;
        EXPECT_TRUE(read.marks.empty());
    }
    EXPECT_NE(ParseMarksFile("rain\n").error->find("nor a kind"), std::string::npos);
}

// The analysis window still loads exclusion files only: a marked line is not one of them.
TEST(ExclusionFile, ALineWithAKindIsNotAnExclusion) {
    const ExclusionFileRead read =
        ParseExclusionFile("source 2011-05-12T17:00/2011-05-12T18:00 the fan\n");
    ASSERT_TRUE(read.error);
    EXPECT_EQ(*read.error, "line 1: \"source\" is not an interval FROM/TO of the form "
                           "yyyy-mm-ddThh:mm[:ss]/yyyy-mm-ddThh:mm[:ss] with FROM before TO");
}

// Each bad line as a kind with its values, and the English of vrdtool word for word.
TEST(MarksFile, ABadLineIsAKindWithItsValuesAndItsEnglish) {
    const std::string before = "# the fan\n\nsource 2011-05-12T10:00/2011-05-12T11:00\r\n";
    const std::string form = "an interval FROM/TO of the form "
                             "yyyy-mm-ddThh:mm[:ss]/yyyy-mm-ddThh:mm[:ss] with FROM before TO";

    MarksFileRead read = ParseMarksFile(before + "residual \t\n");
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(read.problem->kind, MarksFileProblemKind::NoIntervalAfterKind);
    EXPECT_EQ(read.problem->line, 4u);
    EXPECT_EQ(read.problem->markKind, MarkKind::Residual);
    EXPECT_EQ(*read.error, "line 4: \"residual\" is not followed by " + form);

    read = ParseMarksFile(before + "Source 2011-05-12T12:00/2011-05-12T13:00\n");
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(read.problem->kind, MarksFileProblemKind::NotAnIntervalNorAKind);
    EXPECT_EQ(read.problem->word, "Source");
    EXPECT_EQ(*read.error, "line 4: \"Source\" is not " + form +
                               ", nor a kind (exclude, source or residual) before one");

    // After a kind only an interval can follow.
    read = ParseMarksFile(before + "source 2011-05-12T13:00/2011-05-12T12:00 reversed\n");
    ASSERT_TRUE(read.problem);
    EXPECT_EQ(read.problem->kind, MarksFileProblemKind::NotAnInterval);
    EXPECT_EQ(read.problem->word, "2011-05-12T13:00/2011-05-12T12:00");
    EXPECT_EQ(*read.error, "line 4: \"2011-05-12T13:00/2011-05-12T12:00\" is not " + form);

    const ExclusionFileRead exclusions = ParseExclusionFile(before);
    ASSERT_TRUE(exclusions.problem);
    EXPECT_EQ(exclusions.problem->kind, MarksFileProblemKind::NotAnInterval);
    EXPECT_EQ(exclusions.problem->line, 3u);
    EXPECT_EQ(exclusions.problem->word, "source");
    EXPECT_EQ(*exclusions.error, MarksFileProblemText(*exclusions.problem));

    EXPECT_FALSE(ParseMarksFile(before).problem);
}

TEST(MergeExclusions, JoinsOverlappingAndTouchingIntervals) {
    const std::vector<TimeSpan> merged = MergeExclusions({{{50, 60}, "b"},
                                                          {{10, 20}, "a"},
                                                          {{20, 30}, "a2"},
                                                          {{15, 25}, ""},
                                                          {{40, 40}, "empty"},
                                                          {{55, 58}, "inside"}});
    ASSERT_EQ(merged.size(), 2u);
    EXPECT_EQ(merged[0], (TimeSpan{10, 30}));
    EXPECT_EQ(merged[1], (TimeSpan{50, 60}));
}

} // namespace
} // namespace vrd
