#pragma once
// The figures of a set of whole-decibel minute levels: Leq, Lmax, Lmin and the statistical levels.
//
// Leq = 10·log10(mean of 10^(L/10)), summed from the lowest level up so that the same set of
// minutes gives the same bits however it was gathered. The statistical level L_N (exceeded N % of
// the time) is the linear-interpolation quantile at 1 - N/100 of the levels sorted ascending,
// x_0..x_{n-1}: h = (n-1)·(100-N), k = h div 100, r = h mod 100, L_N = x_k + r/100·(x_{k+1} - x_k),
// worked out on whole numbers so that no rounding decides which levels are used.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vrd {

// The N of L1, L5, L10, L50, L90, L95, L99, in the order LevelFigures holds them.
constexpr std::array<int, 7> kStatisticalPercents = {1, 5, 10, 50, 90, 95, 99};

struct LevelFigures {
    std::int64_t count = 0; // minutes with a level
    std::optional<double> leq;
    std::optional<int> lmax;
    std::optional<int> lmin;
    std::array<std::optional<double>, kStatisticalPercents.size()> statistical{};

    // L_N for one of kStatisticalPercents.
    std::optional<double> L(int percent) const;
};

// How many minutes had each whole-decibel level.
class LevelHistogram {
  public:
    void Add(std::int16_t level, std::int64_t times = 1) {
        if (counts_.empty() || level < base_ || level - base_ >= static_cast<int>(counts_.size()))
            Reach(level);
        counts_[static_cast<std::size_t>(level - base_)] += times;
        total_ += times;
    }
    void Remove(std::int16_t level, std::int64_t times = 1);
    // Adds (sign +1) or removes (sign -1) every count of other.
    void Merge(const LevelHistogram& other, int sign = 1);
    void Clear();

    std::int64_t Count() const { return total_; }
    // Minutes at exactly level.
    std::int64_t CountAt(int level) const;
    std::int64_t CountAbove(double threshold) const;
    LevelFigures Figures() const;
    // Count, Leq, Lmax and Lmin only, for the many small sets of a table.
    LevelFigures BasicFigures() const;

  private:
    // Makes room for level in counts_.
    void Reach(int level);
    std::size_t Lowest() const;
    std::size_t Highest() const;

    // counts_[i] is the count of level base_ + i; grown as levels arrive.
    int base_ = 0;
    std::vector<std::int64_t> counts_;
    std::int64_t total_ = 0;
};

// 10^(level/10), the energy of a whole-decibel level.
double LevelEnergy(std::int16_t level);

// 10·log10(energy), for the mean energy of a set of minutes.
double EnergyToLevel(double energy);

} // namespace vrd
