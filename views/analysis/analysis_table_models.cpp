#include "views/analysis/analysis_table_models.h"

#include "analysis/exclusion_file.h"
#include "views/analysis/analysis_text.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <limits>

namespace {

const QColor kLowCoverage(255, 224, 178);
const QString kLowHint =
    QStringLiteral("Rests on too little data: the coverage is below the minimum");
const QString kDecibels = QStringLiteral("dB");

// A header's name, also its tooltip: a column narrowed by the user still tells what it holds.
QVariant HeaderName(const QStringList& names, int section, int role) {
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || section < 0 ||
        section >= names.size())
        return {};
    return names.at(section);
}

// Connects signal of session to a reset of model.
template <typename Model>
void ResetOn(Model* model, const AnalysisSession& session, void (AnalysisSession::*signal)()) {
    QObject::connect(&session, signal, model, [model] {
        model->beginResetModel();
        model->endResetModel();
    });
}

int ClampedRows(std::int64_t rows) {
    return static_cast<int>(std::min<std::int64_t>(rows, std::numeric_limits<int>::max()));
}

} // namespace

// ---- days

DaysTableModel::DaysTableModel(const AnalysisSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
    QObject::connect(&session, &AnalysisSession::resultChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int DaysTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ClampedRows(session_.Result().days.Size());
}

int DaysTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

vrd::Minute DaysTableModel::DayStart(vrd::Day day) const {
    return vrd::StartOfDay(day) + session_.Settings().periods.day * vrd::kMinutesPerHour;
}

bool DaysTableModel::IsLow(int row, int column) const {
    if (row < 0 || row >= rowCount())
        return false;
    const vrd::DayFigures day = session_.Result().days.At(row);
    const double least = session_.MinimumCoverage();
    switch (column) {
    case Lday:
    case CoverageDay:
        return day.coverageDay < least;
    case Levening:
    case CoverageEvening:
        return day.coverageEvening < least;
    case Lnight:
    case CoverageNight:
        return day.coverageNight < least;
    case Lden:
        return day.coverageDay < least || day.coverageEvening < least || day.coverageNight < least;
    default:
        return false;
    }
}

QVariant DaysTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const vrd::DayFigures day = session_.Result().days.At(index.row());
    const bool low = IsLow(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Date:
            return DayText(day.date);
        case Lday:
            return LevelText(day.levels.lday);
        case Levening:
            return LevelText(day.levels.levening);
        case Lnight:
            return LevelText(day.levels.lnight);
        case Lden:
            return LevelText(day.levels.lden);
        case CoverageDay:
            return QString(PercentText(day.coverageDay) + (low ? QStringLiteral(" *") : QString()));
        case CoverageEvening:
            return QString(PercentText(day.coverageEvening) +
                           (low ? QStringLiteral(" *") : QString()));
        case CoverageNight:
            return QString(PercentText(day.coverageNight) +
                           (low ? QStringLiteral(" *") : QString()));
        default:
            return {};
        }
    case Qt::BackgroundRole:
        return low ? QVariant(QBrush(kLowCoverage)) : QVariant();
    case Qt::ToolTipRole: {
        const QString text = data(index, Qt::DisplayRole).toString();
        return low ? QString(text + QLatin1Char('\n') + kLowHint) : text;
    }
    case Qt::TextAlignmentRole:
        return index.column() == Date ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case kPeriodStartRole:
        return qlonglong(DayStart(day.date));
    case kPeriodEndRole:
        return qlonglong(DayStart(day.date + 1));
    default:
        return {};
    }
}

QVariant DaysTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList kNames = {QStringLiteral("Date"),
                                       QStringLiteral("Lday (dB)"),
                                       QStringLiteral("Levening (dB)"),
                                       QStringLiteral("Lnight (dB)"),
                                       QStringLiteral("Lden (dB)"),
                                       QStringLiteral("Day coverage"),
                                       QStringLiteral("Evening coverage"),
                                       QStringLiteral("Night coverage")};
    return HeaderName(kNames, section, role);
}

// ---- hours

