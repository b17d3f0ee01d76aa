#include "analysis/exclusion_file.h"

#include "analysis/time_text.h"
#include "report/complete_lines.h"

#include <array>
#include <tuple>
#include <utility>

namespace vrd {

namespace {

constexpr const char* kIntervalForm = "an interval FROM/TO of the form "
                                      "yyyy-mm-ddThh:mm[:ss]/yyyy-mm-ddThh:mm[:ss] with FROM "
                                      "before TO";
constexpr std::array<MarkKind, 3> kKinds = {MarkKind::Exclude, MarkKind::Source,
                                            MarkKind::Residual};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The first word of text and what follows it.
std::pair<std::string_view, std::string_view> FirstWord(std::string_view text) {
    const std::size_t blank = text.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, blank), text.substr(blank)};
}

std::optional<MarkKind> KindNamed(std::string_view word) {
    for (const MarkKind kind : kKinds)
        if (word == MarkKindName(kind))
            return kind;
    return std::nullopt;
}

// One line of a marks file, or why it is not one. Kinds are read only when withKinds.
std::optional<Mark> ParseLine(std::string_view line, bool withKinds, MarksFileProblem& problem) {
    auto [word, rest] = FirstWord(line);
    Mark mark;
    const std::optional<MarkKind> kind = withKinds ? KindNamed(word) : std::nullopt;
    if (kind) {
        mark.kind = *kind;
        const std::string_view after = Trimmed(rest);
        std::tie(word, rest) = FirstWord(after);
        if (word.empty()) {
            problem.kind = MarksFileProblemKind::NoIntervalAfterKind;
            problem.markKind = *kind;
            return std::nullopt;
        }
    }
    const std::optional<TimeSpan> span = ParseSpan(word);
    if (!span) {
        problem.kind = withKinds && !kind ? MarksFileProblemKind::NotAnIntervalNorAKind
                                          : MarksFileProblemKind::NotAnInterval;
        problem.word = std::string(word);
        return std::nullopt;
    }
    mark.span = *span;
    mark.reason = std::string(Trimmed(rest));
    return mark;
}

MarksFileRead ParseLines(std::string_view text, bool withKinds) {
    MarksFileRead read;
    std::size_t number = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++number;
        if (!line.empty() && line.back() == '\n')
            line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            return true;
        MarksFileProblem problem;
        std::optional<Mark> mark = ParseLine(line, withKinds, problem);
        if (!mark) {
            read.marks.clear();
            problem.line = number;
            read.error = MarksFileProblemText(problem);
            read.problem = std::move(problem);
            return false;
        }
        read.marks.push_back(std::move(*mark));
        return true;
    });
    return read;
}

// The reason on one line, without blanks at its ends.
std::string OneLineReason(std::string reason) {
    for (char& c : reason)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    return std::string(Trimmed(reason));
}

} // namespace

std::optional<TimeSpan> ParseSpan(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const std::optional<Millis> from = ParseTime(text.substr(0, slash));
    const std::optional<Millis> to = ParseTime(text.substr(slash + 1));
    if (!from || !to || *from >= *to)
        return std::nullopt;
    return TimeSpan{*from, *to};
}

std::string FormatSpan(const TimeSpan& span) {
    return FormatTime(span.start) + '/' + FormatTime(span.end);
}

const char* MarkKindName(MarkKind kind) {
    switch (kind) {
    case MarkKind::Source:
        return "source";
    case MarkKind::Residual:
        return "residual";
    case MarkKind::Exclude:
        break;
    }
    return "exclude";
}

std::string MarksFileProblemText(const MarksFileProblem& problem) {
    std::string text = "line " + std::to_string(problem.line) + ": ";
    switch (problem.kind) {
    case MarksFileProblemKind::NoIntervalAfterKind:
        return text + "\"" + MarkKindName(problem.markKind) + "\" is not followed by " +
               kIntervalForm;
    case MarksFileProblemKind::NotAnInterval:
        return text + "\"" + problem.word + "\" is not " + kIntervalForm;
    case MarksFileProblemKind::NotAnIntervalNorAKind:
        break;
    }
    return text + "\"" + problem.word + "\" is not " + kIntervalForm +
           ", nor a kind (exclude, source or residual) before one";
}

MarksFileRead ParseMarksFile(std::string_view text) {
    return ParseLines(text, true);
}

std::string FormatMarksFile(const std::vector<Mark>& marks) {
    std::string text;
    for (const Mark& mark : marks) {
        if (mark.kind != MarkKind::Exclude) {
            text += MarkKindName(mark.kind);
            text += ' ';
        }
        text += FormatSpan(mark.span);
        const std::string reason = OneLineReason(mark.reason);
        if (!reason.empty()) {
            text += ' ';
            text += reason;
        }
        text += '\n';
    }
    return text;
}

ExclusionFileRead ParseExclusionFile(std::string_view text) {
    MarksFileRead marks = ParseLines(text, false);
    ExclusionFileRead read;
    read.error = std::move(marks.error);
    read.problem = std::move(marks.problem);
    read.exclusions.reserve(marks.marks.size());
    for (Mark& mark : marks.marks)
        read.exclusions.push_back({mark.span, std::move(mark.reason)});
    return read;
}

std::string FormatExclusionFile(const std::vector<Exclusion>& exclusions) {
    std::vector<Mark> marks;
    marks.reserve(exclusions.size());
    for (const Exclusion& exclusion : exclusions)
        marks.push_back({MarkKind::Exclude, exclusion.span, exclusion.reason});
    return FormatMarksFile(marks);
}

} // namespace vrd
