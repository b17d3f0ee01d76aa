#include "report/parse_report.h"

#include "report/complete_lines.h"
#include "report/minute_record.h"
#include "report/number_syntax.h"
#include "report/read_file.h"
#include "report/text_positions.h"

#include <array>
#include <string>

namespace vrd {

namespace {

constexpr std::size_t kShortLine = 16;
constexpr std::size_t kLabelScan = 31;
constexpr std::string_view kHyphens = "---------------------------------------";

struct Header {
    std::string_view prefix;
    std::array<bool, kListCount> closes; // indexed like kAllLists
    ListId opens;
    bool resetsRunningLevels;
};

constexpr std::size_t Index(ListId list) {
    return static_cast<std::size_t>(list);
}

// Tested in this order; the first match acts.
constexpr std::array<Header, 7> kHeaders = {{
    {"1 minute", {}, ListId::Leq1, true},
    {"5 minutes", {true, false, false, false, false, false, false}, ListId::Leq5, false},
    {"10 minutes", {false, true, false, false, false, false, false}, ListId::Leq10, false},
    {"1 hour", {false, false, true, false, false, false, false}, ListId::Leq1h, false},
    {"8 hour", {false, false, false, true, false, false, false}, ListId::Leq8h, false},
    {"16 hour", {false, false, false, false, true, false, false}, ListId::Leq16h, false},
    {"Events", {false, false, false, true, true, true, false}, ListId::Event, false},
}};

class Parser {
  public:
    Parser(Declaration& state, ResultsWindow& window, int trim, const Progress& progress)
        : state_(state), window_(window), trim_(static_cast<std::size_t>(trim)),
          progress_(progress), report_(state.DecodedReport) {}

    std::optional<Failure> Run() {
        open_.fill(false);
        window_.BeginReport(report_);
        state_.MinuteLines.clear();
        // The minute lines are a part of the report: room for all of it costs address space
        // only, and saves copying a year of lines each time the text would have grown.
        ReserveFileBytes(state_.MinuteLines, report_.size());
        window_.SetLabel(LabelId::Name, "");
        window_.SetLabel(LabelId::Serial, "");
        window_.SetCaption(state_.OpenedFileName);
        ReadSiteAndSerial();
        if (auto failure = Walk())
            return failure;
        return Summary();
    }

  private:
    // Both labels act on the first line feed, so the serial label ends up holding the last line
    // that ends within the first 31 characters.
    void ReadSiteAndSerial() {
        const std::string_view head = report_.substr(0, kLabelScan);
        bool nameTaken = false;
        std::size_t lineStart = 0;
        for (std::size_t j = 0; j < head.size(); ++j) {
            if (head[j] != '\n')
                continue;
            const std::string_view line = head.substr(lineStart, j + 1 - lineStart);
            if (!nameTaken) {
                window_.SetLabel(LabelId::Name, line);
                nameTaken = true;
                window_.SetLabel(LabelId::Serial, "");
            } else {
                window_.SetLabel(LabelId::Serial, line);
            }
            lineStart = j + 1;
        }
    }

    std::optional<Failure> Walk() {
        std::optional<Failure> failure;
        const WalkEnd end = ForEachCompleteLine(report_, progress_, [&](std::string_view line) {
            ++lineNumber_;
            failure = HandleLine(line);
            return !failure;
        });
        if (end == WalkEnd::Cancelled)
            return MakeFailure(FailureKind::ReadCancelled);
        return failure;
    }

    std::optional<Failure> HandleLine(std::string_view line) {
        UpdateSections(line);
        for (const ListId list : kAllLists) {
            if (!open_[Index(list)])
                continue;
            window_.AddItem(list, line.substr(0, line.size() - 1));
            if (list == ListId::Leq1)
                return MinuteLine(line);
            return std::nullopt;
        }
        return std::nullopt;
    }

    void UpdateSections(std::string_view line) {
        for (const Header& header : kHeaders) {
            if (!StartsWith(line, header.prefix))
                continue;
            for (std::size_t i = 0; i < kListCount; ++i)
                if (header.closes[i])
                    open_[i] = false;
            open_[Index(header.opens)] = true;
            headingSeen_ = true;
            if (header.resetsRunningLevels)
                ResetRunningLeq(state_.Running);
            return;
        }
        if (line.size() < kShortLine)
            open_.fill(false);
    }

