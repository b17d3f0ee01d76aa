#pragma once
// Running 5- and 10-minute levels from 1-minute levels, by energy averaging over a ring of slots.
//
// The energy sums are kept incrementally in single precision, with the rounding points the
// devices' own software has, so that the levels agree with it to the decibel.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vrd {

struct RunningLeqState {
    std::array<std::int16_t, 5> Ring5{};
    float EnergySum5 = 0;
    std::int16_t RingIndex5 = 0;
    std::int16_t Leq5 = 0;
    std::array<std::int16_t, 10> Ring10{};
    float EnergySum10 = 0;
    std::int16_t RingIndex10 = 0;
    std::int16_t Leq10 = 0;
};

// The result of one update: the running level plus one half, or why it could not be computed.
struct RunningLeqResult {
    float value = 0;
    std::string error; // empty on success
    bool ok() const { return error.empty(); }
};

// Puts level into slot (the ring element at index), advances index, updates sum and returns the
// running level plus 0.5. On failure the update is left half done, as the slot, index and sum
// have already moved. ring is the whole ring, needed to rebuild a drifted sum.
RunningLeqResult UpdateRunningLeq(std::int16_t level, std::int16_t& slot, std::int16_t& index,
                                  std::int16_t size, float& sum, const std::int16_t* ring);

void ResetRing5(RunningLeqState& state);
void ResetRing10(RunningLeqState& state);
// Every slot to 60 dB and the sums to match; ring positions and the last levels stay.
void ResetRunningLeq(RunningLeqState& state);

// Feeds one 1-minute level to both rings and stores the rounded results in Leq5 and Leq10.
// Returns an error text, empty on success.
std::string FeedMinuteLevel(RunningLeqState& state, std::int16_t level);

} // namespace vrd
