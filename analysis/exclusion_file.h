#pragma once
// The marks of an analysis as a plain text file: one per line, "[KIND ]FROM/TO[ REASON]" where
// KIND is exclude, source or residual, FROM/TO is in the form yyyy-mm-ddThh:mm[:ss] (FROM
// inclusive, TO exclusive; the seconds written only when they are not 0), and the reason, after
// blanks, may be empty. A line that starts with the interval is an exclusion, so a file of
// exclusions alone has no kinds. Empty lines and lines starting with
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

// "FROM/TO" as a span; nullopt unless both are times (time_text.h) and FROM is before TO.
std::optional<TimeSpan> ParseSpan(std::string_view text);
std::string FormatSpan(const TimeSpan& span); // "FROM/TO"

// "exclude", "source", "residual": the word that starts a line of that kind.
const char* MarkKindName(MarkKind kind);

// Why a line of a marks file is not a mark, for a program to word in its own language.
enum class MarksFileProblemKind {
    NoIntervalAfterKind,   // a kind word and nothing after it
    NotAnInterval,         // a word that is no interval (a file of exclusions)
    NotAnIntervalNorAKind, // a word that is neither an interval nor a kind (a marks file)
};

struct MarksFileProblem {
    MarksFileProblemKind kind = MarksFileProblemKind::NotAnInterval;
    std::size_t line = 0;                 // from 1
    std::string word;                     // NotAnInterval...: the word as written
    MarkKind markKind = MarkKind::Source; // NoIntervalAfterKind: the kind given
};

// The problem in English, as vrdtool prints it: "line 3: \"rain\" is not an interval ...".
std::string MarksFileProblemText(const MarksFileProblem& problem);

struct MarksFileRead {
    std::vector<Mark> marks;
    std::optional<std::string> error; // "line N: reason" for the first bad line; nothing kept then
    std::optional<MarksFileProblem> problem; // what error says
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
    std::optional<MarksFileProblem> problem; // what error says
};

ExclusionFileRead ParseExclusionFile(std::string_view text);

// The file's bytes for exclusions, as FormatMarksFile writes them.
std::string FormatExclusionFile(const std::vector<Exclusion>& exclusions);

} // namespace vrd
