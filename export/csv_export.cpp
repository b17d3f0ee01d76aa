#include "export/csv_export.h"

#include "export/file_end.h"
#include "report/text_positions.h"

#include <cstring>

namespace vrd {

namespace {

// A record row carries no line end of its own: it ends with whatever columns 33 to 36 hold.
void AppendLine(std::string& out, std::string_view line) {
    if (Columns(line, 23, 25) == "Leq") {
        out.append(Columns(line, 1, 10));
        out.append(Columns(line, 13, 18));
        out.push_back(';');
        out.append(Columns(line, 29, 31));
        out.push_back(';');
        out.append(Columns(line, 33, 36));
    } else if (line.front() != '-') {
        out.append(line);
    }
}

} // namespace

std::optional<std::string> BuildCsvText(std::string_view report, const Progress& progress) {
    std::string out;
    if (report.size() < 2)
        return out;
    out.reserve(report.size());
    const std::size_t end = report.size() - 1;
    std::size_t start = 0;
    std::uint64_t nextReport = kProgressStep;
    while (start < end) {
        const void* feed = std::memchr(report.data() + start, '\n', end - start);
        if (feed == nullptr)
            break;
        const auto lineEnd =
            static_cast<std::size_t>(static_cast<const char*>(feed) - report.data()) + 1;
        AppendLine(out, report.substr(start, lineEnd - start));
        start = lineEnd;
        if (progress && start >= nextReport) {
            nextReport = start + kProgressStep;
            if (!progress(start, report.size()))
                return std::nullopt;
        }
    }
    return out;
}

std::optional<std::string> CsvFileBytes(std::string_view report, const Progress& progress) {
    std::optional<std::string> text = BuildCsvText(report, progress);
    if (text)
        text->append(kFileEnd);
    return text;
}

} // namespace vrd
