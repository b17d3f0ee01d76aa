#include "views/analysis/session/edited_analysis.h"

#include "analysis/period_presets.h"
#include "views/analysis/session/analysis_commands.h"
#include "views/texts/analysis_text.h"
#include "views/texts/mark_text.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// The settings tab's boxes as one state.
struct BoxSettings {
    std::optional<double> threshold;
    vrd::Periods periods;
    std::string preset;
    double minimumCoverage = 0;
};

BoxSettings BoxesOf(const AnalysisSession& session) {
    return {session.Settings().threshold, session.Settings().periods, session.Settings().preset,
            session.MinimumCoverage()};
}

bool SameBoxes(const BoxSettings& a, const BoxSettings& b) {
    return a.threshold == b.threshold && a.periods == b.periods && a.preset == b.preset &&
           a.minimumCoverage == b.minimumCoverage;
}

void ApplyBoxes(AnalysisSession& session, const BoxSettings& boxes) {
    session.SetPeriodSettings(boxes.threshold, boxes.periods, boxes.preset, boxes.minimumCoverage);
}

// Which of count marks rows name; a row beyond them names none.
std::vector<bool> Chosen(const std::vector<std::size_t>& rows, std::size_t count) {
    std::vector<bool> chosen(count, false);
    for (const std::size_t row : rows)
        if (row < count)
            chosen[row] = true;
    return chosen;
}

std::size_t FirstChosen(const std::vector<bool>& chosen) {
    return static_cast<std::size_t>(std::find(chosen.begin(), chosen.end(), true) - chosen.begin());
}

QString FileName(const std::string& path) {
    return QFileInfo(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())))
        .fileName();
}

} // namespace

EditedAnalysis::EditedAnalysis(QObject* parent) : QObject(parent) {
    // A new open is a new analysis: nothing of the last one to undo.
    connect(&session_, &AnalysisSession::reportsReplaced, &stack_, &QUndoStack::clear);
}

EditedAnalysis::~EditedAnalysis() = default;

std::optional<QString> EditedAnalysis::AddMark(vrd::Mark mark) {
    if (mark.span.Length() <= 0)
        return std::nullopt;
    std::vector<vrd::Mark> marks = session_.AllMarks();
    const QString text =
        tr("mark as %1 %2")
            .arg(MarkKindText(mark.kind, WindowLanguage()), SpanText(mark.span, WindowLanguage()));
    marks.push_back(std::move(mark));
    return SetMarks(std::move(marks), text);
}

void EditedAnalysis::RemoveMark(std::size_t row) {
    RemoveMarks({row});
}

