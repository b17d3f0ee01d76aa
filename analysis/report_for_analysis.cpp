#include "analysis/report_for_analysis.h"

#include "levels_csv/read_levels_csv.h"
#include "report/complete_lines.h"
#include "report/minute_record.h"
#include "report/read_file.h"
#include "report/running_leq.h"

#include <new>

namespace vrd {

std::vector<RunningMinute> RunningLevelsOfMinuteLines(std::string_view minuteLines) {
    std::vector<RunningMinute> levels;
    RunningLeqState state;
    ResetRunningLeq(state);
    ForEachLine(minuteLines, [&](std::string_view line) {
        const MinuteRecord record(line);
        if (record.IsGap()) {
            ResetRunningLeq(state);
            return true;
        }
        if (!record.IsLevel())
            return true;
        const std::optional<std::int16_t> level = record.Level();
        if (!level)
            return true;
        if (!FeedMinuteLevel(state, *level).empty())
            return false;
        if (const std::optional<Minute> minute = record.When())
            levels.push_back({*minute, state.Leq5, state.Leq10});
        return true;
    });
    return levels;
}

namespace {

// The export's samples, or its failure with the refusal's kind and values.
void ReadCsvFile(ReportForAnalysis& file, const Progress& progress) {
    try {
        FileRead read = ReadWholeFile(file.path);
        if (read.failure) {
            file.failure = std::move(read.failure);
            return;
        }
        LevelsCsvRead levels = ReadLevelsCsv(read.bytes, file.path, file.csv, progress);
        read.bytes = std::string();
        if (levels.refusal) {
            std::string reason = DescribeCsvRefusal(*levels.refusal);
            // The failure names the file apart.
            const std::string named = file.path + ": ";
            if (reason.compare(0, named.size(), named) == 0)
                reason.erase(0, named.size());
            const Stage stage =
                levels.refusal->kind == CsvRefusalKind::Cancelled ? Stage::Cancelled : Stage::Parse;
            file.failure = Failure{stage, std::move(reason)};
            file.csvRefusal = std::move(levels.refusal);
            return;
        }
        file.levels =
            std::make_shared<const LevelSeries>(LevelSeriesFromCsv(std::move(*levels.levels)));
    } catch (const std::bad_alloc&) {
        file.levels.reset();
        file.csvRefusal.reset();
        file.failure = MakeFailure(FailureKind::NoMemoryToAnalyse);
    }
}

} // namespace

ReportForAnalysis OpenReportForAnalysis(const AnalysisInput& input, const Progress& progress) {
    ReportForAnalysis file;
    file.path = input.path;
    if (IsCsvLevelsInput(input)) {
        file.csvLevels = true;
        file.csv = input.csv;
        ReadCsvFile(file, progress);
        return file;
    }
    OpenedMinutes opened = OpenMinuteLines(input);
    file.minuteLines = std::move(opened.minuteLines);
    file.site = std::move(opened.site);
    file.serial = std::move(opened.serial);
    file.failure = std::move(opened.failure);
    return file;
}

std::optional<Millis> StepOfFile(const ReportForAnalysis& file) {
    if (file.csvLevels) {
        if (file.levels && !file.levels->Empty())
            return file.levels->Step();
        return std::nullopt;
    }
    if (file.minuteLines.empty())
        return std::nullopt;
    return kMillisPerMinute;
}

} // namespace vrd
