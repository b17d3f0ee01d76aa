#include "export/analysis_csv.h"
#include "export/decimal_text.h"

#include "analysis/minute_series.h"
#include "tests/core/comma_locale.h"
#include "tests/core/minute_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>

namespace vrd {
namespace {

using test::At;
using test::InACommaLocale;

std::string Printf(double value) {
    char text[400];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The tables and the summary wrote their numbers with "%.1f" in the C locale; they must keep
// every digit, ties and the largest values included.
TEST(OneDecimal, WritesWhatPrintfWritesInTheCLocale) {
    for (int step = -40000; step <= 40000; ++step) {
        const double value = step * 0.005;
        ASSERT_EQ(OneDecimal(value), Printf(value)) << step;
    }
    for (const double value :
         {0.25, 0.35, 0.05, -0.04, -0.0, 1e15 + 0.05, 123456789.95, 1e300,
          std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
          std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(OneDecimal(value), Printf(value)) << value;
    EXPECT_EQ(OneDecimalPercent(0.246), "24.6");
    EXPECT_EQ(OneDecimalPercent(1.0), "100.0");
}

TEST_F(InACommaLocale, TheTablesKeepTheirPoint) {
    EXPECT_EQ(OneDecimal(60.25), "60.2");
    const MinuteSeries series = SeriesOfMinuteLines(
        test::ConstantLevel(At("2011-05-12T19:00"), At("2011-05-12T19:02"), 60));
    const AnalysisResult result = Analyse(series, {});
    std::ostringstream days;
    std::ostringstream hours;
    WriteDaysCsv(days, result);
    WriteHoursCsv(hours, result);
    EXPECT_EQ(days.str(), "date,lday,levening,lnight,lden,coverage_day_percent,"
                          "coverage_evening_percent,coverage_night_percent\r\n"
                          "2011-05-12,,60.0,,,0.0,0.8,0.0\r\n");
    EXPECT_EQ(hours.str(), "start,leq,lmax,lmin,minutes\r\n"
                           "2011-05-12 19:00,60.0,60.0,60.0,2\r\n");
}

} // namespace
} // namespace vrd
