#include "testkit/show_json_tree.h"

#include "report/chart_data.h"

namespace vrd {

namespace {

// Each byte becomes the Unicode character of the same value (0xE9 becomes U+00E9), in UTF-8.
std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return out;
}

nlohmann::ordered_json ListJson(const OpenedReport& opened, ListId list) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    const std::size_t count = opened.window.RowCount(list);
    for (std::size_t row = 0; row < count; ++row)
        rows.push_back(Latin1ToUtf8(opened.window.Row(opened.state.DecodedReport, list, row)));
    return rows;
}

} // namespace

nlohmann::ordered_json ShowJson(const std::string& file, const OpenedReport& opened) {
    nlohmann::ordered_json json;
    json["file"] = Latin1ToUtf8(file);
    json["report"] = Latin1ToUtf8(opened.state.DecodedReport);
    json["caption"] = Latin1ToUtf8(opened.window.Caption());
    json["site"] = Latin1ToUtf8(opened.window.Label(LabelId::Name));
    json["serial"] = Latin1ToUtf8(opened.window.Label(LabelId::Serial));
    nlohmann::ordered_json lists = nlohmann::ordered_json::object();
    for (const ListId list : kAllLists)
        lists[ListName(list)] = ListJson(opened, list);
    json["lists"] = std::move(lists);
    json["minute_lines"] = Latin1ToUtf8(opened.state.MinuteLines);
    json["leq5"] = opened.state.Running.Leq5;
    json["leq10"] = opened.state.Running.Leq10;
    nlohmann::ordered_json chart = nlohmann::ordered_json::array();
    for (const ChartRow& row : BuildChartData(opened.state.MinuteLines))
        chart.push_back({Latin1ToUtf8(row.label), Latin1ToUtf8(row.level)});
    json["chart"] = std::move(chart);
    const std::optional<Failure>& failure = opened.outcome.failure;
    json["error"] = failure ? nlohmann::ordered_json(Latin1ToUtf8(failure->reason)) : nullptr;
    json["error_stage"] = failure ? nlohmann::ordered_json(StageName(failure->stage)) : nullptr;
    return json;
}

} // namespace vrd
