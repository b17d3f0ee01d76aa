// Any bytes as an analysis file: reading never fails but with a named key, and a document that
// reads saves to bytes that read back to the same document and save again to the same bytes.

#include "fuzz/fuzz_check.h"
#include "options/analysis_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr const char* kPath = "campaign/week.vrda";

void CheckSameDocument(const vrd::AnalysisDocument& a, const vrd::AnalysisDocument& b) {
    VRD_FUZZ_CHECK(a.files == b.files && a.plain == b.plain && a.fromTime == b.fromTime &&
                   a.toTime == b.toTime);
    VRD_FUZZ_CHECK(a.threshold == b.threshold && a.preset == b.preset);
    VRD_FUZZ_CHECK(a.periods.day == b.periods.day && a.periods.evening == b.periods.evening &&
                   a.periods.night == b.periods.night);
    VRD_FUZZ_CHECK(a.minimumCoverage == b.minimumCoverage && a.standard == b.standard &&
                   a.indoors == b.indoors && a.who == b.who);
    VRD_FUZZ_CHECK(a.marks.size() == b.marks.size() && a.otherKeys == b.otherKeys);
    for (std::size_t i = 0; i < a.marks.size(); ++i) {
        VRD_FUZZ_CHECK(a.marks[i].kind == b.marks[i].kind);
        VRD_FUZZ_CHECK(a.marks[i].span == b.marks[i].span);
        VRD_FUZZ_CHECK(a.marks[i].reason == b.marks[i].reason);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vrd::AnalysisFileRead read = vrd::ParseAnalysisFile(bytes, kPath);
    if (!read.document) {
        VRD_FUZZ_CHECK(!read.error.empty() && read.error.find(": ") != std::string::npos);
        return 0;
    }
    const vrd::AnalysisFileBytes saved = vrd::FormatAnalysisFile(*read.document, kPath);
    if (saved.error)
        return 0;
    const vrd::AnalysisFileRead again = vrd::ParseAnalysisFile(saved.bytes, kPath);
    VRD_FUZZ_CHECK(again.document.has_value());
    const vrd::AnalysisFileBytes resaved = vrd::FormatAnalysisFile(*again.document, kPath);
    VRD_FUZZ_CHECK(!resaved.error && resaved.bytes == saved.bytes);
    // The first read may hold a reason in another encoding or a key order of its own; the second
    // is what the program saved, and reads back whole.
    const vrd::AnalysisFileRead third = vrd::ParseAnalysisFile(resaved.bytes, kPath);
    VRD_FUZZ_CHECK(third.document.has_value());
    CheckSameDocument(*again.document, *third.document);
    return 0;
}
