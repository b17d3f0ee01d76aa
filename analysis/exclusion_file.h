#pragma once
// The marks of an analysis as a plain text file: one per line, "[KIND ]FROM/TO[ REASON]" where
// KIND is exclude, source or residual, FROM/TO is in the form yyyy-mm-ddThh:mm (FROM inclusive,
// TO exclusive), and the reason, after blanks, may be empty. A line that starts with the interval
// is an exclusion, so a file of exclusions alone has no kinds. Empty lines and lines starting with
// "#" are skipped; a carriage return before the line feed is allowed.
//
//   2011-05-12T14:00/2011-05-12T16:30 rain
//   source 2011-05-13T07:00/2011-05-13T12:00 the fan of the bakery
//   residual 2011-05-14T07:00/2011-05-14T12:00 the bakery closed

#include "analysis/analysis_settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrd {

// "FROM/TO" as an interval; nullopt unless both are minutes and FROM is before TO.
std::optional<Interval> ParseInterval(std::string_view text);
std::string FormatInterval(const Interval& interval); // "FROM/TO"

// "exclude", "source", "residual": the word that starts a line of that kind.
const char* MarkKindName(MarkKind kind);

struct MarksFileRead {
    std::vector<Mark> marks;
    std::optional<std::string> error; // "line N: reason" for the first bad line; nothing kept then
};

MarksFileRead ParseMarksFile(std::string_view text);

// The file's bytes for marks: one line each, ended by a line feed, the kind first for source and
// residual marks only. A reason's line feeds, carriage returns and tabs become blanks, so that
// every mark reads back.
std::string FormatMarksFile(const std::vector<Mark>& marks);

// A file of exclusions only: a line with a kind is a bad line.
struct ExclusionFileRead {
    std::vector<Exclusion> exclusions;
    std::optional<std::string> error; // "line N: reason" for the first bad line; nothing kept then
};

ExclusionFileRead ParseExclusionFile(std::string_view text);

// The file's bytes for exclusions, as FormatMarksFile writes them.
std::string FormatExclusionFile(const std::vector<Exclusion>& exclusions);

} // namespace vrd