    std::optional<Failure> MinuteLine(std::string_view line) {
        const MinuteRecord record(line);
        if (record.IsGap()) {
            state_.MinuteLines.append(line);
            ResetRunningLeq(state_.Running);
            return std::nullopt;
        }
        if (!record.IsLevel())
            return std::nullopt;

        state_.MinuteLines.append(line);
        const std::string_view field = record.LevelText();
        const std::optional<double> value = record.LevelValue();
        if (!value)
            return LineFailure(FailureKind::LevelNotANumber, field);
        const std::optional<std::int16_t> level = RoundToInt16(*value);
        if (!level)
            return LineFailure(FailureKind::LevelBeyond16Bits, field);
        const std::string error = FeedMinuteLevel(state_.Running, *level);
        if (!error.empty())
            return LineFailure(FailureKind::RunningLevel, error);

        if (*value > maxLevel_) {
            const std::optional<std::int32_t> whole = RoundToInt32(*value);
            if (!whole)
                return LineFailure(FailureKind::LevelBeyond32Bits, field);
            maxLevel_ = *whole;
            maxLevelLine_.assign(line);
        }
        RaiseMaximum(line, state_.Running.Leq5, maxLeq5_, maxLeq5Line_);
        RaiseMaximum(line, state_.Running.Leq10, maxLeq10_, maxLeq10Line_);
        return std::nullopt;
    }

    static void RaiseMaximum(std::string_view line, std::int16_t leq, std::int32_t& maximum,
                             std::string& maximumLine) {
        if (leq <= maximum)
            return;
        maximum = leq;
        const MinuteRecord record(line);
        maximumLine.assign(record.BeforeLevel());
        maximumLine.append(std::to_string(leq));
        maximumLine.append(record.AfterLevel());
    }

    Failure LineFailure(FailureKind kind, std::string_view text) const {
        FailureValues values;
        values.line = static_cast<std::int64_t>(lineNumber_);
        values.text = std::string(text);
        return MakeFailure(kind, std::move(values));
    }

    std::optional<Failure> Summary() {
        if (!maxLevelLine_.empty()) {
            if (auto failure = ListMaximum(ListId::Leq1, "1 minute Leq Log Max         ", maxLevel_,
                                           maxLevelLine_))
                return failure;
        }
        if (auto failure =
                ListMaximum(ListId::Leq5, "5 minutes Leq Log Max         ", maxLeq5_, maxLeq5Line_))
            return failure;
        return ListMaximum(ListId::Leq10, "10 minutes Leq Log Max         ", maxLeq10_,
                           maxLeq10Line_);
    }

    std::optional<Failure> ListMaximum(ListId list, std::string_view heading, std::int32_t level,
                                       const std::string& line) {
        window_.AddItem(list, "");
        window_.AddItem(list, heading);
        window_.AddItem(list, kHyphens);
        if (line.size() < trim_)
            // A text that never names a section is no report at all (a picture, a letter),
            // which says more than the missing level record.
            return MakeFailure(headingSeen_ ? FailureKind::NoLevelRecord : FailureKind::NoReport);
        const std::string_view listed = std::string_view(line).substr(0, line.size() - trim_);
        window_.AddItem(list, listed);
        window_.SetMaximum(list, level, listed);
        return std::nullopt;
    }

    Declaration& state_;
    ResultsWindow& window_;
    const std::size_t trim_;
    const Progress& progress_;
    const std::string_view report_;
    std::array<bool, kListCount> open_{};
    std::size_t lineNumber_ = 0;
    bool headingSeen_ = false;
    std::int32_t maxLevel_ = 0;
    std::string maxLevelLine_;
    std::int32_t maxLeq5_ = 0;
    std::string maxLeq5Line_;
    std::int32_t maxLeq10_ = 0;
    std::string maxLeq10Line_;
};

} // namespace

std::optional<Failure> ParseReport(Declaration& state, ResultsWindow& window, int maxLineTrim,
                                   const Progress& progress) {
    return Parser(state, window, maxLineTrim, progress).Run();
}

} // namespace vrd
