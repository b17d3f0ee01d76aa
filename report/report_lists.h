#pragma once
// The content of a results window as the parser leaves it: seven lists, two labels and a caption.
//
// Rows that are lines of the report are kept as positions in it instead of copies, so a list of a
// year of minutes costs a few bytes a row; the rows the parser makes itself (the summary) are kept
// as text. Reading a row therefore needs the report the rows were made from.

#include "report/results_window.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrd {

// A maximum as the parser listed it: the level and the line shown.
struct ListedMaximum {
    std::int32_t level = 0;
    std::string line;
};

// A label as the outputs show it: without the line end it was read with.
std::string_view WithoutLineEnd(std::string_view label);

class ReportLists final : public ResultsWindow {
  public:
    // The labels' designed texts, shown until a parse sets them.
    static constexpr std::string_view kDesignedName = "name";
    static constexpr std::string_view kDesignedSerial = "serial";

    // Rows that lie inside report are stored as positions in it.
    void BeginReport(std::string_view report) override { report_ = report; }

    void ClearList(ListId list) override;
    void AddItem(ListId list, std::string_view item) override;
    void SetLabel(LabelId label, std::string_view caption) override;
    void SetCaption(std::string_view caption) override { caption_.assign(caption); }
    void SetMaximum(ListId list, std::int32_t level, std::string_view line) override;

    std::size_t RowCount(ListId list) const;
    // Row `row` of `list`; report must hold the same text that was attached while it was added.
    std::string_view Row(std::string_view report, ListId list, std::size_t row) const;

    const std::string& Label(LabelId label) const {
        return label == LabelId::Name ? name_ : serial_;
    }
    const std::string& Caption() const { return caption_; }
    // The maximum listed at the end of list, when the parse got that far since the list was
    // cleared.
    const std::optional<ListedMaximum>& Maximum(ListId list) const {
        return maxima_[static_cast<std::size_t>(list)];
    }

  private:
    // Reports are smaller than 4 GiB (the reading stops there), so 32 bits hold any position; a
    // line that lay beyond would be kept as text instead.
    struct Span {
        std::uint32_t offset;
        std::uint32_t length;
    };
    // A list is the report's lines first, then any rows of its own; the parser only appends its
    // own rows after the last line of the report.
    struct List {
        std::vector<Span> lines;
        std::vector<std::string> own;
    };

    std::string_view report_;
    std::array<List, kListCount> lists_;
    std::array<std::optional<ListedMaximum>, kListCount> maxima_;
    std::string name_{kDesignedName};
    std::string serial_{kDesignedSerial};
    std::string caption_;
};

} // namespace vrd
