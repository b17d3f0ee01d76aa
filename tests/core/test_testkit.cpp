// The test tooling itself: reports from the generator must have the layout the decoder expects,
// and the encoder's files must decode back to the report they came from.

#include "testkit/calendar.h"
#include "testkit/encoder.h"
#include "testkit/report_generator.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vrd::testkit {
namespace {

constexpr std::string_view kHeaders[] = {
    "1 minute Leq Log", "5 minutes Leq Log", "10 minutes Leq Log", "1 hour Leq Log",
    "8 hour Leq Log",   "16 hour Leq Log",   "Events Log"};
constexpr std::size_t kIntervals[] = {1, 5, 10, 60, 480, 960};
constexpr std::size_t kEventsSection = 6;
constexpr int kGap = -1;

struct Section {
    std::string_view header;
    std::vector<std::string_view> records;
};

// Splits a report into its sections, checking the frame around them: site, serial, then for each
// section a header, a rule of 39 hyphens, records and an empty line, and nothing after the last.
std::vector<Section> Sections(const std::string& report) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0, end = 0; at < report.size(); at = end + 1) {
        end = report.find('\n', at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the report does not end with a line feed";
            return {};
        }
        lines.push_back(std::string_view(report).substr(at, end - at));
    }
    std::vector<Section> sections;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        Section section{lines[i], {}};
        EXPECT_TRUE(i + 1 < lines.size() && lines[i + 1] == std::string(39, '-')) << lines[i];
        for (i += 2; i < lines.size() && !lines[i].empty(); ++i)
            section.records.push_back(lines[i]);
        EXPECT_LT(i, lines.size()) << "section " << section.header << " is not closed";
        sections.push_back(section);
    }
    return sections;
}
// The sections point into the report, which must outlive them.
std::vector<Section> Sections(std::string&& report) = delete;

// '9' stands for a digit, '_' for a digit or a blank; anything else must be there as it is.
bool Fits(std::string_view record, std::string_view mask) {
    if (record.size() != mask.size())
        return false;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const bool digit = record[i] >= '0' && record[i] <= '9';
        if (mask[i] == '9'   ? !digit
            : mask[i] == '_' ? !digit && record[i] != ' '
                             : record[i] != mask[i])
            return false;
    }
    return true;
}

// Checks a level or gap record column by column and returns its level, or kGap.
int ParseLevelRecord(std::string_view record) {
    if (Fits(record, "99/99/9999 - 99:99              dBA"))
        return kGap;
    EXPECT_TRUE(Fits(record, "99/99/9999 - 99:99    Leq < __9 dBA")) << record;
    const std::string level(record.substr(28, 3));
    EXPECT_EQ(level.find_last_of(' ') + 1, level.find_first_not_of(" 0")) << "not right-aligned";
    return std::atoi(level.c_str());
}

std::vector<int> MinuteLevelsOf(const ReportOptions& options) {
    const std::string report = GenerateReport(options);
    const std::vector<Section> sections = Sections(report);
    std::vector<int> levels;
    for (const std::string_view record : sections.at(0).records)
        levels.push_back(ParseLevelRecord(record));
    return levels;
}

std::string Stamp(const DateTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d - %02d:%02d", time.day, time.month, time.year,
                  time.hour, time.minute);
    return text;
}

// The decoder's reading of a .vrd file, written out plainly; nullopt where the bytes are not a
// well-formed encoding (no "@", an entry past the table, an unfinished code word).
std::optional<std::string> ReferenceDecode(std::string_view vrd) {
    const std::size_t at = vrd.find('@');
    if (at == std::string_view::npos || at > 256 || vrd.size() < at + 3)
        return std::nullopt;
    std::string report;
    std::size_t count = 0;
    for (std::size_t i = at + 2; i + 1 < vrd.size(); ++i) { // the last byte is never read
        if (vrd[i] != '1') {
            ++count;
        } else if (count < at) {
            report.push_back(vrd[count]);
            count = 0;
        } else {
            return std::nullopt;
        }
    }
    return count == 0 ? std::optional(report) : std::nullopt;
}

