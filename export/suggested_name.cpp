#include "export/suggested_name.h"

namespace vrd {

std::optional<std::string> SuggestedFileName(std::string_view reportFileName) {
    constexpr std::size_t kCut = 6;
    if (reportFileName.size() < kCut)
        return std::nullopt;
    std::string name(reportFileName.substr(0, reportFileName.size() - kCut));
    name.append(" decrypt");
    return name;
}

} // namespace vrd
