#include "options/report_paths.h"

#include <filesystem>
#include <system_error>

namespace vrd {

namespace fs = std::filesystem;

namespace {

// The absolute, normal form of path, without a trailing separator; path as it is when the current
// folder cannot be known.
fs::path Absolute(const fs::path& path) {
    std::error_code failed;
    fs::path absolute = fs::absolute(path.empty() ? fs::path(".") : path, failed);
    if (failed)
        return path.lexically_normal();
    absolute = absolute.lexically_normal();
    if (!absolute.has_filename() && absolute.has_relative_path())
        absolute = absolute.parent_path();
    return absolute;
}

// The first folder below the root: "/home/a/b" gives "home".
fs::path FirstFolder(const fs::path& path) {
    const fs::path relative = path.relative_path();
    return relative.empty() ? fs::path() : *relative.begin();
}

} // namespace

bool IsAbsolutePath(const std::string& path) {
    return fs::path(path).is_absolute();
}

std::string ResolveReportPath(const std::string& stored, const std::string& analysisPath) {
    const fs::path path(stored);
    if (path.is_absolute())
        return stored;
    return (fs::path(analysisPath).parent_path() / path).lexically_normal().string();
}

std::string StoredReportPath(const std::string& report, const std::string& analysisPath,
                             bool absolute) {
    const fs::path target = Absolute(report);
    if (absolute)
        return target.string();
    const fs::path folder = Absolute(fs::path(analysisPath).parent_path());
    if (target.root_path() != folder.root_path() || FirstFolder(target).empty() ||
        FirstFolder(target) != FirstFolder(folder))
        return target.string();
    const fs::path relative = target.lexically_relative(folder);
    return relative.empty() ? target.string() : relative.string();
}

} // namespace vrd
