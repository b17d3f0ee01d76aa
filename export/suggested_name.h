#pragma once
// The name both save dialogs suggest: the file name of the report held without its last six
// characters, followed by " decrypt".

#include <optional>
#include <string>
#include <string_view>

namespace vrd {

// nullopt when reportFileName has fewer than six characters.
std::optional<std::string> SuggestedFileName(std::string_view reportFileName);

} // namespace vrd
