// Makes the year files before any benchmark runs, so no benchmark pays for them.

#include "bench/year_files.h"

#include <benchmark/benchmark.h>

#include <cstdio>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const vrd::bench::YearFiles& year = vrd::bench::Year();
    std::fprintf(stderr, "year files: %s (%zu bytes), %s (%zu bytes)\n", year.vrdPath.c_str(),
                 year.vrd.size(), year.txtPath.c_str(), year.report.size());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
