#pragma once
// The names of the assessment's columns, one for each column wherever it shows: the window's
// tab, the printed report and the workbook. Each carries its unit.

#include "views/common/language.h"

#include <QString>

// The periods of the French standards, in the order the tables give them.
enum class EmergenceColumn {
    Date,
    Period,
    Source,
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
inline constexpr int kEmergenceColumns = 12;
QString EmergenceColumnName(EmergenceColumn column, Language language);

// BS 4142: its intervals, and the background of each label.
enum class IntervalColumn { Start, Length, Period, Residual, L90 };
inline constexpr int kIntervalColumns = 5;
QString IntervalColumnName(IntervalColumn column, Language language);

enum class BackgroundColumn { Period, Intervals, Mode, Median, Histogram };
inline constexpr int kBackgroundColumns = 5;
QString BackgroundColumnName(BackgroundColumn column, Language language);
