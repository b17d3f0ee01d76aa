#include "export/export_bytes.h"

#include "export/csv_export.h"
#include "export/file_end.h"
#include "export/text_export.h"

#include <utility>

namespace vrd {

std::string ExportBytes(std::string_view report, ExportFormat format) {
    if (format == ExportFormat::Text)
        return TextFileBytes(report);
    // Without a progress nothing can cancel it.
    return *CsvFileBytes(report);
}

std::string ExportBytes(std::string&& report, ExportFormat format) {
    std::string taken = std::move(report);
    if (format == ExportFormat::Text)
        return std::move(taken.append(kFileEnd));
    return ExportBytes(std::string_view(taken), format);
}

} // namespace vrd
