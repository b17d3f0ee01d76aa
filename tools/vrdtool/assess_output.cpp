#include "tools/vrdtool/assess_output.h"

#include "analysis/assessment_rules.h"
#include "analysis/time_text.h"
#include "export/decimal_text.h"
#include "tools/vrdtool/analysis_json.h"
#include "tools/vrdtool/json_text.h"

#include <algorithm>

namespace vrd {

namespace {

constexpr std::size_t kLongestBar = 50;

// At the devices' 60-s step every count is one of minutes and the output reads as it always has;
// at another step the counts are samples and the times seconds, and the output says so.
bool MinuteStep(const AssessmentResult& result) {
    return result.step == kMillisPerMinute;
}

template <typename Number> std::string Shown(const std::optional<Number>& value) {
    return value ? OneDecimal(static_cast<double>(*value)) : std::string("-");
}

// text and blanks up to width, and one blank more.
std::string Column(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text + ' ';
}

// "compliant", "not conclusive (exceeds)"; within parentheses "not conclusive, exceeds".
std::string VerdictText(const EmergenceFigures& figures, bool inParentheses = false) {
    const std::string verdict = VerdictName(figures.verdict);
    if (!IsNotConclusive(WordingOf(figures)))
        return verdict;
    return inParentheses ? "not conclusive, " + verdict : "not conclusive (" + verdict + ")";
}

// The notes after the verdict: " [residual_above_ambient, short_residual]", or nothing.
std::string NotesText(const EmergenceNotes& notes) {
    std::string text;
    for (const EmergenceNote note : notes.List())
        text += (text.empty() ? " [" : ", ") + std::string(EmergenceNoteName(note));
    return text.empty() ? text : text + "]";
}

void FiguresRow(std::ostream& out, const std::string& date, const std::string& period,
                const EmergenceFigures& figures) {
    out << Column(date, 10) << Column(period, 7) << Column(std::to_string(figures.sourceMinutes), 5)
        << Column(Shown(figures.ambient), 7) << Column(Shown(figures.residual), 8)
        << Column(figures.indicator ? IndicatorName(*figures.indicator) : "-", 9)
        << Column(Shown(figures.emergence), 9)
        << Column(figures.limit ? std::to_string(*figures.limit) : "-", 5) << VerdictText(figures)
        << NotesText(figures.notes) << '\n';
}

void EmergenceSummary(std::ostream& out, const AssessmentResult& result) {
    out << '\n'
        << Column("date", 10) << Column("period", 7) << Column("T", 5) << Column("ambient", 7)
        << Column("residual", 8) << Column("indicator", 9) << Column("emergence", 9)
        << Column("limit", 5) << "verdict\n";
    EmergenceNotes noted;
    const auto note = [&noted](const EmergenceNotes& notes) {
        for (const EmergenceNote each : notes.List())
            noted.Add(each);
    };
    for (std::int64_t i = 0; i < result.calendar.Size(); ++i) {
        const EmergencePeriod period = result.Period(i);
        FiguresRow(out, FormatDay(period.date), PeriodLabelName(period.label), period.figures);
        note(period.figures.notes);
    }
    for (const LabelEmergence& overall : result.overall) {
        FiguresRow(out, "overall", PeriodLabelName(overall.label), overall.figures);
        note(overall.figures.notes);
    }
    out << "\nworst:      ";
    if (result.worst)
        out << FormatDay(result.worst->date) << ' ' << PeriodLabelName(result.worst->label)
            << ", margin " << OneDecimal(*result.worst->figures.margin) << " dB ("
            << VerdictText(result.worst->figures, true) << ")\n";
    else
        out << "- (no period with a limit)\n";
    if (MinuteStep(result))
        out << "T is the minutes heard with the source; levels in dB; emergence = ambient - "
               "residual\non the indicator; limit in dB\n";
    else
        out << "T is the samples of " << FormatDuration(result.step)
            << " heard with the source; levels in dB; emergence =\nambient - residual on the "
               "indicator; limit in dB\n";
    if (noted.Has(EmergenceNote::ResidualAboveAmbient))
        out << "residual_above_ambient: the residual is louder than the ambient; its minutes do\n"
               "not stand for the place without the noise\n";
    if (noted.Has(EmergenceNote::ShortResidual))
        out << "short_residual: fewer than "
            << RulesOf(result.settings.standard).emergence->shortResidualBelow
            << (MinuteStep(result) ? " residual minutes\n" : " minutes of residual\n");
}

void BackgroundSummary(std::ostream& out, const AssessmentResult& result) {
    for (const BackgroundLevel& background : result.background) {
        out << "\nbackground, " << PeriodLabelName(background.label) << ": " << background.count
            << " intervals with an L90";
        if (background.mode) {
            out << ", mode " << *background.mode << " dB";
            if (background.modeCount == 1)
                out << " (not representative: no level repeats)";
            out << ", median " << Shown(background.median) << " dB";
        }
        out << '\n';
        std::int64_t most = 1;
        for (const LevelCount& bar : background.histogram)
            most = std::max(most, bar.count);
        for (const LevelCount& bar : background.histogram) {
            const auto length = static_cast<std::size_t>(
                (bar.count * static_cast<std::int64_t>(kLongestBar) + most - 1) / most);
            out << "  " << Column(std::to_string(bar.level) + " dB", 6) << std::string(length, '#')
                << ' ' << bar.count << '\n';
        }
    }
    if (result.backgroundFromL90) {
        out << "\nEach interval's background is the mean of the meter's LA90 values over it, from\n"
               "48 minutes of an hour or 12 of a quarter hour.\n";
        return;
    }
    if (MinuteStep(result)) {
        out << "\nEach interval's L90 is a statistical level of its 1-minute Leq values, from 48\n"
               "minutes of an hour or 12 of a quarter hour: it approaches, but is not, the LA90 "
               "of a\nfast time weighting.\n";
        return;
    }
    out << "\nEach interval's L90 is a statistical level of the Leq values of its "
        << FormatDuration(result.step)
        << " samples, from 80 %\nof it measured: it approaches, but is not, the LA90 of a fast "
           "time weighting.\n";
}

void FiguresJson(JsonText& json, const EmergenceFigures& figures, bool minuteStep) {
    json.Key(minuteStep ? "source_minutes" : "source_samples");
    json.Integer(figures.sourceMinutes);
    json.Key(minuteStep ? "residual_minutes" : "residual_samples");
    json.Integer(figures.residualMinutes);
    json.Key("ambient_leq");
    json.Optional(figures.ambientLeq);
    json.Key("ambient_l50");
    json.Optional(figures.ambientL50);
    json.Key("indicator");
    if (figures.indicator)
        json.String(IndicatorName(*figures.indicator));
    else
        json.Null();
    json.Key("ambient");
    json.Optional(figures.ambient);
    json.Key("residual");
    json.Optional(figures.residual);
    json.Key("emergence");
    json.Optional(figures.emergence);
    json.Key("term");
    json.Optional(figures.term);
    json.Key("limit");
    json.Optional(figures.limit);
    json.Key("margin");
    json.Optional(figures.margin);
    json.Key("verdict");
    json.String(VerdictName(figures.verdict));
    json.Key("conclusive");
    json.Optional(figures.conclusive);
    json.Key("notes");
    json.BeginArray();
    for (const EmergenceNote note : figures.notes.List())
        json.String(EmergenceNoteName(note));
    json.EndArray();
}

void PeriodJson(JsonText& json, const EmergencePeriod& period, bool minuteStep) {
    json.BeginObject();
    json.Key("date");
    json.String(FormatDay(period.date));
    json.Key("period");
    json.String(PeriodLabelName(period.label));
    FiguresJson(json, period.figures, minuteStep);
    json.EndObject();
}

void EmergenceJson(JsonText& json, const AssessmentResult& result) {
    json.Key("periods");
    json.BeginArray();
    for (std::int64_t i = 0; i < result.calendar.Size(); ++i)
        PeriodJson(json, result.Period(i), MinuteStep(result));
    json.EndArray();
    json.Key("overall");
    json.BeginObject();
    for (const LabelEmergence& overall : result.overall) {
        json.Key(PeriodLabelName(overall.label));
        json.BeginObject();
        FiguresJson(json, overall.figures, MinuteStep(result));
        json.EndObject();
    }
    json.EndObject();
    json.Key("worst");
    if (result.worst)
        PeriodJson(json, *result.worst, MinuteStep(result));
    else
        json.Null();
}

void BackgroundJson(JsonText& json, const AssessmentResult& result) {
    json.Key("intervals");
    json.BeginArray();
    for (std::int64_t i = 0; i < result.calendar.Size(); ++i) {
        const BackgroundInterval interval = result.BackgroundIntervalAt(i);
        json.BeginObject();
        json.Key("start");
        json.String(FormatMinute(interval.start));
        json.Key("length");
        json.Integer(interval.length);
        json.Key("period");
        json.String(PeriodLabelName(interval.label));
        json.Key(MinuteStep(result) ? "minutes" : "samples");
        json.Integer(interval.minutes);
        json.Key("l90");
        json.Optional(interval.l90);
        json.EndObject();
    }
    json.EndArray();
    json.Key("background");
    json.BeginObject();
    for (const BackgroundLevel& background : result.background) {
        json.Key(PeriodLabelName(background.label));
        json.BeginObject();
        json.Key("count");
        json.Integer(background.count);
        json.Key("mode");
        json.Optional(background.mode);
        json.Key("mode_count");
        json.Optional(background.modeCount);
        json.Key("median");
        json.Optional(background.median);
        json.Key("histogram");
        json.BeginArray();
        for (const LevelCount& bar : background.histogram) {
            json.BeginObject();
            json.Key("level");
            json.Integer(bar.level);
            json.Key("count");
            json.Integer(bar.count);
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndObject();
}

} // namespace

void WriteAssessmentSummary(std::ostream& out, const std::vector<std::string>& files,
                            const AssessmentResult& result) {
    const AssessmentMinutes& minutes = result.minutes;
    out << "files:      ";
    for (std::size_t i = 0; i < files.size(); ++i)
        out << (i > 0 ? ", " : "") << files[i];
    out << '\n';
    out << "period:     "
        << (result.selection
                ? FormatTime(result.selection->start) + " to " + FormatTime(result.selection->end)
                : std::string("-"))
        << '\n';
    out << "standard:   " << StandardName(result.settings.standard)
        << (result.settings.indoors ? " (indoors)" : "") << '\n';
    if (MinuteStep(result)) {
        out << "minutes:    " << minutes.measured << " measured: " << minutes.source << " source, "
            << minutes.residual << " residual; " << MinutesText(minutes.excludedTime)
            << " excluded\n";
    } else {
        const auto seconds = [&](std::int64_t samples) {
            return SecondsText(samples * result.step);
        };
        out << "step:       " << FormatDuration(result.step) << " (" << minutes.measured
            << " samples measured)\n";
        out << "seconds:    " << seconds(minutes.measured)
            << " measured: " << seconds(minutes.source) << " source, " << seconds(minutes.residual)
            << " residual; " << SecondsText(minutes.excludedTime) << " excluded\n";
    }
    if (result.settings.standard == Standard::Bs4142)
        BackgroundSummary(out, result);
    else
        EmergenceSummary(out, result);
}

void WriteAssessmentJson(std::ostream& out, const std::vector<std::string>& files,
                         const AssessmentResult& result, const std::vector<FileFailure>& failures) {
    JsonText json(out);
    json.BeginObject();
    FilesAndSelectionJson(json, files, result.selection);
    json.Key("standard");
    json.String(StandardName(result.settings.standard));
    json.Key("indoors");
    json.Bool(result.settings.indoors);
    const AssessmentMinutes& minutes = result.minutes;
    if (MinuteStep(result)) {
        json.Key("minutes");
        json.BeginObject();
        json.Key("measured");
        json.Integer(minutes.measured);
        json.Key("source");
        json.Integer(minutes.source);
        json.Key("residual");
        json.Integer(minutes.residual);
        MinutesJson(json, "excluded", minutes.excludedTime);
    } else {
        SecondsJson(json, "step", result.step);
        json.Key("seconds");
        json.BeginObject();
        SecondsJson(json, "measured", minutes.measured * result.step);
        SecondsJson(json, "source", minutes.source * result.step);
        SecondsJson(json, "residual", minutes.residual * result.step);
        SecondsJson(json, "excluded", minutes.excludedTime);
        json.Key("samples");
        json.Integer(minutes.measured);
    }
    json.EndObject();
    json.Key("marks_outside");
    json.Integer(static_cast<std::int64_t>(result.marksOutside.size()));
    if (result.settings.standard == Standard::Bs4142)
        BackgroundJson(json, result);
    else
        EmergenceJson(json, result);
    ErrorsJson(json, failures);
    json.EndObject();
}

} // namespace vrd
