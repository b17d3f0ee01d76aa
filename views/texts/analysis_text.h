#pragma once
// How the analysis window, its tables and its printed report write minutes, levels and shares,
// in the language they are shown in: English as the logs' tools do ("2011-05-12 14:03",
// "63.4"), French as a French reader does ("12/05/2011 14:03", "63,4", a no-break space before
// a unit or "%").

#include "levels_csv/csv_time.h"
#include "report/minute_time.h"
#include "views/common/language.h"

#include <QString>

#include <optional>

// "2011-05-12 14:03"; "12/05/2011 14:03" in French.
QString MinuteText(vrd::Minute minute, Language language);
// "2011-05-12 14:03:05", with ".250" when the time is not on a second; "12/05/2011 14:03:05" in
// French.
QString MillisText(vrd::Millis time, Language language);
// The length of a sample: "1 s", "0.5 s", "1 min"; "0,5 s" in French, "j" for days.
QString StepText(vrd::Millis step, Language language);
// A time as the count of seconds it makes: "86400", "0.5"; "0,5" in French.
QString SecondsText(vrd::Millis length, Language language);
// A time given to the second: as MinuteText, with ":ss" after when its seconds are not 0
// ("2011-05-12 14:03:20").
QString TimeText(vrd::Millis time, Language language);
// "2011-05-12"; "12/05/2011" in French.
QString DayText(vrd::Day day, Language language);
// "63.4"; "63,4" in French; empty for a missing level.
QString LevelText(std::optional<double> level, Language language);
QString LevelText(std::optional<int> level);
// "65" for a whole level (Lmax and Lmin of whole-decibel levels), else as LevelText.
QString MaybeWholeLevelText(std::optional<double> level, Language language);
// "+5.0", "-2.3" ("+5,0" in French): a penalty, a level less another.
QString SignedLevelText(double value, Language language);
// "87 %"; empty for a missing share.
QString PercentText(std::optional<double> share, Language language);
// What stands between a number and its unit: a space, a no-break one in French.
QString UnitSpace(Language language);
// A minute typed as "yyyy-mm-dd hh:mm" (or with a "T") or as "dd/mm/yyyy hh:mm"; nullopt for
// anything else.
std::optional<vrd::Minute> ParseMinuteText(const QString& text);
// A time typed as ParseMinuteText takes it, with ":ss" after the minutes or without.
std::optional<vrd::Millis> ParseTimeText(const QString& text);
