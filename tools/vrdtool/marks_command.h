#pragma once
// "vrdtool marks FILE... --above DB": the runs of minutes above a level as a marks file, to edit
// and give back to stats or assess with --marks-file.

#include "tools/vrdtool/marks_options.h"

#include <iosfwd>

namespace CLI {
class App;
}

namespace vrd {

// Adds the command and its options to app; they fill arguments when parsed.
CLI::App* AddMarksCommand(CLI::App& app, MarksArguments& arguments);

// Prints one "[KIND ]FROM/TO above DB dB" line a mark in time order. 0 when every file opened,
// 1 when any failed (printed from what could be read), 2 for a mistake in the options, named on
// err.
int RunMarks(const MarksArguments& arguments, std::ostream& out, std::ostream& err);

} // namespace vrd
