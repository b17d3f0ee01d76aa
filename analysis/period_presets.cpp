#include "analysis/period_presets.h"

namespace vrd {

namespace {

PeriodPreset Preset(const char* name, const char* combinedLevel, int day, int evening, int night,
                    double eveningPenalty, double nightPenalty) {
    PeriodPreset preset{name, combinedLevel, {}};
    preset.periods.day = day;
    preset.periods.evening = evening;
    preset.periods.night = night;
    preset.periods.eveningPenalty = eveningPenalty;
    preset.periods.nightPenalty = nightPenalty;
    return preset;
}

} // namespace

const std::vector<PeriodPreset>& PeriodPresets() {
    static const std::vector<PeriodPreset> presets = {
        Preset("eu", "Lden", 7, 19, 23, 5, 10),    Preset("fr", "Lden", 6, 18, 22, 5, 10),
        Preset("it", "Lden", 6, 20, 22, 5, 10),    Preset("uk", "LAeq,24h", 7, 23, 23, 0, 0),
        Preset("us-ldn", "Ldn", 7, 22, 22, 0, 10), Preset("us-cnel", "CNEL", 7, 19, 22, 5, 10),
    };
    return presets;
}

std::optional<PeriodPreset> PresetNamed(std::string_view name) {
    for (const PeriodPreset& preset : PeriodPresets())
        if (name == preset.name)
            return preset;
    return std::nullopt;
}

const char* CombinedLevelName(std::string_view preset) {
    const std::optional<PeriodPreset> named = PresetNamed(preset);
    return named ? named->combinedLevel : "Lden";
}

} // namespace vrd
