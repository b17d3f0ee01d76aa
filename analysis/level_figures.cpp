#include "analysis/level_figures.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vrd {

namespace {

// The double a float's shortest decimal writes: what a file wrote, as far as a float kept it.
double AsWritten(float level) {
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, level);
    double value = level;
    std::from_chars(text, end.ptr, value);
    return value;
}

} // namespace

const LevelTable& LevelTable::WholeDecibels() {
    return *SharedWholeDecibels();
}

std::shared_ptr<const LevelTable> LevelTable::SharedWholeDecibels() {
    // Whole-decibel levels have few values: their powers are computed once.
    static const std::shared_ptr<const LevelTable> kWhole = [] {
        auto table = std::make_shared<LevelTable>();
        table->whole_ = true;
        table->values_.resize(65536);
        table->energies_.resize(65536);
        for (int whole = -kWholeOffset; whole < kWholeOffset; ++whole) {
            const auto code = static_cast<std::size_t>(whole + kWholeOffset);
            table->values_[code] = whole;
            table->energies_[code] = std::pow(10.0, whole / 10.0);
        }
        return std::shared_ptr<const LevelTable>(std::move(table));
    }();
    return kWhole;
}

std::shared_ptr<const LevelTable> LevelTable::Of(const std::vector<float>& ascending) {
    auto table = std::make_shared<LevelTable>();
    table->values_.reserve(ascending.size());
    table->energies_.reserve(ascending.size());
    for (const float level : ascending) {
        const double value = AsWritten(level);
        table->values_.push_back(value);
        table->energies_.push_back(std::pow(10.0, value / 10.0));
    }
    return table;
}

LevelCode LevelTable::LowerBound(double level) const {
    return static_cast<LevelCode>(std::lower_bound(values_.begin(), values_.end(), level) -
                                  values_.begin());
}

LevelCode LevelTable::FirstAbove(double level) const {
    return static_cast<LevelCode>(std::upper_bound(values_.begin(), values_.end(), level) -
                                  values_.begin());
}

double LevelEnergy(std::int16_t level) {
    return LevelTable::WholeDecibels().Energy(LevelTable::WholeCode(level));
}

double EnergyToLevel(double energy) {
    return 10.0 * std::log10(energy);
}

bool IsWholeLevel(double level) {
    return std::floor(level) == level;
}

std::optional<double> LevelFigures::L(int percent) const {
    for (std::size_t i = 0; i < kStatisticalPercents.size(); ++i)
        if (kStatisticalPercents[i] == percent)
            return statistical[i];
    return std::nullopt;
}

void LevelHistogram::Reach(std::int64_t code) {
    if (counts_.empty()) {
        base_ = code;
        counts_.assign(1, 0);
    } else if (code < base_) {
        counts_.insert(counts_.begin(), static_cast<std::size_t>(base_ - code), 0);
        base_ = code;
    } else {
        counts_.resize(static_cast<std::size_t>(code - base_ + 1), 0);
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

LevelCode LevelHistogram::LowestCode() const {
    return static_cast<LevelCode>(base_ + static_cast<std::int64_t>(Lowest()));
}

LevelCode LevelHistogram::HighestCode() const {
    return static_cast<LevelCode>(base_ + static_cast<std::int64_t>(Highest()));
}

void LevelHistogram::Remove(std::int16_t level, std::int64_t times) {
    Add(level, -times);
}

void LevelHistogram::Merge(const LevelHistogram& other, int sign) {
    for (std::size_t i = 0; i < other.counts_.size(); ++i)
        if (other.counts_[i] != 0)
            AddCode(static_cast<LevelCode>(other.base_ + static_cast<std::int64_t>(i)),
                    sign * other.counts_[i]);
}

void LevelHistogram::Clear() {
    counts_.clear();
    total_ = 0;
}

std::int64_t LevelHistogram::CountOf(LevelCode code) const {
    const auto at = static_cast<std::int64_t>(code);
    if (counts_.empty() || at < base_ || at - base_ >= static_cast<std::int64_t>(counts_.size()))
        return 0;
    return counts_[static_cast<std::size_t>(at - base_)];
}

std::int64_t LevelHistogram::CountAt(int level) const {
    return CountOf(LevelTable::WholeCode(level));
}

std::int64_t LevelHistogram::CountAbove(double threshold) const {
    std::int64_t above = 0;
    for (std::size_t i = counts_.size(); i-- > 0;) {
        if (table_->Value(static_cast<LevelCode>(base_ + static_cast<std::int64_t>(i))) <=
            threshold)
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
    const auto codeAt = [this](std::size_t i) {
        return static_cast<LevelCode>(base_ + static_cast<std::int64_t>(i));
    };
    // From the lowest level up, so that the same samples give the same sum.
    double energy = 0;
    for (std::size_t i = lowest; i <= highest; ++i)
        if (counts_[i] != 0)
            energy += static_cast<double>(counts_[i]) * table_->Energy(codeAt(i));
    figures.leq = EnergyToLevel(energy / static_cast<double>(total_));
    figures.lmin = table_->Value(codeAt(lowest));
    figures.lmax = table_->Value(codeAt(highest));
    return figures;
}

LevelFigures LevelHistogram::Figures() const {
    LevelFigures figures = BasicFigures();
    if (total_ <= 0)
        return figures;
    const std::size_t lowest = Lowest();
    const std::size_t highest = Highest();
    const auto levelAt = [this](std::size_t i) {
        return table_->Value(static_cast<LevelCode>(base_ + static_cast<std::int64_t>(i)));
    };

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
        const double xk = sample(k);
        if (r == 0) {
            figures.statistical[p] = xk;
            continue;
        }
        const double next = sample(k + 1);
        figures.statistical[p] = xk + static_cast<double>(r) / 100.0 * (next - xk);
    }
    return figures;
}

} // namespace vrd
