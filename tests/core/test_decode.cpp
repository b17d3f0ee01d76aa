#include "report/decode.h"
#include "testkit/reference_decode.h"

#include <gtest/gtest.h>

#include <random>

namespace vrd {
namespace {

std::string Decoded(std::string_view file) {
    DecodeResult result = DecodeEncodedText(file);
    EXPECT_FALSE(result.failure) << file;
    EXPECT_TRUE(result.tableRead);
    return result.text;
}

// A code word for table entry k, counted with zeros.
std::string Word(std::size_t k) {
    return std::string(k, '0') + "1";
}

TEST(Decode, WorkedExamplesOfTheFormat) {
    EXPECT_EQ(Decoded("ab@x1011"), "ab");
    EXPECT_EQ(Decoded("ab@x10"), "a"); // the trailing 0 starts no code word
    EXPECT_EQ(Decoded("ab@x00"), "b"); // a run that reaches the last character ends there
    EXPECT_EQ(Decoded("ab@x001"), ""); // ...with k = 2, an empty slot
    EXPECT_EQ(Decoded("ab@x1"), "");   // fewer than three characters after "@"
    EXPECT_EQ(Decoded("ab@"), "");
    EXPECT_EQ(Decoded("@x11"), ""); // an empty table: every slot empty
}

TEST(Decode, TheFillerAndTheCountCharactersAreNeverRead) {
    EXPECT_EQ(Decoded("ab@1" + Word(1) + "1"), "b");
    EXPECT_EQ(Decoded("ab@\xff\x80\xfe"
                      "11z"),
              "a");
    EXPECT_EQ(Decoded("\n\r\xe9@x" + Word(2) + Word(1) + Word(0) + "!"), "\xe9\r\n");
}

TEST(Decode, TableOf256EntriesIsAcceptedAnd257Fail) {
    std::string table;
    for (int i = 0; i < 256; ++i)
        table.push_back(static_cast<char>(i == '@' ? 'A' : i));
    EXPECT_EQ(Decoded(table + "@x" + Word(255) + Word(0) + "1"), std::string("\xff") + '\0');

    DecodeResult tooLong = DecodeEncodedText(table + "b@x11");
    ASSERT_TRUE(tooLong.failure);
    EXPECT_EQ(tooLong.failure->stage, Stage::Decode);
    EXPECT_FALSE(tooLong.tableRead); // the previous report stays
}

TEST(Decode, FilesWithoutTableEndFailBeforeTheReportIsTouched) {
    for (const std::string_view file :
         {std::string_view(""), std::string_view("abc"), std::string_view("1111111")}) {
        const DecodeResult result = DecodeEncodedText(file);
        ASSERT_TRUE(result.failure) << file;
        EXPECT_FALSE(result.tableRead);
        // An empty file says so; a file with bytes says what its table lacks.
        EXPECT_EQ(result.failure->reason.find("@") != std::string::npos, !file.empty());
        EXPECT_EQ(result.failure->reason == "the file is empty", file.empty());
    }
}

TEST(Decode, CodeWordOf256CountsFailsAndKeepsTheTextBefore) {
    const std::string table = "ab";
    EXPECT_EQ(Decoded(table + "@x" + Word(1) + Word(255) + Word(0) + "1"), "ba");

    const DecodeResult result =
        DecodeEncodedText(table + "@x" + Word(1) + Word(0) + Word(256) + Word(0) + "1");
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->stage, Stage::Decode);
    EXPECT_TRUE(result.tableRead);
    EXPECT_EQ(result.text, "ba");
    EXPECT_NE(result.failure->reason.find("256"), std::string::npos);

    // A long run that reaches the end of the file fails the same way.
    const DecodeResult atEnd = DecodeEncodedText(table + "@x" + Word(0) + std::string(300, '0'));
    ASSERT_TRUE(atEnd.failure);
    EXPECT_EQ(atEnd.text, "a");
}

// Bodies with every length around the 64-byte blocks of the fast scanner, random count bytes,
// and dense or sparse "1"s: the fast decoder must give the plain loop's bytes and failures.
TEST(Decode, FastDecoderAgreesWithThePlainLoop) {
    std::mt19937 random(7);
    std::string table;
    for (int i = 0; i < 200; ++i)
        table.push_back(static_cast<char>(i == '@' ? '#' : i));
    for (int trial = 0; trial < 3000; ++trial) {
        const std::size_t length = trial < 300 ? static_cast<std::size_t>(trial) : random() % 5000;
        const auto density =
            static_cast<unsigned>(1 + random() % 300); // one "1" in about this many bytes
        std::string file = table.substr(0, random() % 201) + "@";
        for (std::size_t i = 0; i < length; ++i) {
            if (random() % density == 0)
                file.push_back('1');
            else
                file.push_back(static_cast<char>(random() % 2 ? '0' : (random() % 256)));
        }
        const DecodeResult fast = DecodeEncodedText(file);
        const DecodeResult plain = DecodeEncodedTextPlain(file);
        ASSERT_EQ(fast.text, plain.text) << "trial " << trial;
        ASSERT_EQ(fast.tableRead, plain.tableRead);
        ASSERT_EQ(fast.failure.has_value(), plain.failure.has_value()) << "trial " << trial;
        if (fast.failure) {
            ASSERT_EQ(fast.failure->reason, plain.failure->reason);
        }
    }
}

TEST(Decode, ProgressCanCancel) {
    std::string file = "ab@x";
    for (int i = 0; i < 3'000'000; ++i)
        file += "01";
    file += "1";
    int calls = 0;
    const DecodeResult result =
        DecodeEncodedText(file, [&](std::uint64_t done, std::uint64_t total) {
            EXPECT_LE(done, total);
            return ++calls < 1;
        });
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->stage, Stage::Cancelled);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(DecodeEncodedText(file, [](auto, auto) { return true; }).text,
              std::string(3'000'000, 'b'));
}

} // namespace
} // namespace vrd