HoursTableModel::HoursTableModel(const AnalysisSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
    QObject::connect(&session, &AnalysisSession::resultChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int HoursTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ClampedRows(session_.Result().hours.Size());
}

int HoursTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant HoursTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const vrd::HourFigures hour = session_.Result().hours.At(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Start:
            return MinuteText(hour.start);
        case Leq:
            return LevelText(hour.leq);
        case Lmax:
            return LevelText(hour.lmax);
        case Lmin:
            return LevelText(hour.lmin);
        case Minutes:
            return qlonglong(hour.minutes);
        default:
            return {};
        }
    case Qt::ToolTipRole:
        return data(index, Qt::DisplayRole).toString();
    case Qt::TextAlignmentRole:
        return index.column() == Start ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case kPeriodStartRole:
        return qlonglong(hour.start);
    case kPeriodEndRole:
        return qlonglong(hour.start + vrd::kMinutesPerHour);
    default:
        return {};
    }
}

QVariant HoursTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList kNames = {QStringLiteral("Start"), QStringLiteral("Leq (dB)"),
                                       QStringLiteral("Lmax (dB)"), QStringLiteral("Lmin (dB)"),
                                       QStringLiteral("Minutes")};
    return HeaderName(kNames, section, role);
}

// ---- statistics

QString FigureRow::ValueWithUnit() const {
    return value.isEmpty() || unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

QList<FigureRow> FigureRows(const vrd::RangeFigures& figures) {
    const vrd::LevelFigures& levels = figures.levels;
    QList<FigureRow> rows = {
        {QStringLiteral("Start"), MinuteText(figures.range.from)},
        {QStringLiteral("End"), MinuteText(figures.range.to)},
        {QStringLiteral("Coverage"), PercentText(figures.coverage)},
        {QStringLiteral("Minutes measured"), QString::number(figures.measured)},
        {QStringLiteral("Minutes excluded"), QString::number(figures.excluded)},
        {QStringLiteral("Leq"), LevelText(levels.leq), kDecibels},
        {QStringLiteral("Lmax"), LevelText(levels.lmax), kDecibels},
        {QStringLiteral("Lmin"), LevelText(levels.lmin), kDecibels},
    };
    for (const int percent : vrd::kStatisticalPercents)
        rows.append({QStringLiteral("L") + QString::number(percent), LevelText(levels.L(percent)),
                     kDecibels});
    const auto exceedance = [&](std::int64_t vrd::Exceedance::*field) {
        return figures.exceedance ? QString::number((*figures.exceedance).*field) : QString();
    };
    rows.append({QStringLiteral("Minutes above threshold"), exceedance(&vrd::Exceedance::minutes)});
    rows.append({QStringLiteral("Events above threshold"), exceedance(&vrd::Exceedance::events)});
    rows.append({QStringLiteral("Longest event (min)"), exceedance(&vrd::Exceedance::longest)});
    return rows;
}

StatisticsModel::StatisticsModel(const AnalysisSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session),
      rows_(FigureRows(session.SelectionFigures())) {
    QObject::connect(&session, &AnalysisSession::selectionChanged, this, [this] {
        // The same rows every time: only the values change.
        rows_ = FigureRows(session_.SelectionFigures());
        emit dataChanged(index(0, 1), index(static_cast<int>(rows_.size()) - 1, 1));
    });
}

int StatisticsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StatisticsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant StatisticsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FigureRow& row = rows_.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return index.column() == 0 ? row.name : row.ValueWithUnit();
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QString StatisticsModel::Value(const QString& name) const {
    for (const FigureRow& row : rows_)
        if (row.name == name)
            return row.value;
    return {};
}

// ---- exclusions and reports

ReportFileListModel::ReportFileListModel(const AnalysisSession& session, QObject* parent)
    : QAbstractListModel(parent), session_(session) {
    QObject::connect(&session, &AnalysisSession::seriesChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int ReportFileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(session_.Reports().size());
}

QVariant ReportFileListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const vrd::ReportForAnalysis& report =
        session_.Reports().at(static_cast<std::size_t>(index.row()));
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return ReportFileText(report);
    if (role == Qt::ForegroundRole && report.failure)
        return QBrush(Qt::darkRed);
    return {};
}

QString ReportFileText(const vrd::ReportForAnalysis& report) {
    QString text =
        QString::fromLocal8Bit(report.path.data(), static_cast<qsizetype>(report.path.size()));
    if (report.failure)
        text += QStringLiteral(": ") + QLatin1String(vrd::StageName(report.failure->stage)) +
                QStringLiteral(": ") + QString::fromStdString(report.failure->reason);
    return text;
}
