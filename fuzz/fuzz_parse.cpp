// Any bytes as a plain report, parsed as after "Txt file" and as after "vrd file". The lists keep
// report lines as positions: every row must read back as the text the parser handed over, and
// the state the parse leaves must stay within its ranges.

#include "fuzz/fuzz_check.h"
#include "report/parse_report.h"
#include "report/report_lists.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Hands every call on to the lists under test and keeps plain copies to compare them with.
class CopyingWindow final : public vrd::ResultsWindow {
  public:
    explicit CopyingWindow(vrd::ReportLists& lists) : lists_(lists) {}

    void BeginReport(std::string_view report) override { lists_.BeginReport(report); }
    void ClearList(vrd::ListId list) override {
        lists_.ClearList(list);
        copies_[Index(list)].clear();
    }
    void AddItem(vrd::ListId list, std::string_view item) override {
        lists_.AddItem(list, item);
        copies_[Index(list)].emplace_back(item);
    }
    void SetLabel(vrd::LabelId label, std::string_view caption) override {
        lists_.SetLabel(label, caption);
    }
    void SetCaption(std::string_view caption) override { lists_.SetCaption(caption); }

    const std::vector<std::string>& Copies(vrd::ListId list) const { return copies_[Index(list)]; }

  private:
    static std::size_t Index(vrd::ListId list) { return static_cast<std::size_t>(list); }

    vrd::ReportLists& lists_;
    std::array<std::vector<std::string>, vrd::kListCount> copies_;
};

bool EndsWithLineFeed(const std::string& text) {
    return !text.empty() && text.back() == '\n';
}

void ParseAndCheck(vrd::Declaration& state, int trim) {
    vrd::ReportLists lists;
    CopyingWindow window(lists);
    for (const vrd::ListId list : vrd::kAllLists)
        window.ClearList(list);
    const std::optional<vrd::Failure> failure = vrd::ParseReport(state, window, trim);

    if (failure) {
        VRD_FUZZ_CHECK(failure->stage == vrd::Stage::Parse);
        VRD_FUZZ_CHECK(!failure->reason.empty());
    }
    for (const vrd::ListId list : vrd::kAllLists) {
        const std::vector<std::string>& copies = window.Copies(list);
        VRD_FUZZ_CHECK(lists.RowCount(list) == copies.size());
        for (std::size_t row = 0; row < copies.size(); ++row) {
            const std::string_view read = lists.Row(state.DecodedReport, list, row);
            VRD_FUZZ_CHECK(read == copies[row]);
            // Lines lose their line feed and the maximum lines at least one character.
            VRD_FUZZ_CHECK(read.find('\n') == std::string_view::npos);
        }
    }
    for (const vrd::LabelId label : {vrd::LabelId::Name, vrd::LabelId::Serial}) {
        const std::string& text = lists.Label(label);
        VRD_FUZZ_CHECK(text.empty() || (EndsWithLineFeed(text) && text.size() <= 31));
    }
    VRD_FUZZ_CHECK(lists.Caption() == state.OpenedFileName);

    // Whole records of the 1-minute list, and no more of them than the list holds.
    const std::string& minutes = state.MinuteLines;
    VRD_FUZZ_CHECK(minutes.empty() || EndsWithLineFeed(minutes));
    VRD_FUZZ_CHECK(minutes.size() <= state.DecodedReport.size());
    std::size_t records = 0;
    for (const char c : minutes)
        records += c == '\n' ? 1 : 0;
    VRD_FUZZ_CHECK(records <= lists.RowCount(vrd::ListId::Leq1));

    VRD_FUZZ_CHECK(state.Running.RingIndex5 >= 0 && state.Running.RingIndex5 < 5);
    VRD_FUZZ_CHECK(state.Running.RingIndex10 >= 0 && state.Running.RingIndex10 < 10);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vrd::Declaration state;
    state.DecodedReport.assign(reinterpret_cast<const char*>(data), size);
    state.OpenedFileName = "/reports/site.vrd";
    ParseAndCheck(state, vrd::kTrimDecoded);
    // Opened again as a plain report: the rings carry their positions over, as in the program.
    state.OpenedFileName = "/reports/site.txt";
    ParseAndCheck(state, vrd::kTrimPlain);
    return 0;
}
