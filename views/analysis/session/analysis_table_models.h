#pragma once
// The tables of the analysis window as Qt models over an AnalysisSession: the days, the hours,
// the statistics of the selection and the reports (the marks are in mark_table_model.h). They
// follow the session's signals and need no widgets.

#include "views/analysis/session/analysis_session.h"
#include "views/common/language.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>

#include <utility>

// The role that gives the minute a row stands for (a day's start, an hour's start), as a
// qlonglong: a click on the row selects that period.
constexpr int kPeriodStartRole = Qt::UserRole + 1;
constexpr int kPeriodEndRole = Qt::UserRole + 2;

// One row a day: date, Lday, Levening, Lnight, Lden and the three coverages. A period whose
// coverage is below the minimum has its level and coverage marked; with a WHO source, an Lden or
// Lnight above its guideline is marked too, and the headers name the guidelines and the combined
// level as the preset calls it. A row stands for the day's own periods, from its day start to
// the next day's: a click on it selects them.
class DaysTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Date, Lday, Levening, Lnight, Lden, CoverageDay, CoverageEvening, CoverageNight };
    static constexpr int kColumns = 8;

    explicit DaysTableModel(const AnalysisSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // True when the period of column (a level or coverage column) rests on too little data.
    bool IsLow(int row, int column) const;
    // The WHO guideline that the Lden or Lnight of column exceeds; nullopt when it does not, or
    // without a source.
    std::optional<double> AboveWho(int row, int column) const;

  private:
    // The minute the day's own periods start: its day start hour.
    vrd::Minute DayStart(vrd::Day day) const;

    const AnalysisSession& session_;
};

// One row an hour: start, Leq, Lmax, Lmin, minutes.
class HoursTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Start, Leq, Lmax, Lmin, Minutes };
    static constexpr int kColumns = 5;

    explicit HoursTableModel(const AnalysisSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const AnalysisSession& session_;
};

// The figures of a period as (name, value, unit) rows: start, end, coverage, Leq, Lmax, Lmin,
// L1 .. L99, and the exceedance, named and written in language. The unit ("dB") is that of the
// levels; a value that says its own ("87 %") has none.
struct FigureRow {
    FigureRow(QString figureName, QString figureValue, QString figureUnit = {})
        : name(std::move(figureName)), value(std::move(figureValue)), unit(std::move(figureUnit)) {}
    QString name;
    QString value;
    QString unit;
    // "63.4 dB"; empty when there is no value.
    QString ValueWithUnit(Language language) const;
};
// At a step other than a minute the counts of minutes are written as seconds, with the samples
// measured beside them, as vrdtool stats prints them.
QList<FigureRow> FigureRows(const vrd::RangeFigures& figures, Language language,
                            vrd::Millis step = vrd::kMillisPerMinute);
// The source, then for the combined level (named as its preset calls it) and Lnight: the level,
// its guideline and the level less it.
QList<FigureRow> WhoRows(const AnalysisSession::WhoFigures& who, const QString& combinedLevel,
                         Language language);

// The statistics of the selection, following it, with their units; with a WHO source, its rows
// after them.
class StatisticsModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit StatisticsModel(const AnalysisSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The value beside name without its unit, empty when there is no such row.
    QString Value(const QString& name) const;
    // Names and values again in the window's language.
    void Retranslate();

  private:
    const AnalysisSession& session_;
    QList<FigureRow> rows_;
};

// The reports of the analysis with the error each gave, if any, in red.
class ReportFileListModel final : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit ReportFileListModel(const AnalysisSession& session, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    const AnalysisSession& session_;
};

// "path" or "path: parse: line 12: ...", as the list and the questions name a report; the stage
// in the window's language, the reason as the core gives it.
QString ReportFileText(const vrd::ReportForAnalysis& report);

// The views of model read its texts again, in the window's new language.
void Retranslate(QAbstractItemModel& model);
