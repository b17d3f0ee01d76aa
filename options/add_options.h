#pragma once
// Puts the options of an analysis on a command of a command-line library whose commands take
// add_flag(name, bool&, help) and add_option(name, target&, help), as CLI11's do; the programs
// that read the options call it with their own command, so this library needs none.

#include "options/analysis_options.h"

namespace vrd {

template <typename Command>
void AddAnalysisOptions(Command& command, AnalysisArguments& arguments) {
    for (const AnalysisOption& option : AnalysisOptions()) {
        switch (option.shape) {
        case OptionShape::Flag:
            command.add_flag(option.name, arguments.*option.flag, option.help);
            break;
        case OptionShape::Value:
            command.add_option(option.name, arguments.*option.value, option.help);
            break;
        case OptionShape::Values:
            command.add_option(option.name, arguments.*option.values, option.help);
            break;
        }
    }
}

} // namespace vrd
