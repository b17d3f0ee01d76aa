#include "report/running_leq.h"

#include "report/number_syntax.h"

#include <array>
#include <cmath>
#include <limits>

namespace vrd {

namespace {

// 10^(level/10), exponent and power in double. Levels are whole decibels, so the powers of the
// levels a report can hold are computed once; the parse of a long report spent most of its time
// here. Levels outside the table are computed as they come.
double PowerOfLevel(std::int16_t level) {
    constexpr int kLowest = -512;
    constexpr int kHighest = 512;
    static const std::array<double, kHighest - kLowest + 1> kPowers = [] {
        std::array<double, kHighest - kLowest + 1> powers{};
        for (int l = kLowest; l <= kHighest; ++l)
            powers[static_cast<std::size_t>(l - kLowest)] =
                std::pow(10.0, static_cast<double>(l) / 10.0);
        return powers;
    }();
    if (level < kLowest || level > kHighest)
        return std::pow(10.0, static_cast<double>(level) / 10.0);
    return kPowers[static_cast<std::size_t>(level - kLowest)];
}

// The energy of a slot, rounded to single precision.
double SlotEnergy(std::int16_t level) {
    return static_cast<float>(PowerOfLevel(level));
}

bool FitsSingle(double value) {
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

} // namespace

RunningLeqResult UpdateRunningLeq(std::int16_t level, std::int16_t& slot, std::int16_t& index,
                                  std::int16_t size, float& sum, const std::int16_t* ring) {
    const std::int16_t old = slot;
    slot = level;
    index = static_cast<std::int16_t>(index + 1);
    if (index == size)
        index = 0;

    const double oldEnergyExact = PowerOfLevel(old);
    const double newEnergyExact = PowerOfLevel(level);
    if (!FitsSingle(oldEnergyExact) || !FitsSingle(newEnergyExact))
        return {0, "a level of " + std::to_string(FitsSingle(newEnergyExact) ? old : level) +
                       " dB is too large for the running level"};
    const double oldEnergy = static_cast<float>(oldEnergyExact);
    const double newEnergy = static_cast<float>(newEnergyExact);

    const double newSum = (newEnergy - oldEnergy) + static_cast<double>(sum);
    if (!FitsSingle(newSum))
        return {0, "the running energy sum is too large for single precision"};
    sum = static_cast<float>(newSum);

    float mean = static_cast<float>(static_cast<double>(sum) / size);
    if (!(mean > 0)) {
        // Loud minutes that left the ring keep their rounding in the incremental sum; with quiet
        // minutes after them the mean can drift to zero or below. Rebuild it from the slots.
        double rebuilt = 0;
        for (int i = 0; i < size; ++i)
            rebuilt += SlotEnergy(ring[i]);
        sum = static_cast<float>(rebuilt);
        mean = static_cast<float>(static_cast<double>(sum) / size);
        if (!(mean > 0))
            return {0, "the running level of levels this low cannot be computed"};
    }

    const float x = static_cast<float>(10.0 * std::log(static_cast<double>(mean)) / std::log(10.0));
    return {static_cast<float>(static_cast<double>(x) + 0.5), {}};
}

void ResetRing5(RunningLeqState& state) {
    state.Ring5.fill(60);
}

void ResetRing10(RunningLeqState& state) {
    state.Ring10.fill(60);
}

void ResetRunningLeq(RunningLeqState& state) {
    ResetRing5(state);
    ResetRing10(state);
    state.EnergySum5 = 5000000.0f;
    state.EnergySum10 = 10000000.0f;
}

namespace {

std::string FeedRing(std::int16_t level, std::int16_t* ring, std::int16_t& index, std::int16_t size,
                     float& sum, std::int16_t& leq) {
    if (index < 0 || index >= size)
        return "the running level's ring position is out of range";
    const RunningLeqResult result = UpdateRunningLeq(level, ring[index], index, size, sum, ring);
    if (!result.ok())
        return result.error;
    const std::optional<std::int16_t> rounded = RoundToInt16(result.value);
    if (!rounded)
        return "the running level does not fit a 16-bit integer";
    leq = *rounded;
    return {};
}

} // namespace

std::string FeedMinuteLevel(RunningLeqState& state, std::int16_t level) {
    std::string error =
        FeedRing(level, state.Ring5.data(), state.RingIndex5, 5, state.EnergySum5, state.Leq5);
    if (error.empty())
        error = FeedRing(level, state.Ring10.data(), state.RingIndex10, 10, state.EnergySum10,
                         state.Leq10);
    return error;
}

} // namespace vrd