ReportOptions DayWithGaps() {
    ReportOptions options;
    options.seed = 7;
    options.minutes = 1000; // not a whole number of 8- or 16-hour intervals
    options.gap_probability = 0.02;
    return options;
}

TEST(TestkitReport, FrameAndRecordColumns) {
    const ReportOptions options = DayWithGaps();
    const std::string report = GenerateReport(options);
    EXPECT_EQ(report.rfind(options.site + "\n" + options.serial + "\n", 0), 0u);
    const std::vector<Section> sections = Sections(report);
    ASSERT_EQ(sections.size(), std::size(kHeaders));
    int gaps = 0;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        EXPECT_EQ(sections[i].header, kHeaders[i]);
        // A shorter line would close the section on decoding (16 counts the line feed).
        for (const std::string_view record : sections[i].records)
            EXPECT_GE(record.size() + 1, 16u) << record;
        if (i == std::size(kIntervals))
            break;
        const std::size_t expected = (options.minutes + kIntervals[i] - 1) / kIntervals[i];
        ASSERT_EQ(sections[i].records.size(), expected) << sections[i].header;
        for (std::size_t k = 0; k < expected; ++k) {
            gaps += ParseLevelRecord(sections[i].records[k]) == kGap ? 1 : 0;
            const DateTime start = AddMinutes(options.start, std::int64_t(k * kIntervals[i]));
            EXPECT_EQ(sections[i].records[k].substr(0, 18), Stamp(start));
        }
    }
    EXPECT_GT(gaps, 0) << "the options were meant to give gaps";
}

TEST(TestkitReport, LongerSectionsAreEnergyAveragesOfTheMinutes) {
    const std::string report = GenerateReport(DayWithGaps());
    const std::vector<Section> sections = Sections(report);
    ASSERT_EQ(sections.size(), std::size(kHeaders));
    const std::vector<int> minutes = MinuteLevelsOf(DayWithGaps());
    bool saw_all_gap_interval = false;
    for (std::size_t i = 1; i < std::size(kIntervals); ++i) {
        for (std::size_t k = 0; k < sections[i].records.size(); ++k) {
            double energy = 0;
            int count = 0;
            const std::size_t end = std::min(minutes.size(), (k + 1) * kIntervals[i]);
            for (std::size_t m = k * kIntervals[i]; m < end; ++m) {
                if (minutes[m] != kGap) {
                    energy += std::pow(10.0, minutes[m] / 10.0);
                    ++count;
                }
            }
            const int level = ParseLevelRecord(sections[i].records[k]);
            saw_all_gap_interval |= count == 0;
            const double exact = count == 0 ? kGap : 10.0 * std::log10(energy / count);
            if (std::abs(exact - std::floor(exact) - 0.5) > 1e-9) { // a tie may go either way
                EXPECT_EQ(level, std::floor(exact + 0.5)) << sections[i].records[k];
            }
        }
    }
    EXPECT_TRUE(saw_all_gap_interval) << "the options were meant to give a 5-minute gap";
}

