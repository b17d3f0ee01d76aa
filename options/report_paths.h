#pragma once
// Where the reports of an analysis file are: saved relative to the file's folder, so that a
// folder of logs and its analysis can be moved or sent together, and read back relative to the
// current folder. Worked out on the names alone: no file needs to exist.

#include <string>

namespace vrd {

bool IsAbsolutePath(const std::string& path);

// The path of a report that the analysis file at analysisPath names as stored: an absolute one
// as it is, a relative one from the analysis file's folder.
std::string ResolveReportPath(const std::string& stored, const std::string& analysisPath);

// The path to store for report in the analysis file at analysisPath: relative to its folder,
// unless absolute is asked for or the two share no folder below the root (another disk, /media
// against /home), where a relative path would break as soon as either moves.
std::string StoredReportPath(const std::string& report, const std::string& analysisPath,
                             bool absolute);

} // namespace vrd
