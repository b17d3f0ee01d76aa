#pragma once
// The options of an analysis as typed (the files, the selection, the exclusions, the threshold,
// the periods), and their reading into the settings. Shared by every program that takes them:
// each wires its own command line to AnalysisArguments, and every mistake comes back named with
// the option and what it expects.

#include "analysis/analysis_settings.h"
#include "analysis/open_files.h"

#include <optional>
#include <string>
#include <vector>

namespace vrd {

struct AnalysisArguments {
    std::vector<std::string> files;
    bool plain = false;
    std::string from;
    std::string to;
    std::vector<std::string> excludes;     // FROM/TO each
    std::vector<std::string> excludeFiles; // files of "FROM/TO reason" lines
    std::string threshold;
    std::string periods;   // "D,E,N"
    std::string penalties; // "PE,PN"
};

struct AnalysisRequest {
    std::vector<AnalysisInput> inputs;
    std::vector<std::string> files; // as given
    AnalysisSettings settings;
};

struct AnalysisRequestRead {
    std::optional<AnalysisRequest> request;
    std::string error; // "--from: ..." when request is empty
};

// Reads the arguments, and the exclusion files they name.
AnalysisRequestRead ReadAnalysisArguments(const AnalysisArguments& arguments);

// How an option is given on a command line, for the programs that wire them.
enum class OptionShape { Flag, Value, Values };

// One option of AnalysisArguments: its name, help text and the member it fills. Exactly one of
// the member pointers is set, the one that fits shape.
struct AnalysisOption {
    const char* name;
    const char* help;
    OptionShape shape;
    bool AnalysisArguments::*flag = nullptr;
    std::string AnalysisArguments::*value = nullptr;
    std::vector<std::string> AnalysisArguments::*values = nullptr;
};

// Every option but the files, in the order the help lists them.
const std::vector<AnalysisOption>& AnalysisOptions();

} // namespace vrd
