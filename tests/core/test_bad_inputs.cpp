// Files that reach users damaged or strange, and places an export cannot go. Each open must end
// with the stage and the reason and leave everything else as the open command's rules say; each
// export must leave any file it would have replaced byte for byte as it was.

#include "export/csv_export.h"
#include "report/open_report.h"
#include "report/opened_report.h"
#include "report/report_lists.h"
#include "testkit/encoder.h"
#include "testkit/report_builder.h"
#include "testkit/report_generator.h"
#include "tools/vrdtool/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vrd {
namespace {

namespace fs = std::filesystem;
using test::LevelRecord;
using test::Line;

// Twelve minutes of daylight across an hour, with every section of a device's report.
std::string ShortReport() {
    testkit::ReportOptions options;
    options.minutes = 12;
    options.start = {2011, 5, 12, 10, 55};
    options.gap_probability = 0;
    return testkit::GenerateReport(options);
}

std::string Encoded(std::string_view report, const testkit::EncodeOptions& options = {}) {
    const testkit::EncodeResult result = testkit::EncodeReport(report, options);
    EXPECT_TRUE(result.ok()) << result.error;
    return result.vrd;
}

// What the windows and the shared state hold between one user's commands.
struct Session {
    Declaration state;
    ReportLists window;

    OpenOutcome Open(const std::string& path) {
        BeginOpen(state, window, path);
        return LoadAndParse(state, window, KindForPath(path));
    }
    std::vector<std::string> Rows(ListId list) const {
        std::vector<std::string> rows;
        for (std::size_t r = 0; r < window.RowCount(list); ++r)
            rows.emplace_back(window.Row(state.DecodedReport, list, r));
        return rows;
    }
    std::size_t MinuteCount() const {
        return static_cast<std::size_t>(
            std::count(state.MinuteLines.begin(), state.MinuteLines.end(), '\n'));
    }
};

// What a failure before the parse must leave alone: everything but the cleared lists.
struct Kept {
    std::string report, minuteLines, name, serial;
    RunningLeqState running;
};

Kept Keep(const Session& session) {
    return {session.state.DecodedReport, session.state.MinuteLines,
            session.window.Label(LabelId::Name), session.window.Label(LabelId::Serial),
            session.state.Running};
}

void ExpectKept(const Session& session, const Kept& kept) {
    EXPECT_EQ(session.state.DecodedReport, kept.report);
    EXPECT_EQ(session.state.MinuteLines, kept.minuteLines);
    EXPECT_EQ(session.window.Label(LabelId::Name), kept.name);
    EXPECT_EQ(session.window.Label(LabelId::Serial), kept.serial);
    const RunningLeqState& running = session.state.Running;
    EXPECT_EQ(running.Ring5, kept.running.Ring5);
    EXPECT_EQ(running.Ring10, kept.running.Ring10);
    EXPECT_EQ(running.EnergySum5, kept.running.EnergySum5);
    EXPECT_EQ(running.EnergySum10, kept.running.EnergySum10);
    EXPECT_EQ(running.RingIndex5, kept.running.RingIndex5);
    EXPECT_EQ(running.RingIndex10, kept.running.RingIndex10);
    EXPECT_EQ(running.Leq5, kept.running.Leq5);
    EXPECT_EQ(running.Leq10, kept.running.Leq10);
    for (const ListId list : kAllLists)
        EXPECT_EQ(session.window.RowCount(list), 0u) << ListName(list);
}

void ExpectFailure(const OpenOutcome& outcome, Stage stage, std::string_view reason) {
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(StageName(outcome.failure->stage), std::string(StageName(stage)));
    EXPECT_NE(outcome.failure->reason.find(reason), std::string::npos) << outcome.failure->reason;
}

// A parse that met no section heading, so no level record: the 5-minute summary stops after its
// heading, and the reason says that the file holds no report.
void ExpectNoLinesHandled(const Session& session, const OpenOutcome& outcome) {
    EXPECT_TRUE(outcome.reportLoaded);
    ExpectFailure(outcome, Stage::Parse, "holds no report: none of its lines is a section heading");
    EXPECT_EQ(session.window.Label(LabelId::Name), "");
    EXPECT_EQ(session.window.Label(LabelId::Serial), "");
    EXPECT_EQ(session.state.MinuteLines, "");
    for (const ListId list : kAllLists)
        EXPECT_EQ(session.window.RowCount(list), list == ListId::Leq5 ? 3u : 0u) << ListName(list);
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class BadInputs : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("vrd-bad-inputs-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        for (const fs::path& mount : mounts_)
            ::umount2(mount.c_str(), MNT_DETACH);
        fs::remove_all(folder_);
    }

    std::string Put(const std::string& name, std::string_view bytes) const {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }
    // A sparse file: its size costs no disk space and no writing.
    std::string PutSparse(const std::string& name, std::string_view head, off_t size) const {
        const std::string path = Put(name, head);
        EXPECT_EQ(::truncate(path.c_str(), size), 0) << std::strerror(errno);
        return path;
    }
    // The user had a good report open before the bad file came.
    void OpenGoodReport(Session& session) const {
        ASSERT_FALSE(session.Open(Put("good.vrd", Encoded(ShortReport()))).failure);
        ASSERT_GT(session.state.MinuteLines.size(), 0u);
    }
    // A small disk of its own, or an empty path where this system allows no mounting.
    fs::path SmallDisk(const std::string& name, const char* options) {
        const fs::path mount = folder_ / name;
        fs::create_directories(mount);
        if (::mount("tmpfs", mount.c_str(), "tmpfs", 0, options) != 0)
            return {};
        mounts_.push_back(mount);
        return mount;
    }

    fs::path folder_;
    std::vector<fs::path> mounts_;
};

TEST_F(BadInputs, FilesThatCannotBeReadKeepThePreviousReport) {
    Session session;
    OpenGoodReport(session);
    const Kept kept = Keep(session);
    const std::string file = Put("plain.txt", "x");
    const std::pair<std::string, std::string> cases[] = {
        {(folder_ / "missing.vrd").string(), std::strerror(ENOENT)},
        {folder_.string(), "it is a folder, not a file"},
        {file + "/report.vrd", std::strerror(ENOTDIR)},
        {"", "no file name given"},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        const OpenOutcome outcome = session.Open(path);
        EXPECT_FALSE(outcome.reportLoaded);
        ExpectFailure(outcome, Stage::Read, reason);
        EXPECT_EQ(session.state.OpenedFileName, path);
        ExpectKept(session, kept);
    }
}

TEST_F(BadInputs, AnUnreadableFileKeepsThePreviousReport) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads a file whatever its mode";
    Session session;
    OpenGoodReport(session);
    const Kept kept = Keep(session);
    const std::string path = Put("locked.vrd", Encoded(ShortReport()));
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const OpenOutcome outcome = session.Open(path);
    ExpectFailure(outcome, Stage::Read, std::strerror(EACCES));
    ExpectKept(session, kept);
}

