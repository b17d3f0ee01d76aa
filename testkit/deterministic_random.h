#pragma once
// Random numbers that are the same on every standard library: the raw std::mt19937_64 sequence is
// fixed by the language, the std distributions are not, so the conversions are done here.

#include <cstdint>
#include <random>

namespace vrd::testkit {

class DeterministicRandom {
  public:
    explicit DeterministicRandom(std::uint64_t seed) : engine_(seed) {}

    std::uint64_t Bits() { return engine_(); }

    // Uniform in [0, 1), from the top 53 bits.
    double Unit() { return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform integer in [0, count); count > 0. The bias is below 2^-53 * count.
    std::uint64_t Below(std::uint64_t count) {
        return static_cast<std::uint64_t>(Unit() * static_cast<double>(count));
    }

    bool Chance(double probability) { return Unit() < probability; }

    // Roughly standard normal: the sum of four uniforms, centred and scaled to unit variance.
    // Its tails stop at +-3.46, which keeps the levels in a plausible band.
    double Bell() {
        // One draw per statement, as C++ leaves open the order in which operands of + are
        // evaluated.
        double sum = Unit();
        sum += Unit();
        sum += Unit();
        sum += Unit();
        return (sum - 2.0) * 1.7320508075688772;
    }

  private:
    std::mt19937_64 engine_;
};

} // namespace vrd::testkit
