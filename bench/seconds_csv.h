#pragma once
// A meter's CSV export of 1-s levels for the benchmarks: "2025-03-01 00:00:00,45.3,41.3" a row
// from the first day given, the levels wandering as a site's do, from a fixed seed.

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

namespace vrd::bench {

inline std::string SecondsCsv(int days, int firstDayOfMarch) {
    const int seconds = days * 24 * 3600;
    std::string text = "Time,LAeq,LA90\r\n";
    text.reserve(static_cast<std::size_t>(seconds) * 32);
    std::mt19937 random(2025);
    std::normal_distribution<double> wander(0.0, 1.5);
    double level = 45;
    char row[64];
    for (int s = 0; s < seconds; ++s) {
        level = std::clamp(level + 0.1 * (45 - level) + wander(random), 20.0, 100.0);
        const int day = firstDayOfMarch + s / 86400;
        const int second = s % 86400;
        const int written =
            std::snprintf(row, sizeof row, "2025-03-%02d %02d:%02d:%02d,%.1f,%.1f\r\n", day,
                          second / 3600, second / 60 % 60, second % 60, level, level - 4.0);
        text.append(row, static_cast<std::size_t>(written));
    }
    return text;
}

} // namespace vrd::bench
