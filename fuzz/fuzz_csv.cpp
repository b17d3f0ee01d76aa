// Any bytes as a report, converted to semicolon-separated rows. The conversion is compared with a
// plain character-by-character walk of the same rules, which is slow but obviously right.

#include "export/csv_export.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Characters first..last (from 1) of line, as many as there are.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    if (first > line.size())
        return {};
    return line.substr(first - 1, last - first + 1);
}

std::string WalkOneCharacterAtATime(std::string_view report) {
    std::string out;
    std::string line;
    for (std::size_t p = 0; p + 1 < report.size(); ++p) {
        line.push_back(report[p]);
        if (report[p] != '\n')
            continue;
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
        line.clear();
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view report(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> text = vrd::BuildCsvText(report);
    VRD_FUZZ_CHECK(text.has_value());
    VRD_FUZZ_CHECK(*text == WalkOneCharacterAtATime(report));
    // A record's row is never longer than its line, and every other line is copied or dropped.
    VRD_FUZZ_CHECK(text->size() <= report.size());

    const std::optional<std::string> file = vrd::CsvFileBytes(report);
    VRD_FUZZ_CHECK(file.has_value() && *file == *text + "\r\n");
    return 0;
}