void EditedAnalysis::RemoveMarks(const std::vector<std::size_t>& rows) {
    std::vector<vrd::Mark> marks = session_.AllMarks();
    const std::vector<bool> chosen = Chosen(rows, marks.size());
    const auto count = static_cast<int>(std::count(chosen.begin(), chosen.end(), true));
    if (count == 0)
        return;
    const QString text =
        count == 1 ? tr("remove %1").arg(MarkText(marks[FirstChosen(chosen)], WindowLanguage()))
                   : tr("remove %n mark(s)", nullptr, count);
    std::vector<vrd::Mark> kept;
    kept.reserve(marks.size() - static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (!chosen[i])
            kept.push_back(std::move(marks[i]));
    SetMarks(std::move(kept), text);
}

std::optional<QString> EditedAnalysis::SetMarkKind(std::size_t row, vrd::MarkKind kind) {
    return SetMarksKind({row}, kind);
}

std::optional<QString> EditedAnalysis::SetMarksKind(const std::vector<std::size_t>& rows,
                                                    vrd::MarkKind kind) {
    std::vector<vrd::Mark> marks = session_.AllMarks();
    std::vector<bool> chosen = Chosen(rows, marks.size());
    // A mark of that kind already is no change.
    for (std::size_t i = 0; i < marks.size(); ++i)
        chosen[i] = chosen[i] && marks[i].kind != kind;
    const auto count = static_cast<int>(std::count(chosen.begin(), chosen.end(), true));
    if (count == 0)
        return std::nullopt;
    const QString kindText = MarkKindText(kind, WindowLanguage());
    const QString text =
        count == 1
            ? tr("make %1 %2").arg(MarkText(marks[FirstChosen(chosen)], WindowLanguage()), kindText)
            : tr("make %n mark(s) %1", nullptr, count).arg(kindText);
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (chosen[i])
            marks[i].kind = kind;
    return SetMarks(std::move(marks), text);
}

std::optional<QString> EditedAnalysis::EditMark(std::size_t row, vrd::TimeSpan span,
                                                const std::string& reason) {
    std::vector<vrd::Mark> marks = session_.AllMarks();
    if (row >= marks.size())
        return std::nullopt;
    vrd::Mark& mark = marks[row];
    if (mark.span == span && mark.reason == reason)
        return std::nullopt;
    const Language language = WindowLanguage();
    if (span.Length() <= 0)
        return tr("The mark would end at %1, not after its start at %2: a mark ends after it "
                  "starts.")
            .arg(TimeText(span.end, language), TimeText(span.start, language));
    const QString text = tr("change %1").arg(MarkText(mark, language));
    mark.span = span;
    mark.reason = reason;
    return SetMarks(std::move(marks), text);
}

std::optional<QString> EditedAnalysis::SetMarks(std::vector<vrd::Mark> marks, const QString& text) {
    if (std::optional<QString> warning = session_.MarksRefused(marks))
        return warning;
    stack_.push(new SetStateCommand<std::vector<vrd::Mark>>(
        text, session_.AllMarks(), std::move(marks),
        [this](const std::vector<vrd::Mark>& state) { session_.SetMarks(state); }));
    return std::nullopt;
}

bool EditedAnalysis::Select(vrd::Interval selection) {
    if (selection.Length() <= 0)
        return false;
    const vrd::Interval current = session_.Selection();
    if (selection.from == current.from && selection.to == current.to)
        return true;
    stack_.push(new SetStateCommand<vrd::Interval>(
        tr("select %1").arg(IntervalText(selection, WindowLanguage())), current, selection,
        [this](const vrd::Interval& state) { session_.Select(state); }));
    return true;
}

bool EditedAnalysis::SetSettings(std::optional<double> threshold, const vrd::Periods& periods,
                                 double minimumCoverage) {
    const BoxSettings before = BoxesOf(session_);
    BoxSettings after = before;
    after.threshold = threshold;
    after.minimumCoverage = minimumCoverage;
    const bool accepted = !vrd::CheckPeriods(periods);
    // Periods that differ from those held are set by hand, under no preset.
    if (accepted && periods != before.periods) {
        after.periods = periods;
        after.preset.clear();
    }
    if (!SameBoxes(before, after))
        stack_.push(new SetStateCommand<BoxSettings>(
            tr("change the settings"), before, after,
            [this](const BoxSettings& state) { ApplyBoxes(session_, state); }));
    return accepted;
}

bool EditedAnalysis::SetPreset(const std::string& name) {
    const BoxSettings before = BoxesOf(session_);
    BoxSettings after = before;
    if (!name.empty()) {
        const std::optional<vrd::PeriodPreset> preset = vrd::PresetNamed(name);
        if (!preset)
            return false;
        after.periods = preset->periods;
    }
    after.preset = name;
    if (!SameBoxes(before, after))
        stack_.push(new SetStateCommand<BoxSettings>(
            tr("choose the periods of %1")
                .arg(name.empty() ? tr("Custom") : QString::fromStdString(name)),
            before, after, [this](const BoxSettings& state) { ApplyBoxes(session_, state); }));
    return true;
}

void EditedAnalysis::SetWhoSource(std::optional<vrd::WhoSource> source) {
    if (source == session_.Settings().who)
        return;
    stack_.push(new SetStateCommand<std::optional<vrd::WhoSource>>(
        tr("compare with the WHO guidelines"), session_.Settings().who, source,
        [this](const std::optional<vrd::WhoSource>& state) { session_.SetWhoSource(state); }));
}

void EditedAnalysis::SetAssessmentSettings(std::optional<vrd::AssessmentSettings> assessment) {
    const std::optional<vrd::AssessmentSettings>& current = session_.Assessment();
    const auto same = [](const std::optional<vrd::AssessmentSettings>& a,
                         const std::optional<vrd::AssessmentSettings>& b) {
        return a.has_value() == b.has_value() &&
               (!a || (a->standard == b->standard && a->indoors == b->indoors));
    };
    if (same(current, assessment))
        return;
    stack_.push(new SetStateCommand<std::optional<vrd::AssessmentSettings>>(
        tr("choose the standard"), current, assessment,
        [this](const std::optional<vrd::AssessmentSettings>& state) {
            session_.SetAssessmentSettings(state);
        }));
}

void EditedAnalysis::AddReport(vrd::ReportForAnalysis report) {
    const QString text = tr("add %1").arg(FileName(report.path));
    stack_.push(
        new ReportCommand(text, session_, session_.Reports().size(), std::move(report), true));
}

void EditedAnalysis::RemoveReport(std::size_t index) {
    if (index >= session_.Reports().size())
        return;
    const vrd::ReportForAnalysis& report = session_.Reports()[index];
    stack_.push(new ReportCommand(tr("remove %1").arg(FileName(report.path)), session_, index,
                                  report, false));
}
