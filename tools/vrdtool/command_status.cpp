#include "tools/vrdtool/command_status.h"

#include "analysis/exclusion_file.h"

namespace vrd {

int FinishAnalysisCommand(std::ostream& out, std::ostream& err,
                          const std::vector<FileFailure>& failures) {
    out.flush();
    int status = 0;
    if (!out) {
        err << "vrdtool: standard output: cannot write\n";
        status = 1;
    }
    for (const FileFailure& failure : failures) {
        err << "vrdtool: " << failure.file << ": " << failure.reason << '\n';
        status = 1;
    }
    return status;
}

void WarnOfMarksOutside(std::ostream& err, const std::vector<Mark>& outside) {
    if (outside.empty())
        return;
    err << "vrdtool: " << outside.size() << (outside.size() == 1 ? " mark lies" : " marks lie")
        << " outside the reports' minutes:";
    for (const Mark& mark : outside)
        err << ' ' << FormatSpan(mark.span);
    err << '\n';
}

} // namespace vrd
