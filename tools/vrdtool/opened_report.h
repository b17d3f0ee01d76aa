#pragma once
// One open command run from the program-start state, as the command line does it.

#include "report/declaration.h"
#include "report/open_report.h"
#include "report/report_lists.h"

#include <string>

namespace vrd {

struct OpenedReport {
    Declaration state;
    ReportLists window;
    OpenOutcome outcome;
};

// Opens path like "Open" > "vrd file" or "Open" > "Txt file" would right after start-up; parse
// false stops after reading (and decoding), which is all the exports need.
OpenedReport OpenFromStart(const std::string& path, ReportKind kind, bool parse);

} // namespace vrd
