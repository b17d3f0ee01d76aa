#include "analysis/level_figures.h"

#include <cmath>
#include <cstdlib>

namespace vrd {

double LevelEnergy(std::int16_t level) {
    // Whole-decibel levels have few values: their powers are computed once.
    static const std::vector<double> kEnergies = [] {
        std::vector<double> energies(65536);
        for (int whole = -32768; whole <= 32767; ++whole)
            energies[static_cast<std::size_t>(whole + 32768)] = std::pow(10.0, whole / 10.0);
        return energies;
    }();
    return kEnergies[static_cast<std::size_t>(level + 32768)];
}

double EnergyToLevel(double energy) {
    return 10.0 * std::log10(energy);
}

std::optional<double> LevelFigures::L(int percent) const {
    for (std::size_t i = 0; i < kStatisticalPercents.size(); ++i)
        if (kStatisticalPercents[i] == percent)
            return statistical[i];
    return std::nullopt;
}

void LevelHistogram::Reach(int level) {
    if (counts_.empty()) {
        base_ = level;
        counts_.assign(1, 0);
    } else if (level < base_) {
        counts_.insert(counts_.begin(), static_cast<std::size_t>(base_ - level), 0);
        base_ = level;
    } else {
        counts_.resize(static_cast<std::size_t>(level - base_ + 1), 0);
    }
}

std::size_t LevelHistogram::Lowest() const {
    std::size_t i = 0;
    while (i < counts_.size() && counts_[i] == 0)
        ++i;
    return i;
}

std::size_t LevelHistogram::Highest() const {
    std::size_t i = counts_.size();
    while (i > 0 && counts_[i - 1] == 0)
        --i;
    return i - 1;
}

void LevelHistogram::Remove(std::int16_t level, std::int64_t times) {
    Add(level, -times);
}

void LevelHistogram::Merge(const LevelHistogram& other, int sign) {
    for (std::size_t i = 0; i < other.counts_.size(); ++i)
        if (other.counts_[i] != 0)
            Add(static_cast<std::int16_t>(other.base_ + static_cast<int>(i)),
                sign * other.counts_[i]);
}

void LevelHistogram::Clear() {
    counts_.clear();
    total_ = 0;
}

std::int64_t LevelHistogram::CountAt(int level) const {
    if (counts_.empty() || level < base_ || level - base_ >= static_cast<int>(counts_.size()))
        return 0;
    return counts_[static_cast<std::size_t>(level - base_)];
}

std::int64_t LevelHistogram::CountAbove(double threshold) const {
    std::int64_t above = 0;
    for (std::size_t i = counts_.size(); i-- > 0;) {
        if (base_ + static_cast<int>(i) <= threshold)
            break;
        above += counts_[i];
    }
    return above;
}

LevelFigures LevelHistogram::BasicFigures() const {
    LevelFigures figures;
    figures.count = total_;
    if (total_ <= 0)
        return figures;
    const std::size_t lowest = Lowest();
    const std::size_t highest = Highest();
    // From the lowest level up, so that the same minutes give the same sum.
    double energy = 0;
    for (std::size_t i = lowest; i <= highest; ++i)
        if (counts_[i] != 0)
            energy += static_cast<double>(counts_[i]) *
                      LevelEnergy(static_cast<std::int16_t>(base_ + static_cast<int>(i)));
    figures.leq = EnergyToLevel(energy / static_cast<double>(total_));
    figures.lmin = base_ + static_cast<int>(lowest);
    figures.lmax = base_ + static_cast<int>(highest);
    return figures;
}

LevelFigures LevelHistogram::Figures() const {
    LevelFigures figures = BasicFigures();
    if (total_ <= 0)
        return figures;
    const auto levelAt = [this](std::size_t i) { return base_ + static_cast<int>(i); };
    const std::size_t lowest = Lowest();
    const std::size_t highest = Highest();

    // x_k and x_{k+1} of the ascending levels, found by walking the counts once per N.
    const auto sample = [&](std::int64_t k) {
        std::int64_t seen = 0;
        for (std::size_t i = lowest; i <= highest; ++i) {
            seen += counts_[i];
            if (seen > k)
                return levelAt(i);
        }
        return levelAt(highest);
    };
    for (std::size_t p = 0; p < kStatisticalPercents.size(); ++p) {
        const std::int64_t h = (total_ - 1) * (100 - kStatisticalPercents[p]);
        const std::int64_t k = h / 100;
        const std::int64_t r = h % 100;
        const int xk = sample(k);
        if (r == 0) {
            figures.statistical[p] = xk;
            continue;
        }
        const int next = sample(k + 1);
        figures.statistical[p] = xk + static_cast<double>(r) / 100.0 * (next - xk);
    }
    return figures;
}

} // namespace vrd
