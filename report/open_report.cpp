#include "report/open_report.h"

#include "report/decode.h"
#include "report/parse_report.h"
#include "report/read_file.h"

#include <cctype>
#include <new>

namespace vrd {

ReportKind KindForPath(const std::string& path) {
    constexpr std::string_view kExtension = ".vrd";
    if (path.size() < kExtension.size())
        return ReportKind::Plain;
    const std::string_view tail = std::string_view(path).substr(path.size() - kExtension.size());
    for (std::size_t i = 0; i < kExtension.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != kExtension[i])
            return ReportKind::Plain;
    return ReportKind::Encoded;
}

void BeginOpen(Declaration& state, ResultsWindow& window, const std::string& path) {
    state.OpenedFileName = path;
    for (const ListId list : kAllLists)
        window.ClearList(list);
    // Cleared lists belong to this open, whatever comes of it: a window that no longer shows the
    // previous report does not carry its name.
    window.SetCaption(path);
}

namespace {

OpenOutcome LoadReportOrThrow(Declaration& state, ReportKind kind, const Progress& progress) {
    OpenOutcome outcome;
    if (kind == ReportKind::Encoded) {
        // Decoded piece by piece as it is read: the encoded file is never held whole.
        DecodeResult decoded = DecodeEncodedFile(state.OpenedFileName, progress);
        if (decoded.tableRead) {
            state.DecodedReport = std::move(decoded.text);
            outcome.reportReplaced = true;
        }
        if (decoded.failure) {
            outcome.failure = std::move(decoded.failure);
            return outcome;
        }
    } else {
        FileRead file = ReadWholeFile(state.OpenedFileName);
        if (file.failure) {
            outcome.failure = std::move(file.failure);
            return outcome;
        }
        state.DecodedReport = std::move(file.bytes);
        outcome.reportReplaced = true;
    }
    outcome.reportLoaded = true;
    return outcome;
}

} // namespace

// A file too large for the memory left ends the command with a reason, not the program.
OpenOutcome LoadReport(Declaration& state, ReportKind kind, const Progress& progress) {
    try {
        return LoadReportOrThrow(state, kind, progress);
    } catch (const std::bad_alloc&) {
        OpenOutcome outcome;
        outcome.failure = MakeFailure(FailureKind::NoMemoryToRead);
        return outcome;
    }
}

OpenOutcome LoadAndParse(Declaration& state, ResultsWindow& window, ReportKind kind,
                         const Progress& progress) {
    OpenOutcome outcome = LoadReport(state, kind, progress);
    if (!outcome.reportLoaded)
        return outcome;
    const int trim = kind == ReportKind::Encoded ? kTrimDecoded : kTrimPlain;
    try {
        outcome.failure = ParseReport(state, window, trim, progress);
    } catch (const std::bad_alloc&) {
        outcome.failure = MakeFailure(FailureKind::NoMemoryToList);
    }
    return outcome;
}

} // namespace vrd
