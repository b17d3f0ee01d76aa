#pragma once
// The tables of an analysis as comma-separated values for a spreadsheet (RFC 4180): a header row,
// then one row per day (or hour), CRLF line ends, and an empty field where a level is missing.

#include "analysis/analyse.h"

#include <ostream>

namespace vrd {

// date, Lday, Levening, Lnight, Lden and the three coverages in percent.
void WriteDaysCsv(std::ostream& out, const AnalysisResult& result);

// start ("yyyy-mm-dd hh:mm"), Leq, Lmax, Lmin and the minutes measured.
void WriteHoursCsv(std::ostream& out, const AnalysisResult& result);

} // namespace vrd
