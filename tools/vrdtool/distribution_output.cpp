#include "tools/vrdtool/distribution_output.h"

#include "export/decimal_text.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vrd {

namespace {

using NamedSet = std::pair<const char*, const LevelDistribution*>;

// The sets shown, in the order of the columns: all, then source and residual when marked.
std::vector<NamedSet> SetsOf(const LevelDistributions& distributions) {
    std::vector<NamedSet> sets = {{"all", &distributions.all}};
    if (distributions.source)
        sets.emplace_back("source", &*distributions.source);
    if (distributions.residual)
        sets.emplace_back("residual", &*distributions.residual);
    return sets;
}

std::string Right(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string Left(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

std::string Level(const std::optional<double>& value) {
    return value ? OneDecimal(*value) : std::string("-");
}

// Each set takes a column of minutes and one of the share above, 17 characters with the gap.
constexpr std::size_t kMinutesWidth = 8;
constexpr std::size_t kAboveWidth = 8;

void LevelsJson(JsonText& json, const LevelDistribution& distribution) {
    json.BeginObject();
    json.Key("minutes");
    json.Integer(distribution.minutes);
    json.Key("l10");
    json.Optional(distribution.l10);
    json.Key("l50");
    json.Optional(distribution.l50);
    json.Key("l90");
    json.Optional(distribution.l90);
    json.Key("levels");
    json.BeginArray();
    for (const LevelRow& row : distribution.rows) {
        json.BeginObject();
        json.Key("level");
        json.Number(row.level);
        json.Key("minutes");
        json.Integer(row.minutes);
        json.Key("above");
        json.Number(row.above);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

} // namespace

void WriteDistributionTable(std::ostream& out, const LevelDistributions& distributions) {
    const std::vector<NamedSet> sets = SetsOf(distributions);
    out << "\ndistribution of the minute levels: minutes at each level, % of the minutes above it\n"
        << Left("level", 6);
    for (std::size_t i = 0; i < sets.size(); ++i)
        out << ' '
            << (i + 1 < sets.size() ? Left(sets[i].first, kMinutesWidth + kAboveWidth + 1)
                                    : sets[i].first);
    out << '\n' << Left("dB", 6);
    for (std::size_t i = 0; i < sets.size(); ++i)
        out << ' ' << Right("minutes", kMinutesWidth) << Right("% above", kAboveWidth + 1);
    out << '\n';
    // Source and residual minutes are among all of them: its levels span theirs.
    const std::vector<LevelRow>& rows = distributions.all.rows;
    for (const LevelRow& levelRow : rows) {
        out << Left(distributions.all.width == 1
                        ? std::to_string(static_cast<std::int64_t>(levelRow.level))
                        : OneDecimal(levelRow.level),
                    6);
        for (const auto& [name, set] : sets) {
            const std::optional<LevelRow> row = set->At(levelRow.level);
            out << ' ' << Right(std::to_string(row ? row->minutes : 0), kMinutesWidth)
                << Right(row ? OneDecimalPercent(row->above) : "-", kAboveWidth + 1);
        }
        out << '\n';
    }
    for (const auto& [name, set] : sets)
        out << Left(std::string("L10/L50/L90 ") + name + ":", 22) << Level(set->l10) << " / "
            << Level(set->l50) << " / " << Level(set->l90) << " dB (" << set->minutes
            << " minutes)\n";
}

void DistributionJson(JsonText& json, const LevelDistributions& distributions) {
    json.Key("distribution");
    json.BeginObject();
    json.Key("all");
    LevelsJson(json, distributions.all);
    for (const auto& [name, set] :
         {NamedSet{"source", distributions.source ? &*distributions.source : nullptr},
          NamedSet{"residual", distributions.residual ? &*distributions.residual : nullptr}}) {
        json.Key(name);
        if (set != nullptr)
            LevelsJson(json, *set);
        else
            json.Null();
    }
    json.EndObject();
}

} // namespace vrd