TEST_F(BadInputs, EncodedFilesWithoutACodeTableKeepThePreviousReport) {
    Session session;
    OpenGoodReport(session);
    const Kept kept = Keep(session);
    std::mt19937 random(17);
    std::string binary(4096, '\0');
    for (char& byte : binary) {
        byte = static_cast<char>(random() % 256);
        byte = byte == '@' ? '?' : byte;
    }
    const std::string noTableEnd = "no \"@\" ends the code table within the first 257 bytes";
    const struct {
        const char* name;
        std::string bytes;
        std::string reason;
    } cases[] = {
        // An empty file is said to be empty, not measured against the table's limit.
        {"empty.vrd", "", "the file is empty"},
        {"no-table-end.vrd", std::string(257, 'z') + "@x11", noTableEnd},
        {"binary.vrd", binary, noTableEnd},
        {"cut-in-table.vrd", Encoded(ShortReport()).substr(0, 5), noTableEnd},
    };
    for (const auto& [name, bytes, reason] : cases) {
        SCOPED_TRACE(name);
        const std::string path = Put(name, bytes);
        const OpenOutcome outcome = session.Open(path);
        EXPECT_FALSE(outcome.reportLoaded);
        ExpectFailure(outcome, Stage::Decode, reason);
        ExpectKept(session, kept);
        // The cleared window carries the name of the open that cleared it.
        EXPECT_EQ(session.window.Caption(), path);
    }
}

