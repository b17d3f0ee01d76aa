#include "levels_csv/sample_step.h"

#include <algorithm>
#include <vector>

namespace vrd {

std::optional<Millis> MostCommonStep(const Millis* times, std::size_t count) {
    if (count < 2)
        return std::nullopt;
    const std::size_t differences = count - 1;
    // A meter's file keeps one step but for its missing stretches, so the step is nearly always
    // more than half of the differences: a majority vote finds it in one pass and a second pass
    // proves it. Only a file without such a step pays for sorting its differences.
    Millis candidate = 0;
    std::size_t votes = 0;
    for (std::size_t i = 1; i < count; ++i) {
        const Millis difference = times[i] - times[i - 1];
        if (votes == 0) {
            candidate = difference;
            votes = 1;
        } else if (difference == candidate) {
            ++votes;
        } else {
            --votes;
        }
    }
    std::size_t held = 0;
    for (std::size_t i = 1; i < count; ++i)
        held += times[i] - times[i - 1] == candidate ? 1 : 0;
    if (2 * held > differences)
        return candidate;

    std::vector<Millis> sorted(differences);
    for (std::size_t i = 1; i < count; ++i)
        sorted[i - 1] = times[i] - times[i - 1];
    std::sort(sorted.begin(), sorted.end());
    Millis best = sorted.front();
    std::size_t bestRun = 0;
    std::size_t run = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        run = i > 0 && sorted[i] == sorted[i - 1] ? run + 1 : 1;
        // Strictly more: of equally common differences, the smaller (met first) stays.
        if (run > bestRun) {
            bestRun = run;
            best = sorted[i];
        }
    }
    return best;
}

} // namespace vrd
