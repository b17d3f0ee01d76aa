#include "report/opened_report.h"

#include <exception>
#include <new>
#include <utility>

namespace vrd {

OpenedReport BeganOpen(const OpenedReport& before, const ReportLists& shown,
                       const std::string& path) {
    OpenedReport began;
    began.state.Running = before.state.Running;
    began.window.SetLabel(LabelId::Name, shown.Label(LabelId::Name));
    began.window.SetLabel(LabelId::Serial, shown.Label(LabelId::Serial));
    BeginOpen(began.state, began.window, path);
    return began;
}

namespace {

OpenOutcome LoadOrFail(OpenedReport& next, ReportKind kind, bool parse, const Progress& progress) {
    try {
        return parse ? LoadAndParse(next.state, next.window, kind, progress)
                     : LoadReport(next.state, kind, progress);
    } catch (const std::bad_alloc&) {
        return {false, false, MakeFailure(FailureKind::NoMemoryToRead)};
    } catch (const std::exception& error) {
        return {false, false, MakeFailure(FailureKind::Unexpected, {0, 0, 0, error.what()})};
    } catch (...) {
        return {false, false, MakeFailure(FailureKind::Unexpected)};
    }
}

} // namespace

OpenedReport FinishOpen(OpenedReport began, const OpenedReport& before, ReportKind kind, bool parse,
                        const Progress& progress) {
    OpenedReport next = began;
    next.outcome = LoadOrFail(next, kind, parse, progress);
    if (!next.outcome.reportReplaced) {
        // Nothing was read, or a throw left the lists half made: the open keeps what it began
        // with, and before's report.
        OpenedReport kept = CancelledOpen(std::move(began), before);
        kept.outcome = std::move(next.outcome);
        return kept;
    }
    // Copied on this path only: an open that parses a report makes its own.
    if (!(parse && next.outcome.reportLoaded))
        next.state.MinuteLines = before.state.MinuteLines;
    return next;
}

OpenedReport CancelledOpen(OpenedReport began, const OpenedReport& before) {
    began.state.DecodedReport = before.state.DecodedReport;
    began.state.MinuteLines = before.state.MinuteLines;
    return began;
}

OpenedReport OpenOver(const OpenedReport& before, const std::string& path, ReportKind kind,
                      bool parse, const Progress& progress) {
    return FinishOpen(BeganOpen(before, before.window, path), before, kind, parse, progress);
}

OpenedReport OpenFromStart(const std::string& path, ReportKind kind, bool parse) {
    return OpenOver(OpenedReport{}, path, kind, parse);
}

} // namespace vrd