TEST_F(BadInputs, AFileOfOnlyTheTableEndIsAnEmptyReport) {
    Session session;
    OpenGoodReport(session);
    const OpenOutcome outcome = session.Open(Put("at.vrd", "@"));
    EXPECT_EQ(session.state.DecodedReport, "");
    ExpectNoLinesHandled(session, outcome);
}

// 256 table entries, the last one reached by a word of 255 count bytes, and every byte of table,
// filler, count bytes and padding above 127 where it can be: the report opens as its plain text.
TEST_F(BadInputs, AFullTableAndBytesAbove127OpenLikeThePlainReport) {
    testkit::ReportOptions options;
    options.minutes = 12;
    options.start = {2011, 5, 12, 10, 55};
    options.site = "Caf\xe9 de la Gare \xff";
    options.serial = "N\xb0 4711";
    const std::string report = testkit::GenerateReport(options);
    testkit::EncodeOptions encoding;
    for (int byte = 0; byte < 256; ++byte)
        encoding.table.push_back(static_cast<char>(byte == '@' ? 0x80 : byte));
    encoding.filler = '\xe9';
    encoding.padding = '\xff';
    encoding.count_seed = 2011;

    Session encoded, plain;
    const OpenOutcome outcome = encoded.Open(Put("full-table.vrd", Encoded(report, encoding)));
    ASSERT_FALSE(outcome.failure) << outcome.failure->reason;
    ASSERT_FALSE(plain.Open(Put("full-table.txt", report)).failure);
    EXPECT_EQ(encoded.state.DecodedReport, report);
    EXPECT_EQ(encoded.window.Label(LabelId::Name), options.site + "\n");
    EXPECT_EQ(encoded.window.Label(LabelId::Serial), options.serial + "\n");
    for (const ListId list : kAllLists) {
        std::vector<std::string> rows = encoded.Rows(list);
        std::vector<std::string> plainRows = plain.Rows(list);
        // Only the maximum lines differ: the plain report's lose one more character.
        if (list == ListId::Leq1 || list == ListId::Leq5 || list == ListId::Leq10) {
            ASSERT_FALSE(rows.empty());
            EXPECT_EQ(rows.back().substr(0, rows.back().size() - 1), plainRows.back());
            rows.pop_back();
            plainRows.pop_back();
        }
        EXPECT_EQ(rows, plainRows) << ListName(list);
    }
}

TEST_F(BadInputs, ACodeWordOf256CountBytesStopsWithTheTextBeforeIt) {
    Session session;
    OpenGoodReport(session);
    const Kept kept = Keep(session);
    const std::string report = ShortReport();
    std::string vrd = Encoded(report);
    // After the tenth code word the next one gets 256 more count bytes.
    std::size_t at = vrd.find('@') + 2;
    for (int word = 0; word < 10; ++word)
        at = vrd.find('1', at) + 1;
    vrd.insert(at, 256, '0');

    const OpenOutcome outcome = session.Open(Put("long-word.vrd", vrd));
    EXPECT_FALSE(outcome.reportLoaded);
    ExpectFailure(outcome, Stage::Decode, "the code word at byte " + std::to_string(at + 1));
    EXPECT_EQ(session.state.DecodedReport, report.substr(0, 10));
    Kept partial = kept;
    partial.report = report.substr(0, 10);
    ExpectKept(session, partial);
}

