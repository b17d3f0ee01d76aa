#pragma once
// The list of exclusions as a plain text file: one per line, "FROM/TO" in the form
// yyyy-mm-ddThh:mm (FROM inclusive, TO exclusive), then blanks and the reason, which may be empty.
// Empty lines and lines starting with "#" are skipped; a carriage return before the line feed is
// allowed.
//
//   2011-05-12T14:00/2011-05-12T16:30 rain
//   2011-05-13T07:00/2011-05-13T12:00 road works

#include "analysis/analysis_settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrd {

// "FROM/TO" as an interval; nullopt unless both are minutes and FROM is before TO.
std::optional<Interval> ParseInterval(std::string_view text);
std::string FormatInterval(const Interval& interval); // "FROM/TO"

struct ExclusionFileRead {
    std::vector<Exclusion> exclusions;
    std::optional<std::string> error; // "line N: reason" for the first bad line; nothing kept then
};

ExclusionFileRead ParseExclusionFile(std::string_view text);

// The file's bytes for exclusions: one line each, ended by a line feed. A reason's line feeds and
// carriage returns become blanks, so that every exclusion reads back.
std::string FormatExclusionFile(const std::vector<Exclusion>& exclusions);

} // namespace vrd
