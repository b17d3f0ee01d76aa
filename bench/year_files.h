#pragma once
// The year-long report the benchmarks work on: made by the test kit's generator from a fixed
// seed, encoded, and cached as files so that vrdtool and the plain read can open them too.

#include <cstdint>
#include <string>

namespace vrd::bench {

// The generator's settings; scripts/bench.sh passes the same ones to vrdgen.
constexpr std::uint64_t kYearSeed = 2011;
constexpr std::int64_t kYearMinutes = 525600;

struct YearFiles {
    std::string folder;
    std::string txtPath;
    std::string vrdPath;
    std::string report; // the text of txtPath
    std::string vrd;    // the bytes of vrdPath
};

// Generates the report and its .vrd once per process, and (re)writes the cached files when they
// are missing or differ. Exits the process with a message when the files cannot be written.
const YearFiles& Year();

} // namespace vrd::bench
