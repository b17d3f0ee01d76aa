#include "testkit/energy_average.h"

#include <algorithm>
#include <array>

namespace vrd::testkit {
namespace {

constexpr double kTenths[10] = {1.0,
                                1.2589254117941673,
                                1.5848931924611134,
                                1.9952623149688795,
                                2.51188643150958,
                                3.1622776601683795,
                                3.9810717055349727,
                                5.011872336272723,
                                6.3095734448019325,
                                7.943282347242815};
// 10^((n + 0.5)/10): the points where the rounded level steps up.
constexpr double kHalfTenths[10] = {1.1220184543019633, 1.4125375446227544, 1.7782794100389228,
                                    2.2387211385683394, 2.8183829312644537, 3.5481338923357546,
                                    4.466835921509631,  5.623413251903491,  7.0794578438413795,
                                    8.912509381337456};

struct Tables {
    std::array<double, kMaxAveragedLevel + 1> energy{};
    std::array<double, kMaxAveragedLevel + 1> step_up{}; // step_up[n]: from n to n + 1 dB
};

const Tables& GetTables() {
    static const Tables tables = [] {
        Tables built;
        double decade = 1.0; // exact in a double up to 10^22
        for (int level = 0; level <= kMaxAveragedLevel; ++level) {
            if (level > 0 && level % 10 == 0)
                decade *= 10.0;
            built.energy[level] = decade * kTenths[level % 10];
            built.step_up[level] = decade * kHalfTenths[level % 10];
        }
        return built;
    }();
    return tables;
}

} // namespace

double LevelEnergy(int level) {
    return GetTables().energy[std::clamp(level, 0, kMaxAveragedLevel)];
}

void EnergyAverage::Add(int level) {
    energy_sum_ += LevelEnergy(level);
    ++count_;
}

int EnergyAverage::RoundedLevel() const {
    if (count_ == 0)
        return 0;
    const double mean = energy_sum_ / count_;
    const auto& steps = GetTables().step_up;
    // Number of half-decibel points at or below the mean = the rounded level.
    const auto above = std::upper_bound(steps.begin(), steps.end(), mean);
    return std::min(static_cast<int>(above - steps.begin()), kMaxAveragedLevel);
}

} // namespace vrd::testkit
