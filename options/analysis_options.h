#pragma once
// The options of an analysis as typed (the files, the selection, the marks, the threshold, the
// periods, the standard of an assessment), and their reading into the settings. Shared by every
// program that takes them: each wires its own command line to AnalysisArguments, and every mistake
// comes back named with the option and what it expects.

#include "analysis/analysis_settings.h"
#include "analysis/assess.h"
#include "analysis/open_files.h"
#include "options/analysis_file.h"

#include <optional>
#include <string>
#include <vector>

namespace vrd {

struct AnalysisArguments {
    std::string analysis;           // an analysis file whose values the other options override
    std::vector<std::string> files; // replace the analysis file's reports when given
    bool plain = false;
    bool csvLevels = false;  // every FILE a CSV export of levels
    std::string levelColumn; // NAME or N of the exports' level column
    std::string l90Column;   // NAME, N or none
    std::string stamp;       // start or end
    std::string from;
    std::string to;
    std::vector<std::string> excludes;     // FROM/TO each
    std::vector<std::string> sources;      // FROM/TO each
    std::vector<std::string> residuals;    // FROM/TO each
    std::vector<std::string> marksFiles;   // files of "[KIND ]FROM/TO reason" lines
    std::vector<std::string> excludeFiles; // the same, by the option's older name
    std::string threshold;
    std::string periods;   // "D,E,N"
    std::string penalties; // "PE,PN"
    std::string preset;    // a name of PeriodPresets()
    std::string who;       // road, rail, aircraft or wind
    std::string standard;  // fr-neighbourhood, fr-icpe or bs4142
    bool indoors = false;
};

struct AnalysisRequest {
    std::vector<AnalysisInput> inputs;
    std::vector<std::string> files; // as given, or as the analysis file names them
    AnalysisSettings settings;
    std::optional<AssessmentSettings> assessment;     // with --standard
    double minimumCoverage = kDefaultMinimumCoverage; // of the analysis file
};

struct AnalysisRequestRead {
    std::optional<AnalysisRequest> request;
    std::string error; // "--from: ..." when request is empty
};

// Reads the arguments, and the analysis and marks files they name. With an analysis file every
// value comes from it but those the arguments give: the files given replace its reports, the
// marks given are added to its marks, and any other option given replaces its value. At least one
// report is needed.
AnalysisRequestRead ReadAnalysisArguments(const AnalysisArguments& arguments);

// A number with a decimal point whatever the locale ("62.5"; a leading "+" allowed); nullopt for
// anything else, infinities and NaN included.
std::optional<double> OptionNumber(const std::string& text);

// How an option is given on a command line, for the programs that wire them.
enum class OptionShape { Flag, Value, Values };

// What an option is about, so that a command takes only those it uses: the reports, the selection
// and the minutes left out (every command), the source and residual marks, the levels of the days
// and periods, or the standard of an assessment.
enum OptionGroup : unsigned {
    kMinuteOptions = 1,
    kLevelOptions = 2,
    kAssessmentOptions = 4,
    kSourceOptions = 8,
    kAllOptions = 15,
};

// One option of AnalysisArguments: its name, help text and the member it fills. Exactly one of
// the member pointers is set, the one that fits shape.
struct AnalysisOption {
    const char* name;
    const char* help;
    OptionShape shape;
    bool AnalysisArguments::*flag = nullptr;
    std::string AnalysisArguments::*value = nullptr;
    std::vector<std::string> AnalysisArguments::*values = nullptr;
    OptionGroup group = kMinuteOptions;
};

// Every option but the files, in the order the help lists them.
const std::vector<AnalysisOption>& AnalysisOptions();

} // namespace vrd
