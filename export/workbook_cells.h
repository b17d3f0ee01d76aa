#pragma once
// What the sheets of the analysis workbook share: their number formats, a header row of names in
// bold, and numbers that may be missing, left as empty cells.

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vrd {

struct WorkbookFormats {
    lxw_format* header = nullptr;
    lxw_format* date = nullptr;
    lxw_format* dateTime = nullptr;
    lxw_format* level = nullptr;
    lxw_format* percent = nullptr;
    lxw_format* smaller = nullptr; // the letters of a few words after a cell's own
};

// A sheet holds 1,048,576 rows, the header included.
constexpr std::int64_t kMostSheetRows = 1048575;

// The characters of a UTF-8 text: its bytes less those that continue a character.
inline std::size_t Utf8Length(const std::string& text) {
    std::size_t length = 0;
    for (const char byte : text)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++length;
    return length;
}

// names in bold across row.
template <std::size_t N>
void WriteHeaderRow(lxw_worksheet* sheet, const WorkbookFormats& formats, lxw_row_t row,
                    const std::array<std::string, N>& names) {
    for (std::size_t i = 0; i < N; ++i)
        worksheet_write_string(sheet, row, static_cast<lxw_col_t>(i), names[i].c_str(),
                               formats.header);
}

// Column i as wide as widths[i] or its name, whichever is wider.
template <std::size_t N>
void SetColumnWidths(lxw_worksheet* sheet, const std::array<std::string, N>& names,
                     const std::array<double, N>& widths) {
    for (std::size_t i = 0; i < N; ++i) {
        const auto column = static_cast<lxw_col_t>(i);
        worksheet_set_column(sheet, column, column,
                             std::max(widths[i], static_cast<double>(Utf8Length(names[i]))),
                             nullptr);
    }
}

// The header row of a sheet of one table, kept in view while the rows scroll.
template <std::size_t N>
void WriteHeader(lxw_worksheet* sheet, const WorkbookFormats& formats,
                 const std::array<std::string, N>& names, const std::array<double, N>& widths) {
    WriteHeaderRow(sheet, formats, 0, names);
    SetColumnWidths(sheet, names, widths);
    worksheet_freeze_panes(sheet, 1, 0);
}

template <typename Number>
void WriteOptional(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column,
                   const std::optional<Number>& value, lxw_format* format) {
    if (value)
        worksheet_write_number(sheet, row, column, static_cast<double>(*value), format);
}

} // namespace vrd
