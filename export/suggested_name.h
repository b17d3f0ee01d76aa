#pragma once
// The name both save dialogs suggest: the last file name chosen in the dialog without its last six
// characters, followed by " decrypt".

#include <optional>
#include <string>
#include <string_view>

namespace vrd {

// nullopt when lastChosenName has fewer than six characters.
std::optional<std::string> SuggestedFileName(std::string_view lastChosenName);

} // namespace vrd
