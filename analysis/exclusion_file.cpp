#include "analysis/exclusion_file.h"

#include "report/complete_lines.h"

namespace vrd {

namespace {

constexpr std::size_t kMinuteText = 16; // "yyyy-mm-ddThh:mm"

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<Interval> ParseInterval(std::string_view text) {
    if (text.size() != 2 * kMinuteText + 1 || text[kMinuteText] != '/')
        return std::nullopt;
    const std::optional<Minute> from = ParseMinute(text.substr(0, kMinuteText));
    const std::optional<Minute> to = ParseMinute(text.substr(kMinuteText + 1));
    if (!from || !to || *from >= *to)
        return std::nullopt;
    return Interval{*from, *to};
}

std::string FormatInterval(const Interval& interval) {
    return FormatMinute(interval.from) + '/' + FormatMinute(interval.to);
}

ExclusionFileRead ParseExclusionFile(std::string_view text) {
    ExclusionFileRead read;
    std::size_t number = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++number;
        if (!line.empty() && line.back() == '\n')
            line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            return true;
        const std::size_t blank = line.find_first_of(" \t");
        const std::string_view interval = line.substr(0, blank);
        const std::optional<Interval> parsed = ParseInterval(interval);
        if (!parsed) {
            read.exclusions.clear();
            read.error = "line " + std::to_string(number) + ": \"" + std::string(interval) +
                         "\" is not an interval FROM/TO of the form "
                         "yyyy-mm-ddThh:mm/yyyy-mm-ddThh:mm with FROM before TO";
            return false;
        }
        std::string_view reason = blank == std::string_view::npos ? "" : line.substr(blank);
        while (!reason.empty() && IsBlank(reason.front()))
            reason.remove_prefix(1);
        while (!reason.empty() && IsBlank(reason.back()))
            reason.remove_suffix(1);
        read.exclusions.push_back({*parsed, std::string(reason)});
        return true;
    });
    return read;
}

std::string FormatExclusionFile(const std::vector<Exclusion>& exclusions) {
    std::string text;
    for (const Exclusion& exclusion : exclusions) {
        text += FormatInterval(exclusion.interval);
        std::string reason = exclusion.reason;
        for (char& c : reason)
            if (c == '\n' || c == '\r' || c == '\t')
                c = ' ';
        while (!reason.empty() && reason.front() == ' ')
            reason.erase(reason.begin());
        while (!reason.empty() && reason.back() == ' ')
            reason.pop_back();
        if (!reason.empty()) {
            text += ' ';
            text += reason;
        }
        text += '\n';
    }
    return text;
}

} // namespace vrd
