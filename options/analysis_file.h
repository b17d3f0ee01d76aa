#pragma once
// The analysis file (.vrda): an analysis saved as a JSON document, so that the reports, the
// selection, the settings, the standard and the marks of an hour's work can be reopened by the
// analysis window or run again by vrdtool and vrdview --report.
//
//   {"format": "vrd-analysis", "version": 1, "files": ["week19.vrd"], "plain": false,
//    "from": "2011-05-12T07:00", "to": null, "threshold": 65, "preset": "eu",
//    "periods": [7, 19, 23], "penalties": [5, 10], "min_coverage": 0.5,
//    "standard": "fr-neighbourhood", "indoors": false, "who": null,
//    "marks": [{"kind": "source", "from": "...", "to": "...", "reason": "breaker"}],
//    "columns": {"meter.csv": {"time": "Date", "clock": "Heure", "level": "LAeq", "l90": "LA90",
//                              "stamp": "end"}}}
//
// Every key but "format" may be left out and then takes its default. The reports are saved
// relative to the analysis file's folder, so that a folder of logs and its analysis move
// together. Keys this version does not know are kept for the next save.

#include "analysis/analysis_settings.h"
#include "analysis/assessment_calendar.h"
#include "analysis/who_guidelines.h"
#include "levels_csv/csv_layout.h"
#include "options/analysis_file_problem.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vrd {

constexpr const char* kAnalysisFormat = "vrd-analysis";
constexpr int kAnalysisFileVersion = 1;
// Below this share of a period measured, its figures rest on too little data.
constexpr double kDefaultMinimumCoverage = 0.5;

// The columns a CSV export of the analysis is read by, as the user chose them. A column is a
// header (a text) or a number from 1; "none" for the LA90 reads none; a key left out is found
// from the file, as the stamp left out is the start.
struct CsvColumnsOfFile {
    std::string file; // as in files
    CsvReadOptions options;
    // The keys of its object this version does not know, as JSON text, kept for the next save.
    std::vector<std::pair<std::string, std::string>> otherKeys;
};

struct AnalysisDocument {
    // The reports, as paths this program opens: relative to the current folder, or absolute.
    std::vector<std::string> files;
    bool plain = false;             // every report read as a plain one, whatever its name
    std::optional<Millis> fromTime; // "from" and "to", to the second
    std::optional<Millis> toTime;
    std::optional<double> threshold;
    std::string preset = "eu"; // the name of the preset of the periods; empty when set by hand
    Periods periods;
    double minimumCoverage = kDefaultMinimumCoverage;
    std::optional<Standard> standard;
    bool indoors = false;
    std::optional<WhoSource> who;
    std::vector<Mark> marks; // of every kind, in the order given
    // The columns of the CSV exports among files that are not read as found ("columns"), each
    // file's path as files gives it.
    std::vector<CsvColumnsOfFile> columns;
    // Save the reports as absolute paths: the user's choice, or read from a file that held
    // nothing else.
    bool absolutePaths = false;
    // The keys this version does not know, each with its value as JSON text, in the order read.
    std::vector<std::pair<std::string, std::string>> otherKeys;
};

struct AnalysisFileRead {
    std::optional<AnalysisDocument> document;
    std::string error; // "KEY: reason" when document is empty; the caller names the file
    std::optional<AnalysisFileProblem> problem; // what error says
};

// The bytes of an analysis file read from path: the reports it names relative to its folder
// come back relative to the current folder.
AnalysisFileRead ParseAnalysisFile(std::string_view bytes, const std::string& path);

// Reads the file at path; the error then names the file ("PATH: KEY: reason"), the problem does
// not.
AnalysisFileRead ReadAnalysisFile(const std::string& path);

struct AnalysisFileBytes {
    std::string bytes;
    std::optional<std::string> error;           // "KEY: reason" for what JSON cannot hold
    std::optional<AnalysisFileProblem> problem; // what error says
};

// The bytes to save document as path: the keys in a fixed order, indented by two blanks, whole
// numbers without a fraction, so that saving what was opened gives the same bytes. A report is
// saved relative to path's folder, unless the document asks for absolute paths or the two share
// no folder below the root.
AnalysisFileBytes FormatAnalysisFile(const AnalysisDocument& document, const std::string& path);

// The settings of an analysis as the document gives them, marks put where the settings keep them;
// and the document of settings (their exclusions first among the marks, then the source and
// residual marks), with the rest of document as it is.
AnalysisSettings DocumentSettings(const AnalysisDocument& document);
void PutSettings(AnalysisDocument& document, const AnalysisSettings& settings);

// The columns and stamp file is read by: those the document keeps for it, else as found.
CsvReadOptions ColumnsOf(const AnalysisDocument& document, const std::string& file);
// Keeps options for file (replacing those it had); options found in every respect are not kept.
void PutColumns(AnalysisDocument& document, const std::string& file, const CsvReadOptions& options);

// True for a name ending in ".vrda", in any case.
bool IsAnalysisFileName(std::string_view path);

} // namespace vrd
