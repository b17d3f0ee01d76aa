#pragma once
// The distribution of the minute levels as "vrdtool stats --distribution" prints it: a table of
// the levels with the minutes at each and the share above it, for all minutes and, when marked,
// the source and the residual ones side by side; or the member "distribution" of the JSON.

#include "analysis/level_distribution.h"
#include "tools/vrdtool/json_text.h"

#include <ostream>

namespace vrd {

void WriteDistributionTable(std::ostream& out, const LevelDistributions& distributions);

// "distribution": {"all": {...}, "source": {...} or null, "residual": {...} or null}.
void DistributionJson(JsonText& json, const LevelDistributions& distributions);

} // namespace vrd
