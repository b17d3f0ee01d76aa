// The bytes of an analysis file: the known keys in the order of the header's example, then the
// keys kept from the file read, as nlohmann-json writes them with an indent of two blanks.

#include "analysis/exclusion_file.h"
#include "analysis/time_text.h"
#include "options/analysis_file.h"
#include "options/report_paths.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace vrd {

using Json = nlohmann::ordered_json;

namespace {

constexpr int kIndent = 2;

// A whole number is written without a fraction (65, not 65.0), any other as the shortest decimal
// that reads back to the same double.
Json NumberValue(double value) {
    constexpr double kExactIntegers = 9007199254740992.0; // 2^53
    if (std::trunc(value) == value && std::fabs(value) < kExactIntegers)
        return static_cast<std::int64_t>(value);
    return value;
}

bool IsUtf8(const std::string& text) {
    try {
        (void)Json(text).dump();
        return true;
    } catch (const Json::type_error&) {
        return false;
    }
}

// A reason typed in another encoding (a marks file of Latin-1 bytes) keeps its letters: each byte
// becomes the character of the same value.
std::string Utf8Text(const std::string& text) {
    if (IsUtf8(text))
        return text;
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

template <typename Value, typename Name>
Json NameOrNull(const std::optional<Value>& value, Name name) {
    return value ? Json(name(*value)) : Json(nullptr);
}

Json TimeOrNull(const std::optional<Millis>& time) {
    return time ? Json(FormatTime(*time)) : Json(nullptr);
}

Json MarkValue(const Mark& mark) {
    Json value = Json::object();
    value["kind"] = MarkKindName(mark.kind);
    value["from"] = FormatTime(mark.span.start);
    value["to"] = FormatTime(mark.span.end);
    value["reason"] = Utf8Text(mark.reason);
    return value;
}

// A column chosen by the user; one found is left out.
void PutColumn(Json& value, const char* key, const CsvColumnChoice& choice) {
    switch (choice.by) {
    case CsvColumnChoice::By::Found:
        return;
    case CsvColumnChoice::By::Name:
        value[key] = Utf8Text(choice.name);
        return;
    case CsvColumnChoice::By::Number:
        value[key] = choice.number;
        return;
    case CsvColumnChoice::By::None:
        value[key] = "none";
        return;
    }
}

} // namespace

AnalysisFileBytes FormatAnalysisFile(const AnalysisDocument& document, const std::string& path) {
    AnalysisFileBytes written;
    Json root = Json::object();
    root["format"] = kAnalysisFormat;
    root["version"] = kAnalysisFileVersion;
    Json files = Json::array();
    for (std::size_t i = 0; i < document.files.size(); ++i) {
        const std::string stored =
            StoredReportPath(document.files[i], path, document.absolutePaths);
        if (!IsUtf8(stored)) {
            AnalysisFileProblem problem;
            problem.kind = AnalysisFileProblemKind::PathNotUtf8;
            problem.key = "files[" + std::to_string(i) + "]";
            problem.detail = Utf8Text(stored);
            written.error = AnalysisFileProblemText(problem);
            written.problem = std::move(problem);
            return written;
        }
        files.push_back(stored);
    }
    root["files"] = std::move(files);
    root["plain"] = document.plain;
    root["from"] = TimeOrNull(document.fromTime);
    root["to"] = TimeOrNull(document.toTime);
    root["threshold"] = document.threshold ? NumberValue(*document.threshold) : Json(nullptr);
    root["preset"] = document.preset.empty() ? Json(nullptr) : Json(document.preset);
    const Periods& periods = document.periods;
    root["periods"] = Json::array({periods.day, periods.evening, periods.night});
    root["penalties"] =
        Json::array({NumberValue(periods.eveningPenalty), NumberValue(periods.nightPenalty)});
    root["min_coverage"] = NumberValue(document.minimumCoverage);
    root["standard"] = NameOrNull(document.standard, StandardName);
    root["indoors"] = document.indoors;
    root["who"] = NameOrNull(document.who, WhoSourceName);
    Json marks = Json::array();
    for (const Mark& mark : document.marks)
        marks.push_back(MarkValue(mark));
    root["marks"] = std::move(marks);
    if (!document.columns.empty()) {
        Json columns = Json::object();
        for (const CsvColumnsOfFile& file : document.columns) {
            const std::string stored = StoredReportPath(file.file, path, document.absolutePaths);
            Json value = Json::object();
            PutColumn(value, "time", file.options.time);
            PutColumn(value, "clock", file.options.clock);
            PutColumn(value, "level", file.options.level);
            PutColumn(value, "l90", file.options.l90);
            if (file.options.stamp == CsvStamp::End)
                value["stamp"] = "end";
            for (const auto& [key, text] : file.otherKeys) {
                Json other = Json::parse(text, nullptr, false);
                if (value.find(key) == value.end() && !other.is_discarded())
                    value[key] = std::move(other);
            }
            columns[Utf8Text(stored)] = std::move(value);
        }
        root["columns"] = std::move(columns);
    }
    for (const auto& [key, text] : document.otherKeys) {
        Json value = Json::parse(text, nullptr, false);
        if (root.find(key) == root.end() && !value.is_discarded())
            root[key] = std::move(value);
    }
    written.bytes = root.dump(kIndent, ' ', false, Json::error_handler_t::replace) + "\n";
    return written;
}

} // namespace vrd