// The format has no length or end mark, so a cut file is a shorter report: everything up to the
// cut is shown, and the word that was cut may add one character that is never examined.
TEST_F(BadInputs, AFileCutInTheMiddleOfACodeWordShowsTheReportUpToTheCut) {
    const std::string report = ShortReport();
    const std::string vrd = Encoded(report);
    // A character of the eighth minute whose code word has at least two count bytes.
    std::size_t cutAt = report.find("11:02");
    std::size_t wordStart = vrd.find('@') + 2;
    for (std::size_t c = 0; c < cutAt; ++c)
        wordStart = vrd.find('1', wordStart) + 1;
    while (vrd[wordStart] == '1' || vrd[wordStart + 1] == '1') {
        wordStart = vrd.find('1', wordStart) + 1;
        ++cutAt;
    }

    Session session;
    const OpenOutcome outcome = session.Open(Put("cut.vrd", vrd.substr(0, wordStart + 2)));
    ASSERT_FALSE(outcome.failure) << outcome.failure->reason;
    const std::string& decoded = session.state.DecodedReport;
    ASSERT_EQ(decoded.size(), cutAt + 1);
    EXPECT_EQ(decoded.substr(0, cutAt), report.substr(0, cutAt));
    // Header, rule line, seven whole minutes, then the summary.
    EXPECT_EQ(session.Rows(ListId::Leq1).size(), 2u + 7u + 4u);
    EXPECT_EQ(session.MinuteCount(), 7u);
    EXPECT_EQ(session.window.RowCount(ListId::Event), 0u);
}

TEST_F(BadInputs, RandomBytesNeverLoadAndAlwaysSayWhy) {
    std::mt19937 random(2011);
    for (int trial = 0; trial < 24; ++trial) {
        std::string bytes(1 + random() % 20000, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random() % 256);
        for (const char* name : {"random.vrd", "random.txt"}) {
            SCOPED_TRACE(std::string(name) + " of trial " + std::to_string(trial));
            Session session;
            const OpenOutcome outcome = session.Open(Put(name, bytes));
            ASSERT_TRUE(outcome.failure);
            EXPECT_FALSE(outcome.failure->reason.empty());
            EXPECT_NE(outcome.failure->stage, Stage::Read);
        }
    }
}

