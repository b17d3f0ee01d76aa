#include "tools/vrdtool/command_status.h"

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

} // namespace vrd
