#include "bench/year_files.h"

#include "testkit/encoder.h"
#include "testkit/report_generator.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vrd::bench {

namespace {

std::string DataFolder() {
    if (const char* folder = std::getenv("VRD_BENCH_DATA"); folder != nullptr && *folder != '\0')
        return folder;
    return VRD_BENCH_DATA_DIR;
}

bool SameBytes(const std::string& path, const std::string& bytes) {
    std::error_code error;
    if (std::filesystem::file_size(path, error) != bytes.size() || error)
        return false;
    std::ifstream in(path, std::ios::binary);
    std::string held(bytes.size(), '\0');
    in.read(held.data(), static_cast<std::streamsize>(held.size()));
    return in && held == bytes;
}

void Cache(const std::string& path, const std::string& bytes) {
    if (SameBytes(path, bytes))
        return;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "vrd_bench: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

YearFiles Make() {
    YearFiles year;
    year.folder = DataFolder();
    std::filesystem::create_directories(year.folder);
    year.txtPath = year.folder + "/year.txt";
    year.vrdPath = year.folder + "/year.vrd";

    testkit::ReportOptions options;
    options.seed = kYearSeed;
    options.minutes = kYearMinutes;
    year.report = testkit::GenerateReport(options);
    testkit::EncodeResult encoded = testkit::EncodeReport(year.report);
    if (year.report.empty() || !encoded.ok()) {
        std::fprintf(stderr, "vrd_bench: cannot make the year report: %s\n", encoded.error.c_str());
        std::exit(1);
    }
    year.vrd = std::move(encoded.vrd);
    Cache(year.txtPath, year.report);
    Cache(year.vrdPath, year.vrd);
    return year;
}

} // namespace

const YearFiles& Year() {
    static const YearFiles year = Make();
    return year;
}

} // namespace vrd::bench
