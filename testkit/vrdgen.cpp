// vrdgen: writes a generated report as text and/or as a .vrd file, for tests, benchmarks and the
// shipped samples. With neither --txt nor --vrd the text goes to standard output.

#include "testkit/encoder.h"
#include "testkit/report_generator.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace {

using vrd::testkit::DateTime;
using vrd::testkit::ReportOptions;

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

constexpr const char* kUsage =
    "usage: vrdgen [--seed N] [--minutes N] [--gap-probability P] [--crlf]\n"
    "              [--start \"dd/mm/yyyy hh:mm\"] [--txt OUT.txt] [--vrd OUT.vrd]\n";

template <typename Number> std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty())
        return std::nullopt;
    return value;
}

// "dd/mm/yyyy hh:mm", the way the report writes it.
std::optional<DateTime> ParseStart(std::string_view text) {
    if (text.size() != 16 || text[2] != '/' || text[5] != '/' || text[10] != ' ' || text[13] != ':')
        return std::nullopt;
    const auto day = ParseNumber<int>(text.substr(0, 2));
    const auto month = ParseNumber<int>(text.substr(3, 2));
    const auto year = ParseNumber<int>(text.substr(6, 4));
    const auto hour = ParseNumber<int>(text.substr(11, 2));
    const auto minute = ParseNumber<int>(text.substr(14, 2));
    if (!day || !month || !year || !hour || !minute)
        return std::nullopt;
    return DateTime{*year, *month, *day, *hour, *minute};
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "vrdgen: cannot write " << path << ": " << std::strerror(errno) << "\n";
        return false;
    }
    return true;
}

int BadUsage(std::string_view problem) {
    std::cerr << "vrdgen: " << problem << "\n" << kUsage;
    return kBadUsage;
}

} // namespace

int main(int argc, char** argv) {
    ReportOptions options;
    std::string txt_path;
    std::string vrd_path;
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (flag == "--help" || flag == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (flag == "--crlf") {
            options.line_ending = vrd::testkit::LineEnding::kCrLf;
            continue;
        }
        constexpr std::string_view kValueFlags[] = {"--seed",  "--minutes", "--gap-probability",
                                                    "--start", "--txt",     "--vrd"};
        if (std::find(std::begin(kValueFlags), std::end(kValueFlags), flag) ==
            std::end(kValueFlags))
            return BadUsage("unknown option " + std::string(flag));
        if (i + 1 >= argc)
            return BadUsage(std::string(flag) + " needs a value");
        const std::string_view value = argv[++i];
        if (flag == "--seed") {
            const auto seed = ParseNumber<std::uint64_t>(value);
            if (!seed)
                return BadUsage("--seed takes a whole number");
            options.seed = *seed;
        } else if (flag == "--minutes") {
            const auto minutes = ParseNumber<std::int64_t>(value);
            if (!minutes)
                return BadUsage("--minutes takes a whole number");
            options.minutes = *minutes;
        } else if (flag == "--gap-probability") {
            const auto probability = ParseNumber<double>(value);
            if (!probability)
                return BadUsage("--gap-probability takes a number between 0 and 1");
            options.gap_probability = *probability;
        } else if (flag == "--start") {
            const auto start = ParseStart(value);
            if (!start)
                return BadUsage("--start takes \"dd/mm/yyyy hh:mm\"");
            options.start = *start;
        } else if (flag == "--txt") {
            txt_path = value;
        } else {
            vrd_path = value;
        }
    }

    if (const std::string problem = vrd::testkit::CheckReportOptions(options); !problem.empty())
        return BadUsage(problem);
    const std::string report = vrd::testkit::GenerateReport(options);

    if (txt_path.empty() && vrd_path.empty()) {
        std::cout.write(report.data(), static_cast<std::streamsize>(report.size()));
        return std::cout.flush() ? 0 : kFailed;
    }
    if (!txt_path.empty() && !WriteFile(txt_path, report))
        return kFailed;
    if (!vrd_path.empty()) {
        const vrd::testkit::EncodeResult encoded = vrd::testkit::EncodeReport(report);
        if (!encoded.ok()) {
            std::cerr << "vrdgen: " << encoded.error << "\n";
            return kFailed;
        }
        if (!WriteFile(vrd_path, encoded.vrd))
            return kFailed;
    }
    return 0;
}
