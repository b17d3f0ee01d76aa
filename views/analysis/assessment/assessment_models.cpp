#include "views/analysis/assessment/assessment_models.h"

#include "analysis/assessment_rules.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/texts/analysis_text.h"
#include "views/texts/assessment_columns.h"
#include "views/texts/assessment_conclusion_text.h"
#include "views/texts/assessment_text.h"

#include <QBrush>
#include <QFont>

#include <algorithm>
#include <limits>

namespace {

const QColor kCompliant(200, 230, 201);
const QColor kExceeds(255, 205, 210);
const QColor kNotAssessable(224, 224, 224);
const QColor kNotConclusive(255, 224, 130);

bool IsFrench(const std::optional<vrd::AssessmentResult>& result) {
    return result && result->settings.standard != vrd::Standard::Bs4142;
}

bool IsBs4142(const std::optional<vrd::AssessmentResult>& result) {
    return result && result->settings.standard == vrd::Standard::Bs4142;
}

int Clamped(std::int64_t rows) {
    return static_cast<int>(std::min<std::int64_t>(rows, std::numeric_limits<int>::max() - 8));
}

QVariant VerdictBrush(const vrd::EmergenceFigures& figures) {
    switch (figures.verdict) {
    case vrd::Verdict::Compliant:
        return QBrush(kCompliant);
    case vrd::Verdict::Exceeds:
        return QBrush(kExceeds);
    case vrd::Verdict::NoData:
    case vrd::Verdict::BelowGate:
        break;
    }
    return QBrush(kNotAssessable);
}

QString Decimal(const std::optional<int>& value) {
    return value ? LevelText(static_cast<double>(*value), WindowLanguage()) : QString();
}

QString FigureText(const vrd::EmergenceFigures& figures, vrd::Standard standard, int column) {
    const Language language = WindowLanguage();
    switch (column) {
    case EmergenceTableModel::SourceMinutes:
        return QString::number(figures.sourceMinutes);
    case EmergenceTableModel::Ambient:
        return LevelText(figures.ambient, language);
    case EmergenceTableModel::Residual:
        return LevelText(figures.residual, language);
    case EmergenceTableModel::Indicator:
        return IndicatorText(figures.indicator);
    case EmergenceTableModel::Emergence:
        return LevelText(figures.emergence, language);
    case EmergenceTableModel::Term:
        return Decimal(figures.term);
    case EmergenceTableModel::Limit:
        return Decimal(figures.limit);
    case EmergenceTableModel::Margin:
        return LevelText(figures.margin, language);
    case EmergenceTableModel::Verdict:
        return VerdictWordingText(vrd::WordingOf(figures), language);
    case EmergenceTableModel::Notes:
        return NotesText(figures.notes, standard, language);
    default:
        return {};
    }
}

// The whole period of a row, as the calendar makes it.
vrd::Interval PeriodInterval(const vrd::EmergencePeriod& period, vrd::Standard standard) {
    const vrd::EmergenceRules& rules = *vrd::RulesOf(standard).emergence;
    const vrd::Minute date = vrd::StartOfDay(period.date);
    const vrd::ClockHours& hours =
        period.label == vrd::PeriodLabel::Night ? rules.night : rules.day;
    const vrd::Minute from = date + hours.from * vrd::kMinutesPerHour;
    vrd::Minute to = date + hours.to * vrd::kMinutesPerHour;
    if (hours.to <= hours.from)
        to += vrd::kMinutesPerDay;
    return {from, to};
}

} // namespace

// ---- the periods of the French standards

EmergenceTableModel::EmergenceTableModel(const AnalysisSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
    connect(&session, &AnalysisSession::assessmentChanged, this, &EmergenceTableModel::Reset);
    Reset();
}

void EmergenceTableModel::Reset() {
    beginResetModel();
    heard_.clear();
    if (IsFrench(session_.Assessed()) && !every_)
        heard_ = PeriodsHeard(*session_.Assessed());
    endResetModel();
}

void EmergenceTableModel::SetEveryPeriod(bool every) {
    if (every == every_)
        return;
    every_ = every;
    Reset();
}

std::int64_t EmergenceTableModel::Periods() const {
    if (!IsFrench(session_.Assessed()))
        return 0;
    return every_ ? session_.Assessed()->calendar.Size() : static_cast<std::int64_t>(heard_.size());
}

vrd::EmergencePeriod EmergenceTableModel::PeriodAt(int row) const {
    return every_ ? session_.Assessed()->Period(row) : heard_.at(static_cast<std::size_t>(row));
}

int EmergenceTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !IsFrench(session_.Assessed()))
        return 0;
    return Clamped(Periods() + static_cast<std::int64_t>(session_.Assessed()->overall.size()));
}

int EmergenceTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant EmergenceTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const vrd::AssessmentResult& result = *session_.Assessed();
    const bool overall = index.row() >= Periods();
    vrd::EmergencePeriod period;
    if (overall) {
        const vrd::LabelEmergence& pooled =
            result.overall.at(static_cast<std::size_t>(index.row() - Periods()));
        period.label = pooled.label;
        period.figures = pooled.figures;
    } else {
        period = PeriodAt(index.row());
    }
    const vrd::EmergenceFigures& figures = period.figures;
    const vrd::Standard standard = result.settings.standard;
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == Date)
            return overall ? PooledRowText(WindowLanguage())
                           : DayText(period.date, WindowLanguage());
        if (index.column() == Period)
            return PeriodLabelText(period.label, WindowLanguage());
        return FigureText(figures, standard, index.column());
    case kLeaningRole:
        return index.column() == Verdict
                   ? QVariant(VerdictLeaningText(vrd::WordingOf(figures), WindowLanguage()))
                   : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() >= SourceMinutes && index.column() < Verdict
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    case Qt::BackgroundRole:
        if (index.column() == Verdict)
            return VerdictBrush(figures);
        return figures.conclusive == false ? QVariant(QBrush(kNotConclusive)) : QVariant();
    case Qt::ToolTipRole: {
        QStringList tips;
        if (figures.conclusive == false)
            tips.append(tr("Not conclusive (%1): the emergence is within %2 dB of the limit")
                            .arg(VerdictLeaningText(vrd::WordingOf(figures), WindowLanguage()))
                            .arg(vrd::RulesOf(standard).emergence->notConclusiveWithin));
        const QString notes = NotesText(figures.notes, standard, WindowLanguage());
        if (!notes.isEmpty())
            tips.append(notes);
        return tips.isEmpty() ? QVariant() : QVariant(tips.join(QLatin1Char('\n')));
    }
    case Qt::FontRole:
        if (overall) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case kPeriodStartRole:
    case kPeriodEndRole:
        if (overall)
            return {};
        {
            const vrd::Interval interval = PeriodInterval(period, standard);
            return static_cast<qlonglong>(role == kPeriodStartRole ? interval.from : interval.to);
        }
    default:
        return {};
    }
}

QVariant EmergenceTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns)
        return {};
    // The numeric columns a word a line, their unit under it, so that they stay narrow and the
    // verdict stays in view.
    QString name = EmergenceColumnName(static_cast<EmergenceColumn>(section), WindowLanguage());
    if (section >= SourceMinutes && section < Verdict)
        name.replace(QLatin1Char(' '), QLatin1Char('\n'));
    return name;
}

// ---- the intervals of BS 4142

BackgroundIntervalModel::BackgroundIntervalModel(const AnalysisSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
    connect(&session, &AnalysisSession::assessmentChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int BackgroundIntervalModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !IsBs4142(session_.Assessed()))
        return 0;
    return Clamped(session_.Assessed()->calendar.Size());
}

int BackgroundIntervalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant BackgroundIntervalModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const vrd::BackgroundInterval interval = session_.Assessed()->BackgroundIntervalAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Start:
            return MinuteText(interval.start, WindowLanguage());
        case Length:
            return QString::number(interval.length);
        case Period:
            return PeriodLabelText(interval.label, WindowLanguage());
        case Minutes:
            return QString::number(interval.minutes);
        case L90:
            return LevelText(interval.l90, WindowLanguage());
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        return index.column() == Start || index.column() == Period
                   ? QVariant()
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case kPeriodStartRole:
        return static_cast<qlonglong>(interval.start);
    case kPeriodEndRole:
        return static_cast<qlonglong>(interval.start + interval.length);
    default:
        return {};
    }
}

QVariant BackgroundIntervalModel::headerData(int section, Qt::Orientation orientation,
                                             int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns)
        return {};
    return IntervalColumnName(static_cast<IntervalColumn>(section), WindowLanguage());
}

// ---- the background level of each label

BackgroundLevelModel::BackgroundLevelModel(const AnalysisSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
    connect(&session, &AnalysisSession::assessmentChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int BackgroundLevelModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !IsBs4142(session_.Assessed()))
        return 0;
    return static_cast<int>(session_.Assessed()->background.size());
}

int BackgroundLevelModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant BackgroundLevelModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        role != Qt::DisplayRole)
        return {};
    const vrd::BackgroundLevel& level =
        session_.Assessed()->background.at(static_cast<std::size_t>(index.row()));
    switch (index.column()) {
    case Period:
        return PeriodLabelText(level.label, WindowLanguage());
    case Count:
        return QString::number(level.count);
    case Mode:
        // A mode that no other interval shares tells nothing: the median beside it does.
        return level.modeCount == 1
                   ? tr("%1 (not representative: median %2)")
                         .arg(LevelText(level.mode), LevelText(level.median, WindowLanguage()))
                   : LevelText(level.mode);
    case Median:
        return LevelText(level.median, WindowLanguage());
    case Histogram: {
        QStringList counts;
        for (const vrd::LevelCount& bin : level.histogram)
            counts.append(tr("%1 dB: %2").arg(bin.level).arg(bin.count));
        return counts.join(QStringLiteral(", "));
    }
    default:
        return {};
    }
}

QVariant BackgroundLevelModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns)
        return {};
    return BackgroundColumnName(static_cast<BackgroundColumn>(section), WindowLanguage());
}
