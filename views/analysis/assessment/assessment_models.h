#pragma once
// The assessment of the analysis window as Qt models over the session's AssessmentResult: the
// periods of the French standards with their verdicts, and for BS 4142 the intervals and the
// background level of each label. They reset at every assessmentChanged and need no widgets.

#include "views/analysis/session/analysis_session.h"

#include <QAbstractTableModel>

// One row a period of the calendar, then one a label pooled ("overall"). The verdict cell is
// coloured (compliant green, exceeds red, not assessable or below the gate grey) and a row within
// 2 dB of its limit amber. A period's row gives its interval in kPeriodStartRole/kPeriodEndRole.
class EmergenceTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        Date,
        Period,
        SourceMinutes,
        Ambient,
        Residual,
        Indicator,
        Emergence,
        Term,
        Limit,
        Margin,
        Verdict
    };
    static constexpr int kColumns = 11;

    explicit EmergenceTableModel(const AnalysisSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    // The periods of the calendar; zero without a French assessment.
    std::int64_t Periods() const;
    const AnalysisSession& session_;
};

// One row an interval of BS 4142: start, length, period, residual minutes, L90.
class BackgroundIntervalModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Start, Length, Period, Minutes, L90 };
    static constexpr int kColumns = 5;

    explicit BackgroundIntervalModel(const AnalysisSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const AnalysisSession& session_;
};

// One row a label of BS 4142: the intervals with an L90, their mode, their median, and the
// histogram of their rounded L90 as "42 dB: 3, 43 dB: 5".
class BackgroundLevelModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Period, Count, Mode, Median, Histogram };
    static constexpr int kColumns = 5;

    explicit BackgroundLevelModel(const AnalysisSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const AnalysisSession& session_;
};
