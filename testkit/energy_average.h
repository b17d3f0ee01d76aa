#pragma once
// Energy average of whole-dB levels, 10*log10(mean of 10^(L/10)) rounded to whole dB, as the
// device computes its 5-minute to 16-hour levels from the 1-minute ones.
//
// No pow or log10: the powers of ten come from a table of literals and the rounding compares
// against the half-decibel points, so the result is the same with every maths library.

namespace vrd::testkit {

inline constexpr int kMaxAveragedLevel = 150;

// 10^(level/10) for level in 0..kMaxAveragedLevel.
double LevelEnergy(int level);

class EnergyAverage {
  public:
    void Add(int level);
    int Count() const { return count_; }
    // The rounded average (halves round up); 0 when nothing was added.
    int RoundedLevel() const;

  private:
    double energy_sum_ = 0;
    int count_ = 0;
};

} // namespace vrd::testkit
