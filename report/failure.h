#pragma once
// What went wrong in a command: the stage it stopped at and a reason a person can read.

#include <optional>
#include <string>

namespace vrd {

enum class Stage { Read, Decode, Parse, Cancelled };

struct Failure {
    Stage stage;
    std::string reason;
};

// "read", "decode", "parse" or "cancelled", as the command line and the JSON output name them.
const char* StageName(Stage stage);

} // namespace vrd
