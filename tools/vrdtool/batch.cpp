#include "tools/vrdtool/batch.h"

#include <ostream>
#include <set>
#include <sstream>
#include <sys/stat.h>

namespace vrd {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

std::string BatchOutputPath(const std::string& folder, const std::string& input,
                            ExportFormat format) {
    const std::size_t slash = input.find_last_of('/');
    std::string name = slash == std::string::npos ? input : input.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    name += format == ExportFormat::Text ? ".txt" : ".csv";
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

int RunBatchExport(const std::vector<std::string>& files, bool plain, ExportFormat format,
                   const std::string& folder, std::ostream& out, std::ostream& err) {
    int status = 0;
    std::set<std::string> written;
    const auto refuse = [&](const std::string& file, const std::string& reason) {
        err << "vrdtool: " << file << ": " << reason << '\n';
        out << file << ": failed\n";
        status = 1;
    };
    for (const std::string& file : files) {
        const std::string output = BatchOutputPath(folder, file, format);
        if (SameFile(file, output)) {
            refuse(file, "the export would replace the report itself");
            continue;
        }
        // Two reports of the same name (day.vrd and day.txt) would write the same output.
        if (!written.insert(output).second) {
            refuse(file, "an earlier file of this call already wrote " + output);
            continue;
        }
        std::ostringstream unused;
        if (RunExport({file, plain}, format, output, unused, err) == 0) {
            out << file << " -> " << output << '\n';
        } else {
            out << file << ": failed\n";
            status = 1;
        }
    }
    return status;
}

} // namespace vrd
