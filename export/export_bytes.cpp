#include "export/export_bytes.h"

#include "export/csv_export.h"
#include "export/text_export.h"

namespace vrd {

std::string ExportBytes(std::string_view report, ExportFormat format) {
    if (format == ExportFormat::Text)
        return TextFileBytes(report);
    // Without a progress nothing can cancel it.
    return *CsvFileBytes(report);
}

} // namespace vrd
