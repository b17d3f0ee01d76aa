#pragma once
// "Save As" > "csv file" and "Save As" > "txt file": suggest a name, ask for the path, write the
// file so that it appears whole or not at all.

#include "app/common_dialog.h"
#include "export/export_bytes.h"

#include <QString>

#include <string_view>

struct ExportOutcome {
    enum class Result {
        Written,
        Cancelled,       // the user cancelled the save dialog
        NoSuggestedName, // the report's file name is too short to suggest one; no dialog shown
        Failed,          // the file could not be written
    };
    Result result = Result::Cancelled;
    QString path;   // the path chosen, when there was one
    QString reason; // why, for NoSuggestedName and Failed
};

// The filter the save dialog offers for format.
QString ExportFilter(vrd::ExportFormat format);

ExportOutcome SaveReport(CommonDialog& dialog, std::string_view report, vrd::ExportFormat format);
