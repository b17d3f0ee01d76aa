#include "views/analysis/assessment/assessment_models.h"

#include "views/analysis/session/analysis_table_models.h"
#include "views/texts/analysis_text.h"
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

QString FigureText(const vrd::EmergenceFigures& figures, int column) {
    switch (column) {
    case EmergenceTableModel::SourceMinutes:
        return QString::number(figures.sourceMinutes);
    case EmergenceTableModel::Ambient:
        return LevelText(figures.ambient, WindowLanguage());
    case EmergenceTableModel::Residual:
        return LevelText(figures.residual, WindowLanguage());
    case EmergenceTableModel::Indicator:
        return IndicatorText(figures.indicator);
    case EmergenceTableModel::Emergence:
        return LevelText(figures.emergence, WindowLanguage());
    case EmergenceTableModel::Term:
        return LevelText(figures.term);
    case EmergenceTableModel::Limit:
        return LevelText(figures.limit);
    case EmergenceTableModel::Margin:
        return LevelText(figures.margin, WindowLanguage());
    case EmergenceTableModel::Verdict:
        return VerdictText(figures, WindowLanguage());
    default:
        return {};
    }
}

} // namespace

// ---- the periods of the French standards

EmergenceTableModel::EmergenceTableModel(const AnalysisSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
    connect(&session, &AnalysisSession::assessmentChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

std::int64_t EmergenceTableModel::Periods() const {
    return IsFrench(session_.Assessed()) ? session_.Assessed()->calendar.Size() : 0;
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
        period = result.Period(index.row());
    }
    const vrd::EmergenceFigures& figures = period.figures;
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == Date)
            return overall ? tr("overall") : DayText(period.date, WindowLanguage());
        if (index.column() == Period)
            return PeriodLabelText(period.label, WindowLanguage());
        return FigureText(figures, index.column());
    case Qt::TextAlignmentRole:
        return index.column() >= SourceMinutes && index.column() < Verdict
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    case Qt::BackgroundRole:
        if (index.column() == Verdict)
            return VerdictBrush(figures);
        return figures.conclusive == false ? QVariant(QBrush(kNotConclusive)) : QVariant();
    case Qt::ToolTipRole:
        return figures.conclusive == false
                   ? QVariant(tr("Not conclusive: the emergence is within 2 dB of the limit"))
                   : QVariant();
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
            const vrd::Interval interval = result.calendar.At(index.row()).interval;
            return static_cast<qlonglong>(role == kPeriodStartRole ? interval.from : interval.to);
        }
    default:
        return {};
    }
}

QVariant EmergenceTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Date:
        return tr("Date");
    case Period:
        return tr("Period");
    case SourceMinutes:
        return tr("Source (min)");
    case Ambient:
        return tr("Ambient (dB)");
    case Residual:
        return tr("Residual (dB)");
    case Indicator:
        return tr("Indicator");
    case Emergence:
        return tr("Emergence (dB)");
    case Term:
        return tr("Term (dB)");
    case Limit:
        return tr("Limit (dB)");
    case Margin:
        return tr("Margin (dB)");
    case Verdict:
        return tr("Verdict");
    default:
        return {};
    }
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
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Start:
        return tr("Start");
    case Length:
        return tr("Length (min)");
    case Period:
        return tr("Period");
    case Minutes:
        return tr("Residual (min)");
    case L90:
        return tr("L90 (dB)");
    default:
        return {};
    }
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
        return LevelText(level.mode);
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
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Period:
        return tr("Period");
    case Count:
        return tr("Intervals");
    case Mode:
        return tr("Mode (dB)");
    case Median:
        return tr("Median (dB)");
    case Histogram:
        return tr("Histogram of the L90");
    default:
        return {};
    }
}
