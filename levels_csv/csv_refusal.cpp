#include "levels_csv/csv_refusal.h"

#include "levels_csv/level_number.h"

namespace vrd {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

const char* WhatRoleHolds(CsvColumnRole role) {
    switch (role) {
    case CsvColumnRole::Time:
        return "the time";
    case CsvColumnRole::Level:
        return "the A-weighted Leq";
    case CsvColumnRole::L90:
        return "the LA90";
    }
    return "";
}

std::string HeaderList(const std::vector<std::string>& headers) {
    std::string text;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += Quoted(headers[i]);
    }
    return text.empty() ? "none" : text;
}

std::string ColumnList(const CsvRefusal& refusal) {
    std::string text;
    for (std::size_t i = 0; i < refusal.columns.size(); ++i) {
        const auto column = static_cast<std::size_t>(refusal.columns[i]);
        if (i > 0)
            text += ", ";
        if (column < refusal.headers.size())
            text += Quoted(refusal.headers[column]) + " ";
        text += "(column " + std::to_string(column + 1) + ")";
    }
    return text;
}

std::string ChooseWith(CsvColumnRole role) {
    const std::string option = CsvColumnOption(role);
    if (option.empty())
        return "";
    return "; choose one with " + option + " NAME or NUMBER";
}

} // namespace

const char* CsvColumnOption(CsvColumnRole role) {
    switch (role) {
    case CsvColumnRole::Time:
        return "";
    case CsvColumnRole::Level:
        return "--level-column";
    case CsvColumnRole::L90:
        return "--l90-column";
    }
    return "";
}

std::string DescribeCsvBadLine(const CsvBadLine& bad) {
    std::string text = "line " + std::to_string(bad.line) + ": ";
    switch (bad.problem) {
    case CsvRowProblem::FieldMissing:
        return text + "the row has no column " + std::to_string(bad.column);
    case CsvRowProblem::TimeUnreadable:
        return text + "the time " + Quoted(bad.text) + " cannot be read";
    case CsvRowProblem::LevelNotNumber:
        return text + "the level " + Quoted(bad.text) + " is no number";
    case CsvRowProblem::LevelOutOfRange:
        return text + "the level " + bad.text + " is outside " +
               std::to_string(static_cast<int>(kLowestCsvLevel)) + ".." +
               std::to_string(static_cast<int>(kHighestCsvLevel)) + " dB";
    }
    return text;
}

std::string DescribeCsvRefusal(const CsvRefusal& refusal) {
    const std::string start = refusal.file + ": ";
    const std::string line = std::to_string(refusal.line);
    switch (refusal.kind) {
    case CsvRefusalKind::Empty:
        return start + "the file holds no rows";
    case CsvRefusalKind::Utf16:
        return start + "the file is UTF-16 text; export it as UTF-8 or Latin-1 CSV";
    case CsvRefusalKind::NoHeader:
        if (refusal.line > 0)
            return start +
                   "no header row naming the columns above the first row with a time (line " +
                   line + ")";
        return start + "no header row naming the columns followed by rows with a date and a time "
                       "(such as 2025-03-22 00:00:00) in the first lines";
    case CsvRefusalKind::NoRows:
        return start + "the header (line " + line + ") is followed by no rows of levels";
    case CsvRefusalKind::ColumnNotFound:
        return start + "no column holds " + WhatRoleHolds(refusal.role) +
               " (headers: " + HeaderList(refusal.headers) + ")" + ChooseWith(refusal.role);
    case CsvRefusalKind::ColumnAmbiguous:
        return start + "several columns could hold " + WhatRoleHolds(refusal.role) + ": " +
               ColumnList(refusal) + ChooseWith(refusal.role);
    case CsvRefusalKind::ChosenColumnMissing: {
        std::string what = CsvColumnOption(refusal.role);
        if (what.empty())
            what = "the time column";
        return start + what + " " + Quoted(refusal.chosen) +
               ": no such column (headers: " + HeaderList(refusal.headers) + ")";
    }
    case CsvRefusalKind::NoReadableRow: {
        std::string text =
            start + "none of its " + std::to_string(refusal.unreadable) + " rows could be read";
        for (const CsvBadLine& bad : refusal.badLines)
            text += "; " + DescribeCsvBadLine(bad);
        return text;
    }
    case CsvRefusalKind::SingleTime:
        return start + "only one row has a time (line " + line +
               "): the step between samples cannot be found";
    case CsvRefusalKind::AllTimesEqual:
        return start + "every row has the same time, " + FormatMillis(refusal.time) +
               ": the step between samples cannot be found";
    case CsvRefusalKind::StepOutOfRange:
        return start + "the step between samples (the most common difference between times) is " +
               FormatDuration(refusal.step) + ", outside " + FormatDuration(kShortestStep) +
               " to " + FormatDuration(kLongestStep);
    case CsvRefusalKind::Cancelled:
        return start + "reading cancelled";
    }
    return start;
}

} // namespace vrd
