// The fast paths against their plain counterparts, byte for byte: every decoding kernel the
// machine has with the file handed over in pieces of every awkward size, decoding straight from
// a file, reading a file in pieces, the semicolon-separated export and the streamed JSON.

#include "export/csv_export.h"
#include "report/code_word_scanner.h"
#include "report/decode.h"
#include "report/read_file.h"
#include "report/text_positions.h"
#include "testkit/encoder.h"
#include "testkit/reference_decode.h"
#include "testkit/report_builder.h"
#include "testkit/report_generator.h"
#include "testkit/show_json_tree.h"
#include "tests/core/temp_folder.h"
#include "tools/vrdtool/show_json.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace vrd {
namespace {

constexpr ScanKernel kKernels[] = {ScanKernel::Portable, ScanKernel::Sse2, ScanKernel::Avx2,
                                   ScanKernel::Avx512};
// Around the 64-byte blocks, and whole.
constexpr std::size_t kPieces[] = {1, 2, 63, 64, 65, 1000, std::string::npos};

::testing::AssertionResult SameAsPlain(const std::string& file, ScanKernel kernel,
                                       std::size_t piece) {
    const DecodeResult fast = DecodeEncodedTextWith(file, kernel, piece);
    const DecodeResult plain = DecodeEncodedTextPlain(file);
    const bool same = fast.text == plain.text && fast.tableRead == plain.tableRead &&
                      fast.failure.has_value() == plain.failure.has_value() &&
                      (!fast.failure || (fast.failure->reason == plain.failure->reason &&
                                         fast.failure->stage == plain.failure->stage));
    if (same)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "kernel " << static_cast<int>(kernel) << ", pieces of " << piece << ", file of "
           << file.size() << " bytes: " << fast.text.size() << " against " << plain.text.size()
           << " characters" << (fast.failure ? ", fast failed: " + fast.failure->reason : "")
           << (plain.failure ? ", plain failed: " + plain.failure->reason : "");
}

void ExpectEveryWaySameAsPlain(const std::vector<std::string>& files) {
    for (const ScanKernel kernel : kKernels) {
        if (!ScanKernelAvailable(kernel))
            continue;
        for (const std::size_t piece : kPieces)
            for (const std::string& file : files)
                ASSERT_TRUE(SameAsPlain(file, kernel, piece));
    }
}

// Tables of 256 entries at most, "@" left out; byte values above 127 included.
std::string Table(std::size_t size) {
    std::string table;
    for (std::size_t i = 0; i < size; ++i)
        table.push_back(static_cast<char>(i == '@' ? 'A' : 255 - i));
    return table;
}

// Every size of table the AVX-512 kernel treats apart (up to 64, 128 and 256 entries) and none.
constexpr std::size_t kTableSizes[] = {0, 1, 63, 64, 65, 127, 128, 129, 255, 256};

TEST(FastPaths, KernelsAgreeWithThePlainLoopOnAdversarialFiles) {
    std::vector<std::string> files;
    for (const std::size_t size : kTableSizes) {
        const std::string head = Table(size) + "@";
        for (const std::size_t n : {0, 1, 2, 3, 63, 64, 65, 66, 127, 128, 129, 300}) {
            files.push_back(head + std::string(n, '1'));                 // only empty words
            files.push_back(head + "x" + std::string(n, '\x80'));        // no "1" at all
            files.push_back(head + "x" + std::string(n, '\xff') + "1z"); // one word of n
        }
        // Words of 255 (the longest) and 256 counts, starting at every place in a block.
        for (std::size_t offset = 0; offset < 130; ++offset)
            for (const std::size_t run : {254, 255, 256})
                files.push_back(head + "x" + std::string(offset, '1') + std::string(run, '0') +
                                "1"
                                "01"
                                "001"
                                "1");
    }
    ExpectEveryWaySameAsPlain(files);
}

TEST(FastPaths, KernelsAgreeWithThePlainLoopOnRandomFiles) {
    std::mt19937 random(2011);
    std::vector<std::string> files;
    for (int trial = 0; trial < 400; ++trial) {
        std::string file = Table(kTableSizes[random() % std::size(kTableSizes)]) + "@";
        const std::size_t length = random() % 3000;
        const auto density = static_cast<unsigned>(1 + random() % 200);
        for (std::size_t i = 0; i < length; ++i)
            file.push_back(random() % density == 0 ? '1' : static_cast<char>(random() % 256));
        files.push_back(std::move(file));
    }
    ExpectEveryWaySameAsPlain(files);
}

class FastPathFiles : public test::TempFolderTest {};

TEST_F(FastPathFiles, DecodingAFileGivesWhatDecodingItsBytesGives) {
    testkit::ReportOptions options;
    options.minutes = 3 * 1440; // several of the reader's pieces
    testkit::EncodeOptions encoding;
    encoding.count_seed = 5; // random count bytes, above 127 too
    encoding.table_order = testkit::TableOrder::kFirstSeen;
    const std::string days = testkit::EncodeReport(testkit::GenerateReport(options), encoding).vrd;
    for (const std::string& bytes :
         {days, std::string(), std::string("ab"), std::string("ab@"), std::string("ab@x1011"),
          std::string("ab@x0") + std::string(300, '0'), Table(256) + "b@x11"}) {
        const DecodeResult fromFile = DecodeEncodedFile(Put("file.vrd", bytes));
        const DecodeResult fromBytes = DecodeEncodedText(bytes);
        EXPECT_EQ(fromFile.text, fromBytes.text);
        EXPECT_EQ(fromFile.tableRead, fromBytes.tableRead);
        ASSERT_EQ(fromFile.failure.has_value(), fromBytes.failure.has_value());
        if (fromFile.failure) {
            EXPECT_EQ(fromFile.failure->reason, fromBytes.failure->reason);
        }
    }
}

TEST_F(FastPathFiles, AFileThatCannotBeReadFailsAsIfNoTableWereRead) {
    for (const std::string& path : {(folder_ / "missing.vrd").string(), folder_.string()}) {
        const DecodeResult result = DecodeEncodedFile(path);
        ASSERT_TRUE(result.failure);
        EXPECT_EQ(result.failure->stage, Stage::Read);
        EXPECT_FALSE(result.tableRead);
        EXPECT_EQ(result.text, "");
    }
}

TEST_F(FastPathFiles, DecodingAFileReportsItsBytesAndCanBeCancelled) {
    std::string file = "ab@x";
    for (int i = 0; i < 3'000'000; ++i)
        file += "01";
    const std::string path = Put("long.vrd", file + "1");
    std::uint64_t lastDone = 0;
    const DecodeResult whole =
        DecodeEncodedFile(path, [&](std::uint64_t done, std::uint64_t total) {
            EXPECT_GT(done, lastDone);
            EXPECT_EQ(total, file.size() + 1);
            lastDone = done;
            return true;
        });
    EXPECT_FALSE(whole.failure);
    EXPECT_EQ(whole.text, std::string(3'000'000, 'b'));
    EXPECT_GT(lastDone, 0u);

    const DecodeResult cancelled = DecodeEncodedFile(path, [](auto, auto) { return false; });
    ASSERT_TRUE(cancelled.failure);
    EXPECT_EQ(cancelled.failure->stage, Stage::Cancelled);
}

// A pipe has no size to go by: the buffer grows as the bytes come.
TEST_F(FastPathFiles, ReadingAPipeGetsEveryByte) {
    const std::string path = (folder_ / "pipe").string();
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    std::string bytes(300'000, '\0');
    std::mt19937 random(3);
    for (char& c : bytes)
        c = static_cast<char>(random());
    std::thread writer([&] { std::ofstream(path, std::ios::binary) << bytes; });
    const FileRead read = ReadWholeFile(path);
    writer.join();
    EXPECT_FALSE(read.failure);
    EXPECT_TRUE(read.bytes == bytes);
}

// The export as a plain loop of appends, line by line.
std::string PlainCsv(std::string_view report) {
    std::string out;
    std::size_t start = 0;
    while (report.size() >= 2 && start < report.size() - 1) {
        const std::size_t feed = report.find('\n', start);
        if (feed == std::string_view::npos || feed >= report.size() - 1)
            break;
        const std::string_view line = report.substr(start, feed + 1 - start);
        if (Columns(line, 23, 25) == "Leq") {
            out.append(Columns(line, 1, 10)).append(Columns(line, 13, 18)).append(";");
            out.append(Columns(line, 29, 31)).append(";").append(Columns(line, 33, 36));
        } else if (line.front() != '-') {
            out.append(line);
        }
        start = feed + 1;
    }
    return out;
}

TEST(FastPaths, CsvExportAgreesWithThePlainLoop) {
    testkit::ReportOptions options;
    options.line_ending = testkit::LineEnding::kCrLf;
    EXPECT_EQ(*BuildCsvText(testkit::GenerateReport(options)),
              PlainCsv(testkit::GenerateReport(options)));

    // Records cut at every length, stretched, with odd bytes, among other lines.
    const std::string record = test::LevelRecord("17:08", "60");
    std::mt19937 random(11);
    for (int trial = 0; trial < 200; ++trial) {
        std::string report;
        for (int line = 0; line < 40; ++line) {
            std::string text = record.substr(0, random() % (record.size() + 1));
            if (random() % 4 == 0)
                text += std::string(random() % 5, static_cast<char>(random() % 256));
            if (!text.empty() && random() % 5 == 0)
                text[0] = '-';
            report += text + (random() % 3 == 0 ? "\r\n" : "\n");
        }
        report.resize(report.size() - random() % 3);
        ASSERT_EQ(*BuildCsvText(report), PlainCsv(report)) << "trial " << trial;
    }
}

class StreamedJson : public test::TempFolderTest {
  protected:
    void ExpectSameAsTheTree(const std::string& path, ReportKind kind) {
        const OpenedReport opened = OpenFromStart(path, kind, true);
        std::ostringstream streamed;
        WriteShowJson(streamed, path, opened);
        EXPECT_EQ(streamed.str(), ShowJson(path, opened).dump()) << path;
    }
};

TEST_F(StreamedJson, GivesTheBytesOfTheTreesDump) {
    // Every byte value in the labels and the lists, escapes and UTF-8 included.
    std::string odd;
    for (int c = 1; c < 256; ++c)
        if (c != '\n')
            odd.push_back(static_cast<char>(c));
    const std::string report = test::Line("Site \"\\\x01\x1f\x7f\xe9") + test::Line("SN\t\b\f\r") +
                               test::Line("1 minute Leq Log") + test::LevelRecord("10:00", "80") +
                               test::GapRecord("10:01") + test::LevelRecord("10:02", "61") +
                               test::Line("") + test::Line("Events") + test::Line(odd) +
                               test::Line(std::string(1, '\0') + "nul") + "\n";
    ExpectSameAsTheTree(Put("odd \xe9.txt", report), ReportKind::Plain);

    testkit::ReportOptions options;
    ExpectSameAsTheTree(Put("day.vrd", testkit::EncodeReport(testkit::GenerateReport(options)).vrd),
                        ReportKind::Encoded);
    // Failures at each stage: null becomes the reason and the stage.
    ExpectSameAsTheTree((folder_ / "missing\x01.vrd").string(), ReportKind::Encoded);
    ExpectSameAsTheTree(Put("bad.vrd", "no table"), ReportKind::Encoded);
    ExpectSameAsTheTree(Put("nolevels.txt", "S\nN\n\n\n"), ReportKind::Plain);
}

} // namespace
} // namespace vrd
