#include "analysis/open_files.h"

#include "report/declaration.h"

#include <new>

namespace vrd {

namespace {

// The analysis needs only the 1-minute records: the lists and labels of a window are dropped.
class NoWindow final : public ResultsWindow {
  public:
    void ClearList(ListId) override {}
    void AddItem(ListId, std::string_view) override {}
    void SetLabel(LabelId, std::string_view) override {}
    void SetCaption(std::string_view) override {}
};

} // namespace

OpenedMinutes OpenMinuteLines(const AnalysisInput& input) {
    OpenedMinutes opened;
    Declaration state;
    NoWindow window;
    BeginOpen(state, window, input.path);
    const ReportKind kind = input.plain ? ReportKind::Plain : KindForPath(input.path);
    OpenOutcome outcome = LoadAndParse(state, window, kind);
    opened.failure = std::move(outcome.failure);
    // A file that could not be read or decoded adds nothing; a parse that stopped adds what it
    // had read.
    if (outcome.reportLoaded)
        opened.minuteLines = std::move(state.MinuteLines);
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
            opened.failures.push_back(
                {input.path, Stage::Read, "there is not enough memory to analyse it"});
        }
    }
    opened.series = builder.Finish();
    return opened;
}

} // namespace vrd
