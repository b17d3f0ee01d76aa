#include "tools/vrdtool/stats_output.h"

#include "analysis/period_presets.h"
#include "analysis/time_text.h"
#include "export/decimal_text.h"
#include "tools/vrdtool/analysis_json.h"
#include "tools/vrdtool/distribution_output.h"
#include "tools/vrdtool/json_text.h"

namespace vrd {

namespace {

// A level for the summary: one decimal and the unit, or "-".
template <typename Number> std::string Shown(const std::optional<Number>& value) {
    return value ? OneDecimal(static_cast<double>(*value)) + " dB" : std::string("-");
}

std::string OrNone(const std::optional<TimeSpan>& selection, bool end) {
    if (!selection)
        return "-";
    return FormatTime(end ? selection->end : selection->start);
}

bool MinuteStep(const AnalysisResult& result) {
    return result.step == kMillisPerMinute;
}

void DayJson(JsonText& json, const DayFigures& day, const Periods& periods) {
    json.BeginObject();
    json.Key("date");
    json.String(FormatDay(day.date));
    json.Key("lday");
    json.Optional(day.levels.lday);
    json.Key("levening");
    json.Optional(day.levels.levening);
    json.Key("lnight");
    json.Optional(day.levels.lnight);
    json.Key("lden");
    json.Optional(day.levels.lden);
    json.Key("coverage_day");
    json.Number(day.coverageDay);
    json.Key("coverage_evening");
    json.Optional(EveningCoverage(day, periods));
    json.Key("coverage_night");
    json.Number(day.coverageNight);
    json.EndObject();
}

void HourJson(JsonText& json, const HourFigures& hour, Millis step) {
    json.BeginObject();
    json.Key("start");
    json.String(FormatMinute(hour.start));
    json.Key("leq");
    json.Optional(hour.leq);
    json.Key("lmax");
    json.Optional(hour.lmax);
    json.Key("lmin");
    json.Optional(hour.lmin);
    if (step == kMillisPerMinute) {
        json.Key("minutes");
        json.Integer(hour.minutes);
    } else {
        SecondsJson(json, "seconds", hour.minutes * step);
    }
    json.EndObject();
}

// The rows of a table, the empty ones included, written one by one.
template <typename Table, typename RowJson>
void Rows(JsonText& json, const char* key, const Table& table, RowJson&& rowJson) {
    json.Key(key);
    json.BeginArray();
    for (std::int64_t i = 0; i < table.Size(); ++i)
        rowJson(json, table.At(i));
    json.EndArray();
}

void Member(JsonText& json, const char* key, const std::optional<double>& value) {
    json.Key(key);
    json.Optional(value);
}

void Count(JsonText& json, const char* key, std::int64_t value) {
    json.Key(key);
    json.Integer(value);
}

std::string PercentOrNone(const std::optional<double>& fraction) {
    return fraction ? OneDecimalPercent(*fraction) : std::string("-");
}

// "WHO 2018 road: Lden 66.4 dB over 53 dB by 13.4; Lnight 60.0 dB over 45 dB by 15.0".
void WhoSummary(std::ostream& out, const WhoComparison& who, const PeriodLevels& levels) {
    const auto against = [&](const char* name, const std::optional<double>& level,
                             const std::optional<double>& guideline,
                             const std::optional<double>& excess) {
        out << name << ' ' << Shown(level) << " against ";
        if (!guideline) {
            out << "no guideline";
            return;
        }
        out << OneDecimal(*guideline) << " dB";
        if (excess)
            out << " (" << (*excess > 0 ? "+" : "") << OneDecimal(*excess) << ")";
    };
    out << "WHO 2018:   " << WhoSourceName(who.source) << ", ";
    against("Lden", levels.lden, who.ldenGuideline, who.ldenExcess);
    out << "; ";
    against("Lnight", levels.lnight, who.lnightGuideline, who.lnightExcess);
    out << '\n';
}

void WhoJson(JsonText& json, const std::optional<WhoComparison>& who) {
    json.Key("who");
    if (!who) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("source");
    json.String(WhoSourceName(who->source));
    Member(json, "lden_guideline", who->ldenGuideline);
    Member(json, "lnight_guideline", who->lnightGuideline);
    Member(json, "lden_excess", who->ldenExcess);
    Member(json, "lnight_excess", who->lnightExcess);
    json.EndObject();
}

} // namespace

void WriteStatsSummary(std::ostream& out, const std::vector<std::string>& files,
                       const AnalysisResult& result, const LevelDistributions* distribution) {
    const MinuteCounts& minutes = result.minutes;
    const Periods& periods = result.periods;
    out << "files:      ";
    for (std::size_t i = 0; i < files.size(); ++i)
        out << (i > 0 ? ", " : "") << files[i];
    out << '\n';
    const bool minuteStep = MinuteStep(result);
    if (!minuteStep)
        out << "step:       " << FormatDuration(result.step) << " (" << minutes.measured
            << " samples measured)\n";
    const auto time = [&](Millis length) {
        return minuteStep ? MinutesText(length) : SecondsText(length);
    };
    out << "period:     " << OrNone(result.selection, false) << " to "
        << OrNone(result.selection, true) << " (" << time(minutes.periodTime)
        << (minuteStep ? " minutes, " : " seconds, ") << time(minutes.excludedTime)
        << " excluded)\n";
    out << "coverage:   " << (result.coverage ? OneDecimalPercent(*result.coverage) + " %" : "-")
        << " ("
        << (minuteStep ? std::to_string(minutes.measured) : SecondsText(minutes.measuredTime))
        << " measured, " << minutes.gaps << " gaps, " << minutes.unreadable << " unreadable, "
        << minutes.duplicate << " duplicate)\n";
    const LevelFigures& overall = result.overall;
    out << "Leq:        " << Shown(overall.leq) << "   Lmax: " << Shown(overall.lmax)
        << "   Lmin: " << Shown(overall.lmin) << '\n';
    out << "L10/L50/L90: " << Shown(overall.L(10)) << " / " << Shown(overall.L(50)) << " / "
        << Shown(overall.L(90)) << '\n';
    const std::string combined = CombinedLevelName(result.preset);
    out << "Lday:       " << Shown(result.whole.lday)
        << "   Levening: " << Shown(result.whole.levening)
        << "   Lnight: " << Shown(result.whole.lnight) << "   " << combined << ": "
        << Shown(result.whole.lden) << '\n';
    out << "periods:    day from " << periods.day << ":00, ";
    if (periods.EveningMinutes() > 0)
        out << "evening from " << periods.evening << ":00, ";
    else
        out << "no evening, ";
    out << "night from " << periods.night << ":00; penalties +"
        << OneDecimal(periods.eveningPenalty) << " / +" << OneDecimal(periods.nightPenalty) << " dB"
        << (result.preset.empty() ? "" : " (preset " + result.preset + ")") << '\n';
    if (result.who)
        WhoSummary(out, *result.who, result.whole);
    if (result.exceedance && result.threshold && minuteStep)
        out << "above " << OneDecimal(*result.threshold) << " dB: " << result.exceedance->minutes
            << " minutes in " << result.exceedance->events << " events, the longest "
            << result.exceedance->longest << " minutes\n";
    else if (result.exceedance && result.threshold)
        out << "above " << OneDecimal(*result.threshold)
            << " dB: " << SecondsText(result.exceedance->minutes * result.step) << " seconds in "
            << result.exceedance->events << " events, the longest "
            << SecondsText(result.exceedance->longest * result.step) << " seconds\n";
    else
        out << "exceedance: - (no --threshold)\n";
    std::string combinedColumn = combined;
    combinedColumn.resize(std::max<std::size_t>(combinedColumn.size() + 1, 7), ' ');
    out << "\ndate        Lday   Levening Lnight " << combinedColumn
        << "coverage day/evening/night %\n";
    const auto column = [](const std::optional<double>& value) {
        std::string text = value ? OneDecimal(*value) : "-";
        text.resize(std::max<std::size_t>(text.size() + 1, 7), ' ');
        return text;
    };
    for (std::int64_t i = 0; i < result.days.Size(); ++i) {
        const DayFigures day = result.days.At(i);
        std::string levening = column(day.levels.levening);
        levening.resize(std::max<std::size_t>(levening.size(), 9), ' ');
        out << FormatDay(day.date) << "  " << column(day.levels.lday) << levening
            << column(day.levels.lnight) << column(day.levels.lden)
            << OneDecimalPercent(day.coverageDay) << '/'
            << PercentOrNone(EveningCoverage(day, periods)) << '/'
            << OneDecimalPercent(day.coverageNight) << '\n';
    }
    if (distribution)
        WriteDistributionTable(out, *distribution);
}

void WriteStatsJson(std::ostream& out, const std::vector<std::string>& files,
                    const AnalysisResult& result, const std::vector<FileFailure>& failures,
                    const LevelDistributions* distribution) {
    JsonText json(out);
    json.BeginObject();
    FilesAndSelectionJson(json, files, result.selection);

    json.Key("periods");
    json.BeginObject();
    Count(json, "day", result.periods.day);
    Count(json, "evening", result.periods.evening);
    Count(json, "night", result.periods.night);
    json.Key("evening_penalty");
    json.Number(result.periods.eveningPenalty);
    json.Key("night_penalty");
    json.Number(result.periods.nightPenalty);
    json.Key("preset");
    if (result.preset.empty())
        json.Null();
    else
        json.String(result.preset);
    json.EndObject();
    Member(json, "threshold", result.threshold);

    const bool minuteStep = MinuteStep(result);
    const MinuteCounts& minutes = result.minutes;
    if (minuteStep) {
        json.Key("minutes");
        json.BeginObject();
        MinutesJson(json, "period", minutes.periodTime);
        MinutesJson(json, "excluded", minutes.excludedTime);
        Count(json, "measured", minutes.measured);
    } else {
        SecondsJson(json, "step", result.step);
        json.Key("seconds");
        json.BeginObject();
        SecondsJson(json, "period", minutes.periodTime);
        SecondsJson(json, "excluded", minutes.excludedTime);
        SecondsJson(json, "measured", minutes.measuredTime);
        Count(json, "samples", minutes.measured);
    }
    Count(json, "gaps", minutes.gaps);
    Count(json, "unreadable", minutes.unreadable);
    Count(json, "duplicate", minutes.duplicate);
    json.EndObject();

    json.Key("overall");
    json.BeginObject();
    Member(json, "leq", result.overall.leq);
    json.Key("lmax");
    json.Optional(result.overall.lmax);
    json.Key("lmin");
    json.Optional(result.overall.lmin);
    for (const int percent : kStatisticalPercents)
        Member(json, ("l" + std::to_string(percent)).c_str(), result.overall.L(percent));
    Member(json, "coverage", result.coverage);
    json.EndObject();

    Member(json, "lday", result.whole.lday);
    Member(json, "levening", result.whole.levening);
    Member(json, "lnight", result.whole.lnight);
    Member(json, "lden", result.whole.lden);
    Rows(json, "days", result.days,
         [&](JsonText& row, const DayFigures& day) { DayJson(row, day, result.periods); });
    Rows(json, "hours", result.hours,
         [&](JsonText& row, const HourFigures& hour) { HourJson(row, hour, result.step); });

    json.Key("exceedance");
    if (result.exceedance) {
        json.BeginObject();
        if (minuteStep) {
            Count(json, "minutes", result.exceedance->minutes);
            Count(json, "events", result.exceedance->events);
            Count(json, "longest", result.exceedance->longest);
        } else {
            SecondsJson(json, "seconds", result.exceedance->minutes * result.step);
            Count(json, "events", result.exceedance->events);
            SecondsJson(json, "longest", result.exceedance->longest * result.step);
        }
        json.EndObject();
    } else {
        json.Null();
    }

    WhoJson(json, result.who);
    if (distribution)
        DistributionJson(json, *distribution);
    ErrorsJson(json, failures);
    json.EndObject();
}

} // namespace vrd