TEST(TestkitReport, EventsAreRunsAboveTheThreshold) {
    ReportOptions options;
    options.seed = 3;
    options.minutes = 3 * 1440;
    options.event_threshold = 80;
    const std::vector<int> minutes = MinuteLevelsOf(options);
    std::vector<std::string> expected;
    for (std::size_t m = 0, end = 0; m < minutes.size(); m = end + 1) {
        int loudest = 0;
        for (end = m; end < minutes.size() && minutes[end] > options.event_threshold; ++end)
            loudest = std::max(loudest, minutes[end]);
        if (end == m)
            continue;
        char line[96];
        std::snprintf(line, sizeof line, "%s    Max > %3d dBA  duration %02zu:%02zu",
                      Stamp(AddMinutes(options.start, std::int64_t(m))).c_str(), loudest,
                      (end - m) / 60, (end - m) % 60);
        expected.emplace_back(line);
    }
    ASSERT_FALSE(expected.empty()) << "three days should have loud minutes";
    const std::string report = GenerateReport(options);
    const std::vector<std::string_view> events = Sections(report).at(kEventsSection).records;
    EXPECT_EQ(std::vector<std::string>(events.begin(), events.end()), expected);

    options.event_threshold = 200;
    const std::string quiet = GenerateReport(options);
    EXPECT_TRUE(Sections(quiet).at(kEventsSection).records.empty());
}

TEST(TestkitReport, LevelsLookLikeASite) {
    ReportOptions options;
    options.minutes = 7 * 1440; // from midnight
    options.gap_probability = 0;
    const std::vector<int> minutes = MinuteLevelsOf(options);
    double night = 0, day = 0;
    int loud = 0;
    for (std::size_t m = 0; m < minutes.size(); ++m) {
        ASSERT_TRUE(minutes[m] >= 25 && minutes[m] <= 105) << minutes[m];
        const std::size_t hour = m / 60 % 24;
        night += hour < 5 ? minutes[m] / (7 * 300.0) : 0;
        day += hour >= 8 && hour < 17 ? minutes[m] / (7 * 540.0) : 0;
        loud += minutes[m] >= 85 ? 1 : 0;
    }
    EXPECT_TRUE(night > 28 && night < 42) << night;
    EXPECT_TRUE(day > 52 && day < 72) << day;
    EXPECT_TRUE(loud > 0 && loud < options.minutes / 50) << loud;
}

TEST(TestkitReport, GapsBlankOutMinutesWithoutMovingTheLevels) {
    ReportOptions options;
    options.minutes = 3 * 1440;
    options.gap_probability = 0;
    const std::vector<int> plain = MinuteLevelsOf(options);
    options.gap_probability = 0.01;
    const std::vector<int> gapped = MinuteLevelsOf(options);
    ASSERT_EQ(plain.size(), gapped.size());
    int runs = 0;
    for (std::size_t m = 0; m < gapped.size(); ++m) {
        if (gapped[m] != kGap) {
            EXPECT_EQ(gapped[m], plain[m]) << "minute " << m;
        }
        runs += gapped[m] == kGap && (m == 0 || gapped[m - 1] != kGap) ? 1 : 0;
    }
    EXPECT_GT(runs, 10);
    EXPECT_LE(std::count(gapped.begin(), gapped.end(), kGap), runs * 30);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), kGap), 0);
}

