#include "analysis/report_for_analysis.h"

#include "report/declaration.h"
#include "report/minute_record.h"
#include "report/open_report.h"
#include "report/running_leq.h"

#include <cstring>
#include <new>

namespace vrd {

namespace {

// A label without the line end it was read with.
std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

// Keeps the two labels the parse sets; the lists are not needed.
class LabelsOnly final : public ResultsWindow {
  public:
    void ClearList(ListId) override {}
    void AddItem(ListId, std::string_view) override {}
    void SetLabel(LabelId label, std::string_view caption) override {
        (label == LabelId::Name ? site : serial).assign(caption);
    }
    void SetCaption(std::string_view) override {}

    std::string site;
    std::string serial;
};

} // namespace

std::vector<RunningMinute> RunningLevelsOfMinuteLines(std::string_view minuteLines) {
    std::vector<RunningMinute> levels;
    RunningLeqState state;
    ResetRunningLeq(state);
    std::size_t start = 0;
    while (start < minuteLines.size()) {
        const void* feed =
            std::memchr(minuteLines.data() + start, '\n', minuteLines.size() - start);
        const std::size_t end =
            feed == nullptr
                ? minuteLines.size()
                : static_cast<std::size_t>(static_cast<const char*>(feed) - minuteLines.data()) + 1;
        const MinuteRecord record(minuteLines.substr(start, end - start));
        start = end;
        if (record.IsGap()) {
            ResetRunningLeq(state);
            continue;
        }
        if (!record.IsLevel())
            continue;
        const std::optional<std::int16_t> level = record.Level();
        if (!level)
            continue;
        if (!FeedMinuteLevel(state, *level).empty())
            break;
        if (const std::optional<Minute> minute = record.When())
            levels.push_back({*minute, state.Leq5, state.Leq10});
    }
    return levels;
}

ReportForAnalysis OpenReportForAnalysis(const AnalysisInput& input) {
    ReportForAnalysis opened;
    opened.path = input.path;
    try {
        Declaration state;
        LabelsOnly window;
        BeginOpen(state, window, input.path);
        const ReportKind kind = input.plain ? ReportKind::Plain : KindForPath(input.path);
        OpenOutcome outcome = LoadAndParse(state, window, kind);
        opened.failure = std::move(outcome.failure);
        if (outcome.reportLoaded) {
            opened.minuteLines = std::move(state.MinuteLines);
            opened.site = Trimmed(std::move(window.site));
            opened.serial = Trimmed(std::move(window.serial));
        }
    } catch (const std::bad_alloc&) {
        opened.minuteLines.clear();
        opened.failure = Failure{Stage::Read, "there is not enough memory to analyse it"};
    }
    return opened;
}

} // namespace vrd
