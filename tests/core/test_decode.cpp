#include "report/decode.h"

#include <gtest/gtest.h>

namespace vrd {
namespace {

std::string Decoded(std::string_view file) {
    DecodeResult result = DecodeEncodedText(file);
    EXPECT_FALSE(result.failure) << file;
    return result.text;
}

TEST(Decode, WorkedExamples) {
    EXPECT_EQ(Decoded("ab@x1011"), "ab");
    EXPECT_EQ(Decoded("ab@x10"), "a");
    EXPECT_EQ(Decoded("ab@x00"), "b");
    EXPECT_EQ(Decoded("ab@x001"), "");
    EXPECT_EQ(Decoded("ab@x1"), "");
    EXPECT_EQ(Decoded("@x11"), "");
}

} // namespace
} // namespace vrd
