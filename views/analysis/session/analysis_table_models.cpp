#include "views/analysis/session/analysis_table_models.h"

#include "analysis/exclusion_file.h"
#include "analysis/period_presets.h"
#include "views/texts/analysis_text.h"
#include "views/texts/core_reason_text.h"
#include "views/texts/who_text.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <limits>

namespace {

const QColor kLowCoverage(255, 224, 178);
const QColor kAboveWho(244, 186, 196);
const QString kDecibels = QStringLiteral("dB");

// A header's name, also its tooltip: a column narrowed by the user still tells what it holds.
QVariant HeaderName(const QStringList& names, int section, int role) {
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || section < 0 ||
        section >= names.size())
        return {};
    return names.at(section);
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

std::optional<double> DaysTableModel::AboveWho(int row, int column) const {
    const std::optional<vrd::WhoSource> source = session_.Settings().who;
    if (!source || row < 0 || row >= rowCount() || (column != Lden && column != Lnight))
        return std::nullopt;
    const vrd::DayFigures day = session_.Result().days.At(row);
    const vrd::WhoComparison who = vrd::CompareWithWho(*source, day.levels.lden, day.levels.lnight);
    const std::optional<double>& excess = column == Lden ? who.ldenExcess : who.lnightExcess;
    if (!excess || *excess <= 0)
        return std::nullopt;
    return column == Lden ? who.ldenGuideline : who.lnightGuideline;
}

QVariant DaysTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const vrd::DayFigures day = session_.Result().days.At(index.row());
    const bool low = IsLow(index.row(), index.column());
    const std::optional<double> above = AboveWho(index.row(), index.column());
    const Language language = WindowLanguage();
    const QString mark = low ? QStringLiteral(" *") : QString();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Date:
            return DayText(day.date, language);
        case Lday:
            return LevelText(day.levels.lday, language);
        case Levening:
            return LevelText(day.levels.levening, language);
        case Lnight:
            return LevelText(day.levels.lnight, language);
        case Lden:
            return LevelText(day.levels.lden, language);
        case CoverageDay:
            return QString(PercentText(day.coverageDay, language) + mark);
        case CoverageEvening:
            return QString(PercentText(day.coverageEvening, language) + mark);
        case CoverageNight:
            return QString(PercentText(day.coverageNight, language) + mark);
        default:
            return {};
        }
    case Qt::BackgroundRole:
        // Over the guideline matters more than the coverage, which the tooltip still tells.
        if (above)
            return QBrush(kAboveWho);
        return low ? QVariant(QBrush(kLowCoverage)) : QVariant();
    case Qt::ToolTipRole: {
        QString text = data(index, Qt::DisplayRole).toString();
        if (above)
            text += QLatin1Char('\n') + AboveWhoText(*session_.Settings().who, *above, language);
        if (low)
            text += QLatin1Char('\n') +
                    tr("Rests on too little data: the coverage is below the minimum");
        return text;
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
    const vrd::AnalysisSettings& settings = session_.Settings();
    // The combined level as the preset calls it, each level with the guideline it is held to.
    std::optional<vrd::WhoComparison> who;
    if (settings.who)
        who = vrd::CompareWithWho(*settings.who, std::nullopt, std::nullopt);
    const Language language = WindowLanguage();
    const QStringList names = {
        tr("Date"),
        QStringLiteral("Lday (dB)"),
        QStringLiteral("Levening (dB)"),
        WhoHeader(QStringLiteral("Lnight"), who ? who->lnightGuideline : std::nullopt, language),
        WhoHeader(QLatin1String(vrd::CombinedLevelName(settings.preset)),
                  who ? who->ldenGuideline : std::nullopt, language),
        tr("Day coverage"),
        tr("Evening coverage"),
        tr("Night coverage")};
    return HeaderName(names, section, role);
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
            return MinuteText(hour.start, WindowLanguage());
        case Leq:
            return LevelText(hour.leq, WindowLanguage());
        case Lmax:
            return MaybeWholeLevelText(hour.lmax, WindowLanguage());
        case Lmin:
            return MaybeWholeLevelText(hour.lmin, WindowLanguage());
        case Minutes:
            // At another step than a minute the column is in seconds.
            if (session_.Step() != vrd::kMillisPerMinute)
                return SecondsText(hour.minutes * session_.Step(), WindowLanguage());
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
    const QStringList names = {tr("Start"), QStringLiteral("Leq (dB)"), QStringLiteral("Lmax (dB)"),
                               QStringLiteral("Lmin (dB)"),
                               session_.Step() == vrd::kMillisPerMinute ? tr("Minutes")
                                                                        : tr("Seconds")};
    return HeaderName(names, section, role);
}

