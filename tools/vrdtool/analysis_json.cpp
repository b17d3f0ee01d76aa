#include "tools/vrdtool/analysis_json.h"

namespace vrd {

void FilesAndSelectionJson(JsonText& json, const std::vector<std::string>& files,
                           const std::optional<Interval>& selection) {
    json.Key("files");
    json.BeginArray();
    for (const std::string& file : files)
        json.String(file);
    json.EndArray();
    json.Key("from");
    if (selection)
        json.String(FormatMinute(selection->from));
    else
        json.Null();
    json.Key("to");
    if (selection)
        json.String(FormatMinute(selection->to));
    else
        json.Null();
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