TEST_F(BadInputs, LevelFieldsThatAreNoNumberOrTooLargeStopAtTheirLine) {
    struct Case {
        std::vector<std::string> levels;
        std::string reason;
    };
    const Case cases[] = {
        {{"70", "6O", "70"}, "line 5: the level \" 6O\" is not a number"},
        {{"70", "", "70"}, "line 5: the level \"   \" is not a number"},
        {{"70", "999"}, "line 5: a level of 999 dB is too large for the running level"},
        // Each energy fits single precision, their sum does not.
        {{"385", "385"}, "line 5: the running energy sum is too large for single precision"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        std::string report = Line("S") + Line("N") + Line("1 minute");
        for (std::size_t m = 0; m < c.levels.size(); ++m)
            report += LevelRecord("10:0" + std::to_string(m), c.levels[m]);
        report += Line("") + "\n";
        Session session;
        const OpenOutcome outcome = session.Open(Put("levels.txt", report));
        EXPECT_TRUE(outcome.reportLoaded); // "Save As" still has the report
        ExpectFailure(outcome, Stage::Parse, c.reason);
        EXPECT_EQ(session.state.DecodedReport, report);
        // Listed up to and with the failing line, and no summary anywhere.
        EXPECT_EQ(session.window.RowCount(ListId::Leq1), 3u);
        EXPECT_EQ(session.MinuteCount(), 2u);
        EXPECT_EQ(session.window.RowCount(ListId::Leq5), 0u);
    }
}

// The field is columns 29 to 31, so levels beyond 16 bits cannot be written; fractions round to
// the nearest whole decibel with ties to even, which decides which record is the loudest.
TEST_F(BadInputs, FractionsRoundHalfToEvenAndTheFieldIsThreeCharactersWide) {
    const auto loudestRecord = [&](const std::vector<std::string>& levels) {
        std::string report = Line("S") + Line("N") + Line("1 minute");
        for (std::size_t m = 0; m < levels.size(); ++m)
            report += LevelRecord("10:0" + std::to_string(m), levels[m]);
        Session session;
        const OpenOutcome outcome = session.Open(Put("fractions.txt", report + Line("") + "\n"));
        EXPECT_FALSE(outcome.failure) << outcome.failure->reason;
        return session.Rows(ListId::Leq1).back().substr(13, 5);
    };
    EXPECT_EQ(loudestRecord({"2.5", "2.6"}), "10:01"); // 2.5 counts as 2, so 2.6 is louder
    EXPECT_EQ(loudestRecord({"3.5", "3.6"}), "10:00"); // 3.5 counts as 4, 3.6 is not louder
    // "61.5" does not fit: the field reads "61.", so the 62 that follows is louder.
    EXPECT_EQ(loudestRecord({"61.5", "62"}), "10:01");
}

TEST_F(BadInputs, CarriageReturnsWithoutLineFeedsGiveNoLines) {
    std::string report = ShortReport();
    std::replace(report.begin(), report.end(), '\n', '\r');
    for (const std::string& path : {Put("cr.txt", report), Put("cr.vrd", Encoded(report))}) {
        SCOPED_TRACE(path);
        Session session;
        const OpenOutcome outcome = session.Open(path);
        EXPECT_EQ(session.state.DecodedReport, report);
        ExpectNoLinesHandled(session, outcome);
    }
}

TEST_F(BadInputs, AReportOfOneHugeLine) {
    constexpr std::size_t kLength = std::size_t{16} << 20;
    // Table "x", line feed, "#": the body codes the line's characters, its line feed and a "#".
    const std::string vrd = "x\n#@?" + std::string(kLength, '1') + "01" + "001" + "1";
    const std::string txt = std::string(kLength, 'x') + "\n#";
    for (const std::string& path : {Put("huge.vrd", vrd), Put("huge.txt", txt)}) {
        SCOPED_TRACE(path);
        Session session;
        const OpenOutcome outcome = session.Open(path);
        EXPECT_EQ(session.state.DecodedReport, txt);
        ExpectNoLinesHandled(session, outcome);
    }
}

TEST_F(BadInputs, LinesLongerThan64KiBAreListedWhole) {
    std::string longRecord = LevelRecord("10:00", "70");
    longRecord.insert(longRecord.size() - 1, std::string(100 << 10, 'y'));
    const std::string record = LevelRecord("10:01", "80");
    const std::string event = "12/05/2011 - 10:01  " + std::string(1 << 20, 'e');
    const std::string report = Line("S") + Line("N") + Line("1 minute") + longRecord + record +
                               Line("") + Line("Events") + Line(event) + Line("") + "\n";
    for (const std::string& path : {Put("long.txt", report), Put("long.vrd", Encoded(report))}) {
        SCOPED_TRACE(path);
        Session session;
        const OpenOutcome outcome = session.Open(path);
        ASSERT_FALSE(outcome.failure) << outcome.failure->reason;
        const std::vector<std::string> minutes = session.Rows(ListId::Leq1);
        ASSERT_EQ(minutes.size(), 3u + 4u);
        EXPECT_EQ(minutes[1], longRecord.substr(0, longRecord.size() - 1));
        EXPECT_EQ(session.Rows(ListId::Event), (std::vector<std::string>{"Events", event}));
        EXPECT_EQ(session.state.MinuteLines, longRecord + record);
        EXPECT_EQ(*BuildCsvText(session.state.DecodedReport),
                  "S\nN\n1 minute\n12/05/2011 10:00; 70;dBAy12/05/2011 10:01; 80;dBA\n\nEvents\n" +
                      event + "\n\n");
    }
}

// The running sums are kept in single precision and carry the rounding of loud minutes; in this
// week quiet minutes after loud ones drive both sums to zero or below, where they are rebuilt from
// the slots. The whole load must go through, with maxima within a decibel of the exact ones.
TEST_F(BadInputs, AWeekWithoutGapsLoadsWhole) {
    testkit::ReportOptions options;
    options.seed = 1;
    options.minutes = 7 * 1440;
    options.gap_probability = 0;
    const std::string report = testkit::GenerateReport(options);
    const OpenedReport opened =
        OpenFromStart(Put("week.vrd", Encoded(report)), ReportKind::Encoded, true);
    ASSERT_FALSE(opened.outcome.failure) << opened.outcome.failure->reason;
    const auto minutes = static_cast<std::size_t>(options.minutes);
    // Header, rule line, the minutes, the summary.
    EXPECT_EQ(opened.window.RowCount(ListId::Leq1), 2 + minutes + 4);

    // The highest running levels, exactly, from rings that start at 60 dB.
    std::vector<int> levels;
    std::istringstream lines(opened.state.MinuteLines);
    for (std::string line; std::getline(lines, line);)
        levels.push_back(std::stoi(line.substr(28, 3)));
    ASSERT_EQ(levels.size(), minutes);
    const auto highestRunning = [&](std::size_t size) {
        double highest = 0;
        for (std::size_t minute = 0; minute < minutes; ++minute) {
            double energy = 0;
            for (std::size_t back = 0; back < size; ++back)
                energy += std::pow(10.0, (back <= minute ? levels[minute - back] : 60) / 10.0);
            highest = std::max(highest, 10 * std::log10(energy / static_cast<double>(size)));
        }
        return highest;
    };
    // The summary's last row: columns 1-28 of the record, then the running level.
    const auto listedMaximum = [&](ListId list) {
        const std::size_t rows = opened.window.RowCount(list);
        return std::stoi(
            std::string(opened.window.Row(opened.state.DecodedReport, list, rows - 1).substr(28)));
    };
    EXPECT_NEAR(listedMaximum(ListId::Leq5), highestRunning(5) + 0.5, 1.0);
    EXPECT_NEAR(listedMaximum(ListId::Leq10), highestRunning(10) + 0.5, 1.0);
}

struct ChildOpen {
    std::string stage, reason; // as the child reported them
    long grownKiB = 0;         // how far the child's resident size grew beyond its start
    int signal = 0;            // what ended the child, if anything
};

// The process's address space and resident size, in KiB.
std::pair<long, long> MemoryKiB() {
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    const long page = ::sysconf(_SC_PAGESIZE) / 1024;
    return {size * page, resident * page};
}

// Opens path in a child process, so that its memory can be measured alone; with a limit, the
// child may take only that much more address space than it started with.
ChildOpen OpenInChild(const std::string& path, rlim_t extraAddressSpace = 0) {
    int pipeEnds[2];
    EXPECT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const auto [size, resident] = MemoryKiB();
        const std::string start = std::to_string(resident) + "\n";
        if (extraAddressSpace != 0) {
            const rlim_t most = static_cast<rlim_t>(size) * 1024 + extraAddressSpace;
            const rlimit limit{most, most};
            ::setrlimit(RLIMIT_AS, &limit);
        }
        try {
            const OpenedReport opened = OpenFromStart(path, KindForPath(path), true);
            const std::optional<Failure>& failure = opened.outcome.failure;
            const std::string said =
                start + (failure ? StageName(failure->stage) + ("\n" + failure->reason) : "\n");
            const ssize_t written = ::write(pipeEnds[1], said.data(), said.size());
            ::_exit(written == static_cast<ssize_t>(said.size()) ? 0 : 1);
        } catch (...) {
            std::abort(); // what an exception that leaves the open does to the program
        }
    }
    ::close(pipeEnds[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    ChildOpen result;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    std::istringstream lines(said);
    std::string start;
    std::getline(lines, start);
    std::getline(lines, result.stage);
    std::getline(lines, result.reason);
    result.grownKiB = usage.ru_maxrss - (start.empty() ? 0 : std::stol(start));
    return result;
}

TEST_F(BadInputs, LargeFilesAreRefusedOrReadInMemoryNoLargerThanThemselves) {
    constexpr off_t kGiB = off_t{1} << 30;
    const ChildOpen tooLarge = OpenInChild(PutSparse("5GiB.vrd", "ab\n@x1", 5 * kGiB));
    EXPECT_EQ(tooLarge.stage, "read");
    EXPECT_EQ(tooLarge.reason, "the file is larger than 4 GiB");
    EXPECT_LT(tooLarge.grownKiB, 64L << 10); // refused before anything was allocated

    // A table, then zeros: the first code word never ends.
    const ChildOpen large = OpenInChild(PutSparse("2GiB.vrd", "ab\n@x1", 2 * kGiB));
    EXPECT_EQ(large.stage, "decode");
    EXPECT_NE(large.reason.find("count characters"), std::string::npos) << large.reason;
    EXPECT_LT(large.grownKiB, (2L << 20) + (640L << 10)); // the file once, and little more
}

// A limit on the address space leaves AddressSanitizer too little of it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Running out of memory ends the open with a reason instead of ending the program. A plain report
// is held whole, so 2 GiB of it cannot fit in 1 GiB.
TEST_F(BadInputs, AFileLargerThanTheMemoryLeftFailsWithAReason) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
    const std::string path = PutSparse("2GiB.txt", "S\nN\n", off_t{2} << 30);
    const ChildOpen opened = OpenInChild(path, rlim_t{1} << 30);
    EXPECT_EQ(opened.signal, 0) << "the open ended the program";
    EXPECT_EQ(opened.stage, "read");
    EXPECT_NE(opened.reason.find("memory"), std::string::npos) << opened.reason;
}

// /dev/zero never ends: read up to the 4 GiB limit, it took up to twice that in memory on the way
// (7.9 GB and 24 s). The limit on the address space keeps a regression from doing the same.
TEST_F(BadInputs, ADeviceGivenAsTheFileIsRefusedAtOnce) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
    const ChildOpen opened = OpenInChild("/dev/zero", rlim_t{1} << 30);
    EXPECT_EQ(opened.signal, 0) << "the open ended the program";
    EXPECT_EQ(opened.stage, "read");
    EXPECT_NE(opened.reason.find("device"), std::string::npos) << opened.reason;
}

