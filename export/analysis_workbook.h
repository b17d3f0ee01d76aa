#pragma once
// The tables of an analysis as a spreadsheet workbook (.xlsx): a sheet "Days" (date, Lday,
// Levening, Lnight, Lden and the three coverages) and a sheet "Hours" (start, Leq, Lmax, Lmin,
// minutes). Levels and coverages are numbers, dates and times are spreadsheet dates, and a missing
// level is an empty cell, so that the sheets can be charted and summed as they are. With an
// assessment, a third sheet "Assessment" holds its periods or intervals
// (export/assessment_sheet.h). The names of the sheets, columns and verdicts are the caller's to
// give, in the language of its reader.

#include "analysis/analyse.h"
#include "analysis/assess.h"

#include <array>
#include <optional>
#include <string>

namespace vrd {

// The names of the sheets and of their columns, in UTF-8, each column's with its unit; English
// unless the caller says.
struct WorkbookLabels {
    std::string days = "Days";
    std::string hours = "Hours";
    std::array<std::string, 8> dayColumns = {
        "Date",      "Lday (dB)",    "Levening (dB)",    "Lnight (dB)",
        "Lden (dB)", "Day coverage", "Evening coverage", "Night coverage"};
    std::array<std::string, 5> hourColumns = {"Start", "Leq (dB)", "Lmax (dB)", "Lmin (dB)",
                                              "Minutes"};
    // How the dates and the minutes read, as the spreadsheet's number formats.
    std::string dateFormat = "yyyy-mm-dd";
    std::string minuteFormat = "yyyy-mm-dd hh:mm";

    std::string assessment = "Assessment";
    // The French standards; the pooled rows name themselves in the date's column.
    std::array<std::string, 12> emergenceColumns = {
        "Date",           "Period",    "Source (min)", "Ambient (dB)", "Residual (dB)", "Indicator",
        "Emergence (dB)", "Term (dB)", "Limit (dB)",   "Margin (dB)",  "Verdict",       "Notes"};
    std::string overall = "Overall";
    // bs4142: the intervals, then the background of each label.
    std::array<std::string, 5> intervalColumns = {"Start", "Length (min)", "Period",
                                                  "Residual (min)", "L90 (dB)"};
    std::array<std::string, 4> backgroundColumns = {"Period", "Intervals with an L90", "Mode (dB)",
                                                    "Median (dB)"};
    // By PeriodLabel, by VerdictWording and by EmergenceNote, in the order of their enumerators;
    // the side a not-conclusive verdict leans to follows its words in smaller letters.
    std::array<std::string, 3> periodLabels = {"Day", "Holiday", "Night"};
    std::array<std::string, 6> verdicts = {"No data", "Below the gate", "Compliant",
                                           "Exceeds", "Not conclusive", "Not conclusive"};
    std::array<std::string, 6> leanings = {"", "", "", "", "compliant", "exceeds"};
    std::array<std::string, 2> notes = {"Residual louder than ambient",
                                        "Residual measured under 30 min"};
};

// The spreadsheet serial number of a minute: days since 1899-12-30, the time as the fraction.
double SpreadsheetDate(Minute minute);

// The workbook's bytes; nullopt with reason set when the library could not build it (or a sheet
// name is one a workbook refuses: more than 31 characters, or one of []:*?/\). The sheet of the
// assessment only when one is given.
std::optional<std::string> BuildAnalysisWorkbook(const AnalysisResult& result, std::string& reason,
                                                 const WorkbookLabels& labels = {},
                                                 const AssessmentResult* assessment = nullptr);

// Builds the workbook and writes it to path whole or not at all (see WriteFileSafely). nullopt
// on success, else the reason.
std::optional<std::string> WriteAnalysisWorkbook(const std::string& path,
                                                 const AnalysisResult& result,
                                                 const WorkbookLabels& labels = {},
                                                 const AssessmentResult* assessment = nullptr);

} // namespace vrd
