#pragma once
// How the analysis window, its tables and its printed report write minutes, levels and shares.

#include "report/minute_time.h"

#include <QString>

#include <optional>

// "2011-05-12 14:03".
QString MinuteText(vrd::Minute minute);
// "2011-05-12".
QString DayText(vrd::Day day);
// "63.4"; empty for a missing level.
QString LevelText(std::optional<double> level);
QString LevelText(std::optional<int> level);
// "87 %"; empty for a missing share.
QString PercentText(std::optional<double> share);
// A minute typed as "yyyy-mm-dd hh:mm" (or with a "T"); nullopt for anything else.
std::optional<vrd::Minute> ParseMinuteText(const QString& text);
