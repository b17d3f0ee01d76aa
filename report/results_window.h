#pragma once
// What the parser and the open commands need of the results window.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vrd {

enum class ListId {
    Leq1,
    Leq5,
    Leq10,
    Leq1h,
    Leq8h,
    Leq16h,
    Event,
};
constexpr std::size_t kListCount = 7;

// The lists in the order in which they are cleared and in which they take a line.
constexpr std::array<ListId, kListCount> kAllLists = {ListId::Leq1,  ListId::Leq5,  ListId::Leq10,
                                                      ListId::Leq1h, ListId::Leq8h, ListId::Leq16h,
                                                      ListId::Event};

// "List_Leq1", "List_Leq5", ... "List_event": the lists' names.
const char* ListName(ListId list);

enum class LabelId { Name, Serial };

class ResultsWindow {
  public:
    virtual ~ResultsWindow() = default;
    // The parser is about to add the lines of report; a window may keep positions in it instead
    // of copies, since the report outlives the lists it fills.
    virtual void BeginReport(std::string_view report) { (void)report; }
    virtual void ClearList(ListId list) = 0;
    virtual void AddItem(ListId list, std::string_view item) = 0;
    virtual void SetLabel(LabelId label, std::string_view caption) = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    // The parser has listed line as the maximum of list (Leq1, Leq5 or Leq10), of level decibels.
    virtual void SetMaximum(ListId list, std::int32_t level, std::string_view line) {
        (void)list;
        (void)level;
        (void)line;
    }
};

} // namespace vrd
