#pragma once
// The assessment of the analysis window as Qt models over the session's AssessmentResult: the
// periods of the French standards with their verdicts, and for BS 4142 the intervals and the
// background level of each label. They reset at every assessmentChanged and need no widgets.

#include "views/analysis/session/analysis_session.h"

#include <QAbstractTableModel>

#include <vector>

// One row a period in which the noise was heard (every period of the calendar when asked), then
// one a label pooled ("all periods"). The verdict cell is coloured (compliant green, exceeds red,
// not assessable or below the gate grey) and says "not conclusive" within the band of the limit,
// the side it leans to in kLeaningRole for smaller words; such a row is amber. The notes that
// weaken a verdict are the last column. A period's row gives its interval in
// kPeriodStartRole/kPeriodEndRole.
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
        Verdict,
        Notes
    };
    static constexpr int kColumns = 12;
    // The side a not-conclusive verdict leans to, for the verdict's cell.
    static constexpr int kLeaningRole = Qt::UserRole + 10;

    explicit EmergenceTableModel(const AnalysisSession& session, QObject* parent = nullptr);

    // Every period of the calendar, or (the default) those in which the noise was heard.
    void SetEveryPeriod(bool every);
    bool EveryPeriod() const { return every_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    void Reset();
    // The periods listed before the pooled rows.
    std::int64_t Periods() const;
    vrd::EmergencePeriod PeriodAt(int row) const;
    const AnalysisSession& session_;
    bool every_ = false;
    std::vector<vrd::EmergencePeriod> heard_;
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

// One row a label of BS 4142: the intervals with an L90, their mode (said not representative when
// no level repeats), their median, and the histogram of their rounded L90 as "42 dB: 3, 43 dB: 5".
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
