#include "export/text_export.h"

#include "export/file_end.h"

namespace vrd {

std::string TextFileBytes(std::string_view report) {
    std::string bytes;
    bytes.reserve(report.size() + kFileEnd.size());
    bytes.append(report);
    bytes.append(kFileEnd);
    return bytes;
}

} // namespace vrd
