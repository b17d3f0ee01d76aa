#pragma once
// What one open command makes: the state as the command left it and the content of the results
// window. It is built whole by the open, off the GUI thread where there is one, and only read
// after: the windows share it as a SharedReport, and the rows of its lists are positions in its
// own report text, so they stay valid for as long as the value does.

#include "report/declaration.h"
#include "report/open_report.h"
#include "report/progress.h"
#include "report/report_lists.h"

#include <memory>
#include <string>

namespace vrd {

struct OpenedReport {
    Declaration state;
    ReportLists window;
    OpenOutcome outcome;
};
using SharedReport = std::shared_ptr<const OpenedReport>;

// The value an open of path starts from: the running levels of before, the report opened until
// now, and the labels of shown, what the results window shows now; path as OpenedFileName and
// caption, no rows, and neither report nor minute lines (an open that replaces them never needs
// the old ones).
OpenedReport BeganOpen(const OpenedReport& before, const ReportLists& shown,
                       const std::string& path);

// The open command run on from began. What it does not replace stays before's: the report when
// the file could not be read (or had no code table), the minute lines when the open stopped
// before its parse. parse false stops after reading (and decoding), which is all the exports
// need. A failure, a cancel through progress or a lack of memory while reading is an outcome; only
// a lack of memory for keeping a copy of before's texts throws.
OpenedReport FinishOpen(OpenedReport began, const OpenedReport& before, ReportKind kind, bool parse,
                        const Progress& progress = {});

// An open cancelled before it read anything: began with before's report and minute lines.
OpenedReport CancelledOpen(OpenedReport began, const OpenedReport& before);

// The whole open command over before, with the labels before shows.
OpenedReport OpenOver(const OpenedReport& before, const std::string& path, ReportKind kind,
                      bool parse, const Progress& progress = {});

// Opens path like "Open" > "vrd file" or "Open" > "Txt file" would right after start-up.
OpenedReport OpenFromStart(const std::string& path, ReportKind kind, bool parse);

} // namespace vrd