// The export commands as vrdtool runs them, from a good report to a target that cannot take it.
class BadTargets : public BadInputs {
  protected:
    void SetUp() override {
        BadInputs::SetUp();
        input_ = Put("day.vrd", Encoded(ShortReport()));
    }
    // The exit status; the reason printed goes to err_.
    int Export(ExportFormat format, const fs::path& target) {
        std::ostringstream out;
        err_.str("");
        const int status = RunExport({input_, false}, format, target.string(), out, err_);
        EXPECT_EQ(out.str(), "");
        return status;
    }
    std::string input_;
    std::ostringstream err_;
};

TEST_F(BadTargets, AFolderAMissingFolderAndAFullDeviceGiveTheReason) {
    const std::vector<std::string> before = Listing(folder_);
    const std::pair<fs::path, std::string> cases[] = {
        {folder_, "it is a folder, not a file"},
        {folder_ / "missing" / "day.csv", "cannot create a file in " +
                                              (folder_ / "missing").string() + ": " +
                                              std::strerror(ENOENT)},
        {"/dev/full", std::strerror(ENOSPC)},
    };
    for (const auto& [target, reason] : cases) {
        for (const ExportFormat format : {ExportFormat::Text, ExportFormat::Csv}) {
            SCOPED_TRACE(target.string());
            EXPECT_EQ(Export(format, target), 1);
            EXPECT_EQ(err_.str(), "vrdtool: " + target.string() + ": " + reason + "\n");
            EXPECT_EQ(Listing(folder_), before);
        }
    }
    struct stat info {};
    ASSERT_EQ(::stat("/dev/full", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(BadTargets, DevicesAndPipesAreWrittenDirectlyAndStay) {
    EXPECT_EQ(Export(ExportFormat::Csv, "/dev/null"), 0) << err_.str();
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));

    const fs::path pipe = folder_ / "pipe.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A program reading the pipe; the export fits the pipe's buffer, so nobody has to read yet.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0) << std::strerror(errno);
    EXPECT_EQ(Export(ExportFormat::Text, pipe), 0) << err_.str();
    std::string received;
    char buffer[4096];
    for (ssize_t got; (got = ::read(reader, buffer, sizeof buffer)) > 0;)
        received.append(buffer, static_cast<std::size_t>(got));
    ::close(reader);
    EXPECT_EQ(received, ShortReport() + "\r\n");
    ASSERT_EQ(::stat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(BadTargets, AFullDiskKeepsTheOldExportByteForByte) {
    const fs::path disk = SmallDisk("small", "size=64k");
    if (disk.empty())
        GTEST_SKIP() << "this system allows no mounting: " << std::strerror(errno);
    const std::string old = "the export of last week\r\n";
    std::ofstream(disk / "day.txt", std::ios::binary) << old;
    // Larger than the disk: the text of a week.
    testkit::ReportOptions options;
    options.minutes = 7 * 1440;
    input_ = Put("week.txt", testkit::GenerateReport(options));

    EXPECT_EQ(Export(ExportFormat::Text, disk / "day.txt"), 1);
    EXPECT_NE(err_.str().find(std::strerror(ENOSPC)), std::string::npos) << err_.str();
    EXPECT_EQ(ReadBytes(disk / "day.txt"), old);
    EXPECT_EQ(Listing(disk), std::vector<std::string>{"day.txt"}); // no temporary file left
}

TEST_F(BadTargets, AReadOnlyDiskKeepsTheOldExport) {
    const fs::path disk = SmallDisk("read-only", "size=64k");
    if (disk.empty())
        GTEST_SKIP() << "this system allows no mounting: " << std::strerror(errno);
    const std::string old = "12/05/2011 10:55; 61;dBA\r\n";
    std::ofstream(disk / "day.csv", std::ios::binary) << old;
    ASSERT_EQ(::mount("tmpfs", disk.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << std::strerror(errno);

    for (const char* name : {"day.csv", "new.csv"}) {
        EXPECT_EQ(Export(ExportFormat::Csv, disk / name), 1);
        EXPECT_EQ(err_.str(), "vrdtool: " + (disk / name).string() + ": cannot create a file in " +
                                  disk.string() + ": " + std::strerror(EROFS) + "\n");
    }
    EXPECT_EQ(ReadBytes(disk / "day.csv"), old);
    EXPECT_EQ(Listing(disk), std::vector<std::string>{"day.csv"});
}

TEST_F(BadTargets, StandardOutputThatCannotTakeTheOutputIsAnError) {
    const std::string tool = VRDTOOL_PATH;
    const std::string errors = (folder_ / "errors").string();
    for (const std::string command : {"txt", "csv", "show", "show --json"}) {
        SCOPED_TRACE(command);
        const int status =
            std::system((tool + " " + command + " " + input_ + " >/dev/full 2>" + errors).c_str());
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_EQ(ReadBytes(errors), "vrdtool: standard output: cannot write\n");
    }
}

} // namespace
} // namespace vrd