std::string ReadSample(const std::string& name) {
    std::ifstream in(std::string(VRD_SAMPLES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(TestkitReport, SameSeedSameReport) {
    ReportOptions options;
    const std::string first = GenerateReport(options);
    EXPECT_EQ(GenerateReport(options), first);
    options.seed += 1;
    EXPECT_NE(GenerateReport(options), first);
    // The shipped samples are the report of the default options and its encoding. If the model
    // changes on purpose, regenerate them (see samples/README.md).
    EXPECT_EQ(ReadSample("sample.txt"), first);
    EXPECT_EQ(ReadSample("sample.vrd"), EncodeReport(first).vrd);
}

TEST(TestkitReport, DatesRollOverMonthsYearsAndLeapDays) {
    const std::pair<DateTime, const char*> cases[] = {
        {{2012, 2, 28, 23, 59}, "29/02/2012 - 00:00"},
        {{2011, 2, 28, 23, 59}, "01/03/2011 - 00:00"},
        {{1900, 2, 28, 23, 59}, "01/03/1900 - 00:00"},
        {{2000, 2, 28, 23, 59}, "29/02/2000 - 00:00"},
        {{2011, 12, 31, 23, 59}, "01/01/2012 - 00:00"},
        {{2011, 4, 30, 23, 59}, "01/05/2011 - 00:00"},
    };
    for (const auto& [start, next] : cases) {
        ReportOptions options;
        options.start = start;
        options.minutes = 2;
        const std::string report = GenerateReport(options);
        EXPECT_EQ(Sections(report).at(0).records.at(1).substr(0, 18), next);
    }
    // And over four centuries, day by day, against counting by hand.
    DateTime expected{1899, 12, 31, 12, 0};
    DateTime stepped = expected;
    for (int step = 0; step < 146097 && Stamp(stepped) == Stamp(expected); ++step) {
        if (++expected.day > DaysInMonth(expected.year, expected.month)) {
            expected.day = 1;
            expected.year += expected.month / 12;
            expected.month = expected.month % 12 + 1;
        }
        stepped = AddMinutes(stepped, 1440);
    }
    EXPECT_EQ(Stamp(stepped), Stamp(expected));
}

TEST(TestkitReport, CrLfPutsACarriageReturnBeforeEveryLineFeed) {
    ReportOptions options = DayWithGaps();
    const std::string lf = GenerateReport(options);
    EXPECT_EQ(lf.find('\r'), std::string::npos);
    options.line_ending = LineEnding::kCrLf;
    std::string crlf = GenerateReport(options);
    EXPECT_EQ(std::count(crlf.begin(), crlf.end(), '\r'), std::count(lf.begin(), lf.end(), '\n'));
    EXPECT_NE(crlf.find("Leq Log\r\n----"), std::string::npos);
    crlf.erase(std::remove(crlf.begin(), crlf.end(), '\r'), crlf.end());
    EXPECT_EQ(crlf, lf);
}

TEST(TestkitReport, ABadOptionGivesAReasonAndNoReport) {
    std::vector<ReportOptions> bad(7);
    bad[0].start = {2011, 2, 29, 0, 0};
    bad[1].minutes = -1;
    bad[2].start = {9999, 12, 31, 23, 59};
    bad[2].minutes = 2;
    bad[3].gap_probability = std::numeric_limits<double>::quiet_NaN();
    bad[4].gap_probability = 1.5;
    bad[5].site = std::string(31, 'S');
    bad[6].serial = "VRD20\nN";
    for (const ReportOptions& options : bad) {
        EXPECT_NE(CheckReportOptions(options), "");
        EXPECT_EQ(GenerateReport(options), "");
    }
    ReportOptions edge;
    edge.site = std::string(30, 'S');
    edge.start = {9999, 12, 31, 23, 58};
    edge.minutes = 2;
    EXPECT_EQ(CheckReportOptions(edge), "");
}

TEST(TestkitReport, AYearOfMinutesRoundTrips) {
    ReportOptions options;
    options.start = {2012, 1, 1, 0, 0};
    options.minutes = 525600;
    const std::string report = GenerateReport(options);
    const std::vector<Section> sections = Sections(report);
    ASSERT_EQ(sections.size(), std::size(kHeaders));
    ASSERT_EQ(sections[0].records.size(), 525600u);
    // 2012 is a leap year, so 365 days end on the 30th of December.
    EXPECT_EQ(sections[0].records.back().substr(0, 18), "30/12/2012 - 23:59");
    const EncodeResult encoded = EncodeReport(report);
    ASSERT_TRUE(encoded.ok()) << encoded.error;
    EXPECT_EQ(ReferenceDecode(encoded.vrd), report);
}

TEST(TestkitEncoder, WritesTableMarkFillerCodeWordsAndPadding) {
    // 'a' twice, then '\n', 'b', 'c' once each: ties go by byte value.
    EXPECT_EQ(EncodeReport("abca\n").vrd,
              std::string("a\nbc@x") + "1" + "001" + "0001" + "1" + "01" + "1");
    EncodeOptions first_seen;
    first_seen.table_order = TableOrder::kFirstSeen;
    first_seen.count_char = 'z';
    first_seen.filler = '@';
    first_seen.padding = '7';
    EXPECT_EQ(EncodeReport("abca\n", first_seen).vrd,
              std::string("abc\n@@") + "1" + "z1" + "zz1" + "1" + "zzz1" + "7");
    EXPECT_EQ(EncodeReport("").vrd, "@x1");
    EncodeOptions given;
    given.table = "\nxcbaa"; // extra and repeated bytes are allowed; the first place counts
    EXPECT_EQ(EncodeReport("abca\n", given).vrd,
              std::string("\nxcbaa@x") + "00001" + "0001" + "001" + "00001" + "1" + "1");
}

TEST(TestkitEncoder, RoundTrips) {
    std::string every_byte;
    for (int byte = 255; byte >= 0; --byte)
        every_byte += byte == '@' ? "" : std::string(1, static_cast<char>(byte));
    ReportOptions crlf = DayWithGaps();
    crlf.line_ending = LineEnding::kCrLf;
    const std::string reports[] = {"",
                                   "1",
                                   std::string(1, '\0'),
                                   every_byte,
                                   every_byte + every_byte + "0001",
                                   GenerateReport(crlf)};
    EncodeOptions random_counts;
    random_counts.count_seed = 99;
    random_counts.padding = '\0';
    EncodeOptions first_seen;
    first_seen.table_order = TableOrder::kFirstSeen;
    first_seen.filler = '1';
    for (const EncodeOptions& options : {EncodeOptions{}, random_counts, first_seen}) {
        for (const std::string& report : reports) {
            const EncodeResult encoded = EncodeReport(report, options);
            ASSERT_TRUE(encoded.ok()) << encoded.error;
            EXPECT_EQ(ReferenceDecode(encoded.vrd), report) << "report of " << report.size();
        }
    }
}

TEST(TestkitEncoder, RandomCountBytesAreAnythingButOne) {
    const std::string report = GenerateReport(DayWithGaps());
    EncodeOptions options;
    options.count_seed = 5;
    const EncodeResult encoded = EncodeReport(report, options);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(ReferenceDecode(encoded.vrd), report); // a '1' among the counts would break this
    const std::string body = encoded.vrd.substr(encoded.vrd.find('@') + 2);
    EXPECT_EQ(std::set<char>(body.begin(), body.end()).size(), 256u) << "not random";
    EXPECT_EQ(encoded.vrd.size(), EncodeReport(report).vrd.size());
    EXPECT_EQ(EncodeReport(report, options).vrd, encoded.vrd);
    options.count_seed = 6;
    EXPECT_NE(EncodeReport(report, options).vrd, encoded.vrd);
}

TEST(TestkitEncoder, RefusesWhatCannotBeEncoded) {
    std::string all_bytes; // 256 different bytes would need '@' in the table
    for (int byte = 0; byte < 256; ++byte)
        all_bytes.push_back(static_cast<char>(byte));
    for (const std::string& report : {std::string("site @ night\n"), all_bytes}) {
        const EncodeResult refused = EncodeReport(report);
        EXPECT_FALSE(refused.ok());
        EXPECT_EQ(refused.vrd, "");
    }
    EncodeOptions options;
    for (const char* table : {"\nab", "@abc\n"}) { // lacks 'c'; holds '@'
        options.table = table;
        EXPECT_FALSE(EncodeReport("abca\n", options).ok()) << table;
    }
    options.table = std::string(257, 'a');
    EXPECT_FALSE(EncodeReport("a", options).ok());
    options.table = std::string(256, 'a');
    EXPECT_EQ(ReferenceDecode(EncodeReport("a", options).vrd), "a");
    options = {};
    options.count_char = '1';
    EXPECT_FALSE(EncodeReport("a", options).ok());
}

} // namespace
} // namespace vrd::testkit