// ---- statistics

QString FigureRow::ValueWithUnit(Language language) const {
    return value.isEmpty() || unit.isEmpty() ? value : value + UnitSpace(language) + unit;
}

QList<FigureRow> FigureRows(const vrd::RangeFigures& figures, Language language, vrd::Millis step) {
    const vrd::LevelFigures& levels = figures.levels;
    const auto level = [language](std::optional<double> value) {
        return LevelText(value, language);
    };
    // An empty range has no ends to write.
    const bool empty = figures.range.Length() <= 0;
    QList<FigureRow> rows = {
        {StatisticsModel::tr("Start"),
         empty ? QString() : MinuteText(figures.range.from, language)},
        {StatisticsModel::tr("End"), empty ? QString() : MinuteText(figures.range.to, language)},
        {StatisticsModel::tr("Coverage"), PercentText(figures.coverage, language)},
        {StatisticsModel::tr("Minutes measured"), QString::number(figures.measured)},
        {StatisticsModel::tr("Minutes excluded"), QString::number(figures.excluded)},
    };
    if (step != vrd::kMillisPerMinute) {
        rows[3] = {StatisticsModel::tr("Seconds measured"),
                   SecondsText(figures.measuredTime, language)};
        rows[4] = {StatisticsModel::tr("Seconds excluded"),
                   SecondsText(figures.excluded * vrd::kMillisPerMinute, language)};
        rows.insert(4,
                    {StatisticsModel::tr("Samples measured"), QString::number(figures.measured)});
    }
    rows += QList<FigureRow>{
        {QStringLiteral("Leq"), level(levels.leq), kDecibels},
        {QStringLiteral("Lmax"), level(levels.lmax), kDecibels},
        {QStringLiteral("Lmin"), level(levels.lmin), kDecibels},
    };
    for (const int percent : vrd::kStatisticalPercents)
        rows.append(
            {QStringLiteral("L") + QString::number(percent), level(levels.L(percent)), kDecibels});
    const auto exceedance = [&](std::int64_t vrd::Exceedance::*field) {
        return figures.exceedance ? QString::number((*figures.exceedance).*field) : QString();
    };
    // Samples above, and the longest run of them, as the time they stand for.
    const auto exceedanceTime = [&](std::int64_t vrd::Exceedance::*field) {
        return figures.exceedance ? SecondsText((*figures.exceedance).*field * step, language)
                                  : QString();
    };
    const bool minutes = step == vrd::kMillisPerMinute;
    rows.append(minutes ? FigureRow{StatisticsModel::tr("Minutes above threshold"),
                                    exceedance(&vrd::Exceedance::minutes)}
                        : FigureRow{StatisticsModel::tr("Seconds above threshold"),
                                    exceedanceTime(&vrd::Exceedance::minutes)});
    rows.append(
        {StatisticsModel::tr("Events above threshold"), exceedance(&vrd::Exceedance::events)});
    rows.append(minutes ? FigureRow{StatisticsModel::tr("Longest event (min)"),
                                    exceedance(&vrd::Exceedance::longest)}
                        : FigureRow{StatisticsModel::tr("Longest event (s)"),
                                    exceedanceTime(&vrd::Exceedance::longest)});
    return rows;
}

