#include "report/chart_data.h"
#include "report/click_coupling.h"
#include "testkit/report_builder.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

using test::GapRecord;
using test::LevelRecord;

TEST(ClickCoupling, RowsRoundToTheNearestWithTiesToEven) {
    struct Row {
        int selected, leq5, leq10, leq1h;
    };
    const Row table[] = {{2, 1, 1, 1},    {3, 1, 1, 1},    {4, 2, 1, 1},  {6, 2, 2, 1},
                         {11, 3, 2, 1},   {16, 4, 2, 1},   {26, 6, 4, 1}, {31, 7, 4, 2},
                         {91, 19, 10, 2}, {151, 31, 16, 4}};
    for (const Row& row : table) {
        const std::optional<CoupledRows> rows = CoupledRowsFor(row.selected);
        ASSERT_TRUE(rows);
        EXPECT_EQ(rows->leq5, row.leq5) << row.selected;
        EXPECT_EQ(rows->leq10, row.leq10) << row.selected;
        EXPECT_EQ(rows->leq1h, row.leq1h) << row.selected;
    }
    for (const int row : {-1, 0, 1})
        EXPECT_FALSE(CoupledRowsFor(row));
    // A year of minutes is far past 16-bit rows.
    const std::optional<CoupledRows> year = CoupledRowsFor(525'601);
    ASSERT_TRUE(year);
    EXPECT_EQ(year->leq5, 105'121);
    EXPECT_EQ(year->leq1h, 8'761);
}

TEST(ChartData, LevelsLabelsAndQuietMinutes) {
    const std::string lines = LevelRecord("13:59", "75") + LevelRecord("14:00", "72") +
                              LevelRecord("14:01", "73") + LevelRecord("14:02", "59") +
                              LevelRecord("14:03", "60") + GapRecord("14:04") +
                              std::string("short line\n") + LevelRecord("14:05", "80") + "X";
    const std::vector<ChartRow> rows = BuildChartData(lines);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0].label, "12/05/2011-13h");
    EXPECT_EQ(rows[1].label, "12/05/2011-14h");
    EXPECT_EQ(rows[1].level, " 72");
    EXPECT_EQ(rows[3].label, "");
    EXPECT_EQ(rows[3].level, "55");
    EXPECT_EQ(rows[4].level, " 60");
    EXPECT_EQ(rows[5].level, "55");
    EXPECT_EQ(rows[6].level, "55");

    const std::vector<std::string> labels = ChartAxisLabels(rows);
    EXPECT_EQ(labels, (std::vector<std::string>{"12/05/2011-13h", "12/05/2011-14h", "", "",
                                                "12/05/2011-14h", "", "", "12/05/2011-14h"}));
    EXPECT_EQ(ChartLevelValue(" 72"), 72);
    EXPECT_EQ(ChartLevelValue("55"), 55);
}

TEST(ChartData, OneRowPerCompleteLineWhateverTheLineLengths) {
    // The last line, whose line feed is the last character, is not charted.
    const std::string record = LevelRecord("10:00", "70");
    EXPECT_EQ(BuildChartData(record).size(), 0u);
    EXPECT_EQ(BuildChartData(record + record).size(), 1u);
    // Short lines give a row each, where a store sized by 34 characters a line would overrun.
    EXPECT_EQ(BuildChartData(std::string(100, '\n')).size(), 99u);
    EXPECT_EQ(BuildChartData("").size(), 0u);
    // A level that is not a number is drawn like a gap.
    const std::vector<ChartRow> odd = BuildChartData(LevelRecord("10:00", "6O") + "\n");
    ASSERT_EQ(odd.size(), 1u);
    EXPECT_EQ(odd[0].level, "55");
}

} // namespace
} // namespace vrd
