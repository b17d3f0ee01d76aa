#pragma once
// The guideline values of the WHO Environmental Noise Guidelines for the European Region (2018)
// for each source, in dB: Lden and Lnight outdoors at the most exposed facade. Wind turbines have
// no Lnight guideline.
//
//   road 53 / 45   rail 54 / 44   aircraft 45 / 40   wind 45 / -

#include <optional>
#include <string_view>

namespace vrd {

enum class WhoSource { Road, Rail, Aircraft, Wind };

const char* WhoSourceName(WhoSource source); // "road", "rail", "aircraft", "wind"
std::optional<WhoSource> WhoSourceNamed(std::string_view name);

struct WhoComparison {
    WhoSource source = WhoSource::Road;
    std::optional<double> ldenGuideline;
    std::optional<double> lnightGuideline;
    std::optional<double> ldenExcess; // level - guideline; null where either is
    std::optional<double> lnightExcess;
};

WhoComparison CompareWithWho(WhoSource source, std::optional<double> lden,
                             std::optional<double> lnight);

} // namespace vrd
