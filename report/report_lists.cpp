#include "report/report_lists.h"

#include <functional>
#include <limits>

namespace vrd {

namespace {

std::size_t Index(ListId list) {
    return static_cast<std::size_t>(list);
}

// Whether view lies inside text (compared as addresses, which std::less makes well defined).
bool LiesInside(std::string_view view, std::string_view text) {
    const std::less<const char*> before;
    return !view.empty() && !before(view.data(), text.data()) &&
           !before(text.data() + text.size(), view.data() + view.size());
}

} // namespace

std::string_view WithoutLineEnd(std::string_view label) {
    while (!label.empty() && (label.back() == '\n' || label.back() == '\r'))
        label.remove_suffix(1);
    return label;
}

void ReportLists::ClearList(ListId list) {
    List& target = lists_[Index(list)];
    target.lines.clear();
    target.lines.shrink_to_fit();
    target.own.clear();
    maxima_[Index(list)].reset();
}

void ReportLists::AddItem(ListId list, std::string_view item) {
    List& target = lists_[Index(list)];
    if (target.own.empty() && item.empty()) {
        // An empty row reads the same at any position.
        target.lines.push_back({0, 0});
        return;
    }
    if (target.own.empty() && LiesInside(item, report_)) {
        const auto offset = static_cast<std::uint64_t>(item.data() - report_.data());
        if (offset + item.size() <= std::numeric_limits<std::uint32_t>::max()) {
            target.lines.push_back(
                {static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(item.size())});
            return;
        }
    }
    target.own.emplace_back(item);
}

void ReportLists::SetMaximum(ListId list, std::int32_t level, std::string_view line) {
    maxima_[Index(list)] = ListedMaximum{level, std::string(line)};
}

void ReportLists::SetLabel(LabelId label, std::string_view caption) {
    (label == LabelId::Name ? name_ : serial_).assign(caption);
}

std::size_t ReportLists::RowCount(ListId list) const {
    const List& source = lists_[Index(list)];
    return source.lines.size() + source.own.size();
}

std::string_view ReportLists::Row(std::string_view report, ListId list, std::size_t row) const {
    const List& source = lists_[Index(list)];
    if (row < source.lines.size()) {
        const Span span = source.lines[row];
        return report.substr(static_cast<std::size_t>(span.offset),
                             static_cast<std::size_t>(span.length));
    }
    return source.own[row - source.lines.size()];
}

} // namespace vrd
