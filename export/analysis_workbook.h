#pragma once
// The tables of an analysis as a spreadsheet workbook (.xlsx): a sheet "Days" (date, Lday,
// Levening, Lnight, Lden and the three coverages) and a sheet "Hours" (start, Leq, Lmax, Lmin,
// minutes). Levels and coverages are numbers, dates and times are spreadsheet dates, and a missing
// level is an empty cell, so that the sheets can be charted and summed as they are.

#include "analysis/analyse.h"

#include <optional>
#include <string>

namespace vrd {

// The spreadsheet serial number of a minute: days since 1899-12-30, the time as the fraction.
double SpreadsheetDate(Minute minute);

// The workbook's bytes; nullopt with reason set when the library could not build it.
std::optional<std::string> BuildAnalysisWorkbook(const AnalysisResult& result, std::string& reason);

// Builds the workbook and writes it to path whole or not at all (see WriteFileSafely). nullopt
// on success, else the reason.
std::optional<std::string> WriteAnalysisWorkbook(const std::string& path,
                                                 const AnalysisResult& result);

} // namespace vrd
