#include "testkit/report_generator.h"

#include "testkit/energy_average.h"
#include "testkit/level_model.h"
#include "testkit/report_lines.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace vrd::testkit {
namespace {

// A run of consecutive minutes above the threshold; a gap ends it.
struct Event {
    std::int64_t first_minute;
    std::int64_t duration;
    int max_level;
};

std::vector<Event> FindEvents(const std::vector<std::uint8_t>& levels, int threshold) {
    std::vector<Event> events;
    for (std::size_t minute = 0; minute < levels.size(); ++minute) {
        const int level = levels[minute];
        if (level == kGapMinute || level <= threshold)
            continue;
        const auto index = static_cast<std::int64_t>(minute);
        if (!events.empty() && events.back().first_minute + events.back().duration == index) {
            ++events.back().duration;
            events.back().max_level = std::max(events.back().max_level, level);
        } else {
            events.push_back({index, 1, level});
        }
    }
    return events;
}

std::int64_t IntervalCount(std::int64_t minutes, int interval) {
    return (minutes + interval - 1) / interval;
}

// Writes straight into one buffer reserved for the whole report.
class ReportWriter {
  public:
    ReportWriter(std::size_t capacity, LineEnding ending)
        : line_end_(ending == LineEnding::kCrLf ? "\r\n" : "\n") {
        text_.reserve(capacity);
    }

    static std::size_t LineEndLength(LineEnding ending) {
        return ending == LineEnding::kCrLf ? 2 : 1;
    }

    void Line(std::string_view content) {
        text_.append(content);
        text_.append(line_end_);
    }

    // A record already written at the start of line_ with the given length.
    void Record(std::size_t length) { Line(std::string_view(line_, length)); }
    char* RecordBuffer() { return line_; }

    std::string Take() { return std::move(text_); }

  private:
    std::string text_;
    std::string_view line_end_;
    char line_[kLongestEventRecord];
};

void WriteLevelSection(const LevelSection& section, const std::vector<std::uint8_t>& levels,
                       std::int64_t start, ReportWriter& writer) {
    writer.Line(section.header);
    writer.Line(kHeaderRule);
    const auto total = static_cast<std::int64_t>(levels.size());
    for (std::int64_t first = 0; first < total; first += section.interval_minutes) {
        const std::int64_t end = std::min(total, first + section.interval_minutes);
        EnergyAverage average;
        for (std::int64_t minute = first; minute < end; ++minute) {
            if (levels[static_cast<std::size_t>(minute)] != kGapMinute)
                average.Add(levels[static_cast<std::size_t>(minute)]);
        }
        const DateTime time = DateTimeFromMinutes(start + first);
        if (average.Count() == 0)
            WriteGapRecord(time, writer.RecordBuffer());
        else
            WriteLevelRecord(time, average.RoundedLevel(), writer.RecordBuffer());
        writer.Record(kRecordLength);
    }
    writer.Line({});
}

} // namespace

std::string CheckReportOptions(const ReportOptions& options) {
    if (!IsValidDateTime(options.start))
        return "start is not a real date and time between years 1 and 9999";
    if (options.minutes < 0 || options.minutes > kMostMinutes)
        return "minutes must be between 0 and " + std::to_string(kMostMinutes);
    const std::int64_t last_minute = std::max<std::int64_t>(options.minutes - 1, 0);
    if (AddMinutes(options.start, last_minute).year > 9999)
        return "the report would run past the year 9999";
    if (!(options.gap_probability >= 0.0 && options.gap_probability <= 1.0))
        return "gap probability must be between 0 and 1";
    if (options.site.size() > kLongestSite)
        return "site is longer than " + std::to_string(kLongestSite) + " characters";
    const auto has_line_break = [](const std::string& text) {
        return text.find_first_of("\r\n") != std::string::npos;
    };
    if (has_line_break(options.site) || has_line_break(options.serial))
        return "site and serial must be single lines";
    return {};
}

std::string GenerateReport(const ReportOptions& options) {
    if (!CheckReportOptions(options).empty())
        return {};
    const std::vector<std::uint8_t> levels = GenerateMinuteLevels(
        {options.seed, options.start, options.minutes, options.gap_probability});
    const std::vector<Event> events = FindEvents(levels, options.event_threshold);

    // Size known up front (events counted at their longest), so the text is allocated once.
    const std::size_t line_end = ReportWriter::LineEndLength(options.line_ending);
    std::size_t size = options.site.size() + options.serial.size() + 2 * line_end;
    for (const LevelSection& section : kLevelSections) {
        const auto records =
            static_cast<std::size_t>(IntervalCount(options.minutes, section.interval_minutes));
        size += section.header.size() + kHeaderRule.size() + 3 * line_end +
                records * (kRecordLength + line_end);
    }
    size += kEventsHeader.size() + kHeaderRule.size() + 3 * line_end +
            events.size() * (kLongestEventRecord + line_end);

    ReportWriter writer(size, options.line_ending);
    writer.Line(options.site);
    writer.Line(options.serial);
    const std::int64_t start = MinutesSinceEpoch(options.start);
    for (const LevelSection& section : kLevelSections)
        WriteLevelSection(section, levels, start, writer);

    writer.Line(kEventsHeader);
    writer.Line(kHeaderRule);
    for (const Event& event : events) {
        const std::size_t length =
            WriteEventRecord(DateTimeFromMinutes(start + event.first_minute), event.max_level,
                             event.duration, writer.RecordBuffer());
        writer.Record(length);
    }
    writer.Line({});
    return writer.Take();
}

} // namespace vrd::testkit
