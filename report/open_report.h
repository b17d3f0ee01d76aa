#pragma once
// The two open commands after their dialog: "vrd file" reads and decodes an encoded data file,
// "Txt file" reads a plain report; both then parse it into the results window.

#include "report/declaration.h"
#include "report/failure.h"
#include "report/progress.h"
#include "report/results_window.h"

#include <optional>
#include <string>

namespace vrd {

enum class ReportKind { Encoded, Plain };

// Encoded for a name ending in ".vrd" in any case, Plain otherwise.
ReportKind KindForPath(const std::string& path);

struct OpenOutcome {
    // True once the file was read (and decoded): "Save As" is then enabled, and the parse has
    // rebuilt MinuteLines.
    bool reportLoaded = false;
    // True when DecodedReport was replaced, with a partly decoded text on a bad code word too.
    bool reportReplaced = false;
    std::optional<Failure> failure;
};

// The chosen path becomes OpenedFileName and the results window's caption, and its lists are
// cleared. (The main window unblocks the results window before.)
void BeginOpen(Declaration& state, ResultsWindow& window, const std::string& path);

// Reads OpenedFileName into DecodedReport, decoding it when encoded. A file that cannot be read
// or has no code table keeps the previous report; a bad code word leaves the text decoded before
// it. The exports need no more than this.
OpenOutcome LoadReport(Declaration& state, ReportKind kind, const Progress& progress = {});

// LoadReport, then the parse of the report. A failure leaves the
// state as far as the command got.
OpenOutcome LoadAndParse(Declaration& state, ResultsWindow& window, ReportKind kind,
                         const Progress& progress = {});

} // namespace vrd
