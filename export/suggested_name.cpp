#include "export/suggested_name.h"

namespace vrd {

std::optional<std::string> SuggestedFileName(std::string_view lastChosenName) {
    constexpr std::size_t kCut = 6;
    if (lastChosenName.size() < kCut)
        return std::nullopt;
    std::string name(lastChosenName.substr(0, lastChosenName.size() - kCut));
    name.append(" decrypt");
    return name;
}

} // namespace vrd
