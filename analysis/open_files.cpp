#include "analysis/open_files.h"

#include "report/declaration.h"

#include <new>

namespace vrd {

namespace {

// The analysis needs the 1-minute records and the two labels: the lists of a window are dropped.
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

std::string AnalysisLabel(std::string_view label) {
    while (!label.empty() && (label.back() == '\n' || label.back() == '\r' || label.back() == ' '))
        label.remove_suffix(1);
    return std::string(label);
}

OpenedMinutes OpenMinuteLines(const AnalysisInput& input) {
    OpenedMinutes opened;
    try {
        Declaration state;
        LabelsOnly window;
        BeginOpen(state, window, input.path);
        const ReportKind kind = input.plain ? ReportKind::Plain : KindForPath(input.path);
        OpenOutcome outcome = LoadAndParse(state, window, kind);
        opened.failure = std::move(outcome.failure);
        // A file that could not be read or decoded adds nothing; a parse that stopped adds what
        // it had read.
        if (outcome.reportLoaded) {
            opened.minuteLines = std::move(state.MinuteLines);
            opened.site = AnalysisLabel(window.site);
            opened.serial = AnalysisLabel(window.serial);
        }
    } catch (const std::bad_alloc&) {
        opened = OpenedMinutes{};
        opened.failure = MakeFailure(FailureKind::NoMemoryToAnalyse);
    }
    return opened;
}

OpenedSeries OpenSeries(const std::vector<AnalysisInput>& inputs) {
    OpenedSeries opened;
    MinuteSeriesBuilder builder;
    for (const AnalysisInput& input : inputs) {
        try {
            OpenedMinutes minutes = OpenMinuteLines(input);
            if (minutes.failure)
                opened.failures.push_back(
                    {input.path, minutes.failure->stage, minutes.failure->reason});
            builder.Add(minutes.minuteLines);
        } catch (const std::bad_alloc&) {
            const Failure failure = MakeFailure(FailureKind::NoMemoryToAnalyse);
            opened.failures.push_back({input.path, failure.stage, failure.reason});
        }
    }
    opened.series = builder.Finish();
    return opened;
}

} // namespace vrd
