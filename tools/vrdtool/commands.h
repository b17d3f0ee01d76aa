#pragma once
// The commands of vrdtool, each writing to the given streams and returning the exit status.

#include "export/export_bytes.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace vrd {

struct ToolInput {
    std::string file;
    bool plain = false; // read FILE as a plain report whatever its name
};

int RunShow(const ToolInput& input, bool json, std::ostream& out, std::ostream& err);

// Writes the export to output (a path), or to out when output is empty.
int RunExport(const ToolInput& input, ExportFormat format, const std::string& output,
              std::ostream& out, std::ostream& err);

} // namespace vrd