QList<FigureRow> WhoRows(const AnalysisSession::WhoFigures& who, const QString& combinedLevel,
                         Language language) {
    const vrd::WhoComparison& comparison = who.comparison;
    QList<FigureRow> rows = {
        {WhoSourceRowName(language), WhoSourceText(comparison.source, language)}};
    const auto add = [&](const QString& name, std::optional<double> level,
                         std::optional<double> guideline, std::optional<double> excess) {
        rows.append({name, LevelText(level, language), kDecibels});
        rows.append({WhoGuidelineName(name, language), WhoGuidelineText(guideline, language),
                     guideline ? kDecibels : QString()});
        rows.append({WhoExcessName(name, language),
                     excess ? SignedLevelText(*excess, language) : QString(), kDecibels});
    };
    add(combinedLevel, who.levels.lden, comparison.ldenGuideline, comparison.ldenExcess);
    add(QStringLiteral("Lnight"), who.levels.lnight, comparison.lnightGuideline,
        comparison.lnightExcess);
    return rows;
}

namespace {

QList<FigureRow> StatisticsRows(const AnalysisSession& session) {
    const Language language = WindowLanguage();
    QList<FigureRow> rows = FigureRows(session.SelectionFigures(), language, session.Step());
    if (const std::optional<AnalysisSession::WhoFigures>& who = session.SelectionWho())
        rows += WhoRows(*who, QLatin1String(vrd::CombinedLevelName(session.Settings().preset)),
                        language);
    return rows;
}

bool SameNames(const QList<FigureRow>& a, const QList<FigureRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const FigureRow& x, const FigureRow& y) { return x.name == y.name; });
}

} // namespace

StatisticsModel::StatisticsModel(const AnalysisSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session), rows_(StatisticsRows(session)) {
    QObject::connect(&session, &AnalysisSession::selectionChanged, this, [this] {
        QList<FigureRow> rows = StatisticsRows(session_);
        // The WHO rows come and go with the source; otherwise only the values change.
        if (!SameNames(rows, rows_)) {
            beginResetModel();
            rows_ = std::move(rows);
            endResetModel();
            return;
        }
        rows_ = std::move(rows);
        emit dataChanged(index(0, 1), index(static_cast<int>(rows_.size()) - 1, 1));
    });
}

void StatisticsModel::Retranslate() {
    beginResetModel();
    rows_ = StatisticsRows(session_);
    endResetModel();
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
        return index.column() == 0 ? row.name : row.ValueWithUnit(WindowLanguage());
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

namespace {

QString StageText(vrd::Stage stage) {
    switch (stage) {
    case vrd::Stage::Read:
        return ReportFileListModel::tr("read");
    case vrd::Stage::Decode:
        return ReportFileListModel::tr("decode");
    case vrd::Stage::Parse:
        return ReportFileListModel::tr("parse");
    case vrd::Stage::Cancelled:
        return ReportFileListModel::tr("cancelled");
    }
    return {};
}

} // namespace

QString ReportFileText(const vrd::ReportForAnalysis& report) {
    QString text =
        QString::fromLocal8Bit(report.path.data(), static_cast<qsizetype>(report.path.size()));
    // The core's reason, worded in the window's language.
    if (report.failure)
        text += QStringLiteral(": ") + StageText(report.failure->stage) + QStringLiteral(": ") +
                FailureText(*report.failure, WindowLanguage());
    return text;
}

void Retranslate(QAbstractItemModel& model) {
    // A model's texts are read when shown: it is enough that the views read them again.
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    if (columns > 0)
        emit model.headerDataChanged(Qt::Horizontal, 0, columns - 1);
    if (rows > 0 && columns > 0)
        emit model.dataChanged(model.index(0, 0), model.index(rows - 1, columns - 1));
}
