#include "analysis/open_files.h"

#include "levels_csv/read_levels_csv.h"
#include "report/declaration.h"
#include "report/read_file.h"

#include <algorithm>
#include <cctype>
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

bool IsCsvLevelsInput(const AnalysisInput& input) {
    if (input.csvLevels)
        return true;
    if (input.plain || input.path.size() < 4)
        return false;
    std::string suffix = input.path.substr(input.path.size() - 4);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return suffix == ".csv";
}

OpenedLevels OpenLevelsCsv(const AnalysisInput& input) {
    OpenedLevels opened;
    try {
        FileRead file = ReadWholeFile(input.path);
        if (file.failure) {
            opened.failure = FileFailure{input.path, file.failure->stage, file.failure->reason};
            return opened;
        }
        LevelsCsvRead read = ReadLevelsCsv(file.bytes, input.path, input.csv);
        file.bytes = std::string();
        if (read.refusal) {
            // The wording names the file first; the failure names it apart.
            std::string reason = DescribeCsvRefusal(*read.refusal);
            const std::string named = input.path + ": ";
            if (reason.compare(0, named.size(), named) == 0)
                reason.erase(0, named.size());
            const Stage stage =
                read.refusal->kind == CsvRefusalKind::Cancelled ? Stage::Cancelled : Stage::Parse;
            opened.failure = FileFailure{input.path, stage, std::move(reason)};
            return opened;
        }
        opened.series = LevelSeriesFromCsv(std::move(*read.levels));
    } catch (const std::bad_alloc&) {
        opened = OpenedLevels{};
        opened.failure = FileFailure{input.path, Stage::Read,
                                     MakeFailure(FailureKind::NoMemoryToAnalyse).reason};
    }
    return opened;
}

OpenedSeries OpenSeries(const std::vector<AnalysisInput>& inputs) {
    OpenedSeries opened;
    MinuteSeriesBuilder builder;
    std::optional<std::string> firstReport;
    struct Part {
        std::string path;
        LevelSeries series;
    };
    std::vector<Part> exports;
    for (const AnalysisInput& input : inputs) {
        if (IsCsvLevelsInput(input)) {
            OpenedLevels levels = OpenLevelsCsv(input);
            if (levels.failure)
                opened.failures.push_back(std::move(*levels.failure));
            else
                exports.push_back({input.path, std::move(*levels.series)});
            continue;
        }
        try {
            OpenedMinutes minutes = OpenMinuteLines(input);
            if (minutes.failure)
                opened.failures.push_back(
                    {input.path, minutes.failure->stage, minutes.failure->reason});
            if (!minutes.minuteLines.empty() && !firstReport)
                firstReport = input.path;
            builder.Add(minutes.minuteLines);
        } catch (const std::bad_alloc&) {
            const Failure failure = MakeFailure(FailureKind::NoMemoryToAnalyse);
            opened.failures.push_back({input.path, failure.stage, failure.reason});
        }
    }
    try {
        const MinuteSeries minutes = builder.Finish();
        // The first file with samples sets the step of the analysis.
        std::optional<Part> merged;
        if (firstReport)
            merged = Part{*firstReport, LevelSeriesFromMinutes(minutes)};
        for (Part& part : exports) {
            if (!merged) {
                merged = std::move(part);
                continue;
            }
            if (part.series.Step() != merged->series.Step()) {
                opened.failures.push_back(
                    {part.path, Stage::Parse,
                     "its samples are " + FormatDuration(part.series.Step()) + " long, those of " +
                         merged->path + " " + FormatDuration(merged->series.Step()) +
                         ": files of different steps make separate analyses"});
                continue;
            }
            merged->series = MergeLevelSeries(merged->series, part.series);
        }
        if (merged)
            opened.series = std::move(merged->series);
    } catch (const std::bad_alloc&) {
        opened.failures.push_back({inputs.empty() ? std::string() : inputs.front().path,
                                   Stage::Read,
                                   MakeFailure(FailureKind::NoMemoryToAnalyse).reason});
    }
    return opened;
}

} // namespace vrd
