#pragma once
// "vrdtool assess FILE... --standard S": a noise under assessment, from the source and residual
// marks of the 1-minute levels of one or more reports.

#include "tools/vrdtool/assess_options.h"

#include <iosfwd>

namespace CLI {
class App;
}

namespace vrd {

// Adds the command and its options to app; they fill arguments when parsed.
CLI::App* AddAssessCommand(CLI::App& app, AssessArguments& arguments);

// 0 when every file opened, 1 when any failed (printed from what could be read), 2 for a mistake
// in the options, named on err.
int RunAssess(const AssessArguments& arguments, std::ostream& out, std::ostream& err);

} // namespace vrd
