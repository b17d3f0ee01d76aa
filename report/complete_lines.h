#pragma once
// Walking a text line by line: as the parse does, where the text's last character is never
// examined (so a last line whose line feed is that character, and any text after the last line
// feed, are never handled), or every line, as the minute records and other files are read.

#include "report/progress.h"

#include <cstring>
#include <string_view>

namespace vrd {

enum class WalkEnd { Done, Stopped, Cancelled };

// Calls handle(line) for each complete line, line feed included, until it returns false
// (Stopped). progress is offered the position every kProgressStep bytes; when it says stop, the
// walk ends as Cancelled.
template <typename Handle>
WalkEnd ForEachCompleteLine(std::string_view text, const Progress& progress, Handle&& handle) {
    if (text.size() < 2)
        return WalkEnd::Done;
    const std::size_t end = text.size() - 1;
    std::size_t start = 0;
    std::uint64_t nextReport = kProgressStep;
    while (start < end) {
        const void* feed = std::memchr(text.data() + start, '\n', end - start);
        if (feed == nullptr)
            break;
        const auto lineEnd =
            static_cast<std::size_t>(static_cast<const char*>(feed) - text.data()) + 1;
        if (!handle(text.substr(start, lineEnd - start)))
            return WalkEnd::Stopped;
        start = lineEnd;
        if (progress && start >= nextReport) {
            nextReport = start + kProgressStep;
            if (!progress(start, text.size()))
                return WalkEnd::Cancelled;
        }
    }
    return WalkEnd::Done;
}

// Calls handle(line) for every line, line feed included, and for a last line without one, until
// handle returns false.
template <typename Handle> void ForEachLine(std::string_view text, Handle&& handle) {
    std::size_t start = 0;
    while (start < text.size()) {
        const void* feed = std::memchr(text.data() + start, '\n', text.size() - start);
        const std::size_t end =
            feed == nullptr
                ? text.size()
                : static_cast<std::size_t>(static_cast<const char*>(feed) - text.data()) + 1;
        if (!handle(text.substr(start, end - start)))
            return;
        start = end;
    }
}

} // namespace vrd
