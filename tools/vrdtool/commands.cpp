#include "tools/vrdtool/commands.h"

#include "export/safe_write.h"
#include "report/opened_report.h"
#include "tools/vrdtool/show_json.h"

#include <ostream>
#include <utility>

namespace vrd {

namespace {

ReportKind KindOf(const ToolInput& input) {
    return input.plain ? ReportKind::Plain : KindForPath(input.file);
}

int Fail(std::ostream& err, const std::string& file, const std::string& reason) {
    err << "vrdtool: " << file << ": " << reason << '\n';
    return 1;
}

// The maximum line of the summary that ends list, when the parse got that far.
std::string_view MaximumOf(const OpenedReport& opened, ListId list) {
    const std::optional<ListedMaximum>& maximum = opened.window.Maximum(list);
    return maximum ? std::string_view(maximum->line) : "(none)";
}

void PrintSummary(const std::string& file, const OpenedReport& opened, std::ostream& out) {
    out << "file:    " << file << '\n';
    out << "site:    " << WithoutLineEnd(opened.window.Label(LabelId::Name)) << '\n';
    out << "serial:  " << WithoutLineEnd(opened.window.Label(LabelId::Serial)) << '\n';
    for (const ListId list : kAllLists)
        out << ListName(list) << ": " << opened.window.RowCount(list) << " lines\n";
    out << "maximum 1 minute:   " << MaximumOf(opened, ListId::Leq1) << '\n';
    out << "maximum 5 minutes:  " << MaximumOf(opened, ListId::Leq5) << '\n';
    out << "maximum 10 minutes: " << MaximumOf(opened, ListId::Leq10) << '\n';
}

} // namespace

int RunShow(const ToolInput& input, bool json, std::ostream& out, std::ostream& err) {
    const OpenedReport opened = OpenFromStart(input.file, KindOf(input), true);
    if (json) {
        WriteShowJson(out, input.file, opened);
        out << '\n';
    } else {
        PrintSummary(input.file, opened, out);
    }
    out.flush();
    if (!out)
        return Fail(err, "standard output", "cannot write");
    if (opened.outcome.failure)
        return Fail(err, input.file, opened.outcome.failure->reason);
    return 0;
}

int RunExport(const ToolInput& input, ExportFormat format, const std::string& output,
              std::ostream& out, std::ostream& err) {
    OpenedReport opened = OpenFromStart(input.file, KindOf(input), false);
    if (!opened.outcome.reportLoaded)
        return Fail(err, input.file, opened.outcome.failure->reason);
    const std::string bytes = ExportBytes(std::move(opened.state.DecodedReport), format);
    if (output.empty()) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out)
            return Fail(err, "standard output", "cannot write");
        return 0;
    }
    if (const std::optional<std::string> error = WriteFileSafely(output, bytes))
        return Fail(err, output, *error);
    return 0;
}

} // namespace vrd
