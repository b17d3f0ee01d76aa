#include "analysis/who_guidelines.h"

#include <array>

namespace vrd {

namespace {

struct Guideline {
    WhoSource source;
    const char* name;
    double lden;
    std::optional<double> lnight;
};

const std::array<Guideline, 4>& Guidelines() {
    static const std::array<Guideline, 4> guidelines = {{{WhoSource::Road, "road", 53, 45},
                                                         {WhoSource::Rail, "rail", 54, 44},
                                                         {WhoSource::Aircraft, "aircraft", 45, 40},
                                                         {WhoSource::Wind, "wind", 45, {}}}};
    return guidelines;
}

const Guideline& GuidelineOf(WhoSource source) {
    for (const Guideline& guideline : Guidelines())
        if (guideline.source == source)
            return guideline;
    return Guidelines().front();
}

std::optional<double> Excess(std::optional<double> level, std::optional<double> guideline) {
    if (!level || !guideline)
        return std::nullopt;
    return *level - *guideline;
}

} // namespace

const char* WhoSourceName(WhoSource source) {
    return GuidelineOf(source).name;
}

std::optional<WhoSource> WhoSourceNamed(std::string_view name) {
    for (const Guideline& guideline : Guidelines())
        if (name == guideline.name)
            return guideline.source;
    return std::nullopt;
}

WhoComparison CompareWithWho(WhoSource source, std::optional<double> lden,
                             std::optional<double> lnight) {
    const Guideline& guideline = GuidelineOf(source);
    WhoComparison comparison;
    comparison.source = source;
    comparison.ldenGuideline = guideline.lden;
    comparison.lnightGuideline = guideline.lnight;
    comparison.ldenExcess = Excess(lden, comparison.ldenGuideline);
    comparison.lnightExcess = Excess(lnight, comparison.lnightGuideline);
    return comparison;
}

} // namespace vrd
