#pragma once
// Puts the options of an analysis on a command of a command-line library whose commands take
// add_flag(name, bool&, help) and add_option(name, target&, help), as CLI11's do; the programs
// that read the options call it with their own command, so this library needs none.

#include "options/analysis_options.h"

namespace vrd {

// Only the options of the groups asked for (OptionGroup bits) are put on the command.
template <typename Command>
void AddAnalysisOptions(Command& command, AnalysisArguments& arguments,
                        unsigned groups = kAllOptions) {
    for (const AnalysisOption& option : AnalysisOptions()) {
        if ((option.group & groups) == 0)
            continue;
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
