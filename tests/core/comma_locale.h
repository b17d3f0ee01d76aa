#pragma once
// The programs run in the user's locale (vrdview takes it from Qt): tests of what they write and
// read in a locale with a decimal comma. Skipped where no such locale is installed; the test
// build makes de_DE.UTF-8 and points LOCPATH at it.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace vrd::test {

class InACommaLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_NUMERIC, nullptr);
        for (const char* name :
             {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "de_DE"})
            if (std::setlocale(LC_NUMERIC, name) && HalfAsPrintfWritesIt() == "0,5")
                return;
        std::setlocale(LC_NUMERIC, saved_.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, saved_.c_str()); }

  private:
    static std::string HalfAsPrintfWritesIt() {
        char text[8];
        std::snprintf(text, sizeof text, "%.1f", 0.5);
        return text;
    }
    std::string saved_;
};

} // namespace vrd::test
