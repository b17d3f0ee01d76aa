#include "tools/vrdtool/analysis_json.h"

#include "analysis/time_text.h"

#include <charconv>

namespace vrd {

void FilesAndSelectionJson(JsonText& json, const std::vector<std::string>& files,
                           const std::optional<TimeSpan>& selection) {
    json.Key("files");
    json.BeginArray();
    for (const std::string& file : files)
        json.String(file);
    json.EndArray();
    json.Key("from");
    if (selection)
        json.String(FormatTime(selection->start));
    else
        json.Null();
    json.Key("to");
    if (selection)
        json.String(FormatTime(selection->end));
    else
        json.Null();
}

namespace {

std::string Shortest(double value) {
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

void Quotient(JsonText& json, const char* key, Millis time, Millis unit) {
    json.Key(key);
    if (time % unit == 0)
        json.Integer(time / unit);
    else
        json.Number(static_cast<double>(time) / static_cast<double>(unit));
}

} // namespace

std::string SecondsText(Millis time) {
    return Shortest(static_cast<double>(time) / 1000.0);
}

void SecondsJson(JsonText& json, const char* key, Millis time) {
    Quotient(json, key, time, kMillisPerSecond);
}

std::string MinutesText(Millis time) {
    if (time % kMillisPerMinute == 0)
        return std::to_string(time / kMillisPerMinute);
    return Shortest(static_cast<double>(time) / static_cast<double>(kMillisPerMinute));
}

void MinutesJson(JsonText& json, const char* key, Millis time) {
    Quotient(json, key, time, kMillisPerMinute);
}

void ErrorsJson(JsonText& json, const std::vector<FileFailure>& failures) {
    json.Key("errors");
    json.BeginArray();
    for (const FileFailure& failure : failures) {
        json.BeginObject();
        json.Key("file");
        json.String(failure.file);
        json.Key("stage");
        json.String(StageName(failure.stage));
        json.Key("reason");
        json.String(failure.reason);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace vrd
