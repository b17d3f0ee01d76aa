#pragma once
// The day, evening and night periods and penalties of the usual combined levels:
//
//   eu       7, 19, 23  +5, +10   Lden of the European noise directive (the default)
//   fr       6, 18, 22  +5, +10   Lden with the French periods
//   it       6, 20, 22  +5, +10   Lden with the Italian periods
//   uk       7, 23, 23  +0, +0    LAeq,16h by day, LAeq,8h at night, no evening: LAeq,24h
//   us-ldn   7, 22, 22  +0, +10   Ldn, no evening
//   us-cnel  7, 19, 22  +5, +10   CNEL

#include "analysis/analysis_settings.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vrd {

struct PeriodPreset {
    const char* name;
    const char* combinedLevel; // what the combined level is called under it: "Lden", "Ldn", ...
    Periods periods;
};

const std::vector<PeriodPreset>& PeriodPresets();
std::optional<PeriodPreset> PresetNamed(std::string_view name);

// The name of the combined level of settings' preset; "Lden" when the periods were set by hand.
const char* CombinedLevelName(std::string_view preset);

} // namespace vrd
