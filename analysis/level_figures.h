#pragma once
// The figures of a set of levels: Leq, Lmax, Lmin and the statistical levels.
//
// The levels are counted by their code in a LevelTable: the distinct levels of a series,
// ascending. Leq = 10·log10(mean of 10^(L/10)), summed from the lowest level up with each code's
// energy worked out once, so that the same set of samples gives the same bits however it was
// gathered. The statistical level L_N (exceeded N % of the time) is the linear-interpolation
// quantile at 1 - N/100 of the levels sorted ascending, x_0..x_{n-1}: h = (n-1)·(100-N),
// k = h div 100, r = h mod 100, L_N = x_k + r/100·(x_{k+1} - x_k), k and r worked out on whole
// numbers so that no rounding decides which levels are used. Whole-decibel levels have a table of
// their own, the same for every series, so that their figures are those of whole numbers.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vrd {

// The N of L1, L5, L10, L50, L90, L95, L99, in the order LevelFigures holds them.
constexpr std::array<int, 7> kStatisticalPercents = {1, 5, 10, 50, 90, 95, 99};

using LevelCode = std::uint32_t;

class LevelTable {
  public:
    // Every whole decibel of a 16-bit level, the code of L being L + kWholeOffset.
    static constexpr int kWholeOffset = 32768;
    static const LevelTable& WholeDecibels();
    static std::shared_ptr<const LevelTable> SharedWholeDecibels();
    // The levels given, ascending and distinct, each taken as the shortest decimal that reads
    // back to it: a level written 45.3 counts as 45.3, not as the float nearest to it.
    static std::shared_ptr<const LevelTable> Of(const std::vector<float>& ascending);

    std::size_t Size() const { return values_.size(); }
    bool Whole() const { return whole_; }
    double Value(LevelCode code) const { return values_[code]; }
    double Energy(LevelCode code) const { return energies_[code]; }
    // The code of the first level at or above level, and above it (Size() when none).
    LevelCode LowerBound(double level) const;
    LevelCode FirstAbove(double level) const;
    // The code of a whole level in the whole-decibel table.
    static LevelCode WholeCode(int level) { return static_cast<LevelCode>(level + kWholeOffset); }

  private:
    std::vector<double> values_;
    std::vector<double> energies_;
    bool whole_ = false;
};

struct LevelFigures {
    std::int64_t count = 0; // samples with a level
    std::optional<double> leq;
    std::optional<double> lmax;
    std::optional<double> lmin;
    std::array<std::optional<double>, kStatisticalPercents.size()> statistical{};

    // L_N for one of kStatisticalPercents.
    std::optional<double> L(int percent) const;
};

// How many samples had each level of a table.
class LevelHistogram {
  public:
    // Of whole decibels.
    LevelHistogram() : table_(&LevelTable::WholeDecibels()) {}
    // table must outlive the histogram.
    explicit LevelHistogram(const LevelTable& table) : table_(&table) {}

    void AddCode(LevelCode code, std::int64_t times = 1) {
        const auto at = static_cast<std::int64_t>(code);
        if (counts_.empty() || at < base_ ||
            at - base_ >= static_cast<std::int64_t>(counts_.size()))
            Reach(at);
        counts_[static_cast<std::size_t>(at - base_)] += times;
        total_ += times;
    }
    // A whole level, for a histogram of whole decibels.
    void Add(std::int16_t level, std::int64_t times = 1) {
        AddCode(LevelTable::WholeCode(level), times);
    }
    void Remove(std::int16_t level, std::int64_t times = 1);
    // Adds (sign +1) or removes (sign -1) every count of other, a histogram of the same table.
    void Merge(const LevelHistogram& other, int sign = 1);
    void Clear();

    const LevelTable& Table() const { return *table_; }
    std::int64_t Count() const { return total_; }
    // Samples at exactly the code.
    std::int64_t CountOf(LevelCode code) const;
    // Samples at exactly a whole level.
    std::int64_t CountAt(int level) const;
    std::int64_t CountAbove(double threshold) const;
    // The lowest and highest code counted; only when Count() > 0.
    LevelCode LowestCode() const;
    LevelCode HighestCode() const;
    LevelFigures Figures() const;
    // Count, Leq, Lmax and Lmin only, for the many small sets of a table.
    LevelFigures BasicFigures() const;

  private:
    // Makes room for code in counts_.
    void Reach(std::int64_t code);
    std::size_t Lowest() const;
    std::size_t Highest() const;

    const LevelTable* table_;
    // counts_[i] is the count of code base_ + i; grown as codes arrive.
    std::int64_t base_ = 0;
    std::vector<std::int64_t> counts_;
    std::int64_t total_ = 0;
};

// 10^(level/10), the energy of a whole-decibel level.
double LevelEnergy(std::int16_t level);

// 10·log10(energy), for the mean energy of a set of samples.
double EnergyToLevel(double energy);

// Whether a level is a whole number of decibels, as the outputs write Lmax and Lmin of whole
// levels.
bool IsWholeLevel(double level);

} // namespace vrd
