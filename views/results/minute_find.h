#pragma once
// Finding a minute in the 1-minute list by what the user types: a date, a time, or both, such as
// "12/05/2011 17:08", "17:08", "12/05/2011", "12/05" or "12/05/2011-17h" (as the chart labels
// hours). A line matches when its date (characters 1-10) and its time (characters 14-18) agree
// with what was typed.

#include "views/results/report_rows.h"

#include <QString>
#include <QStringView>

#include <optional>

struct MinuteQuery {
    QString date; // "dd/mm/yyyy", or "dd/mm/" for any year; empty for any date
    QString time; // "hh:mm", or "hh:" for the whole hour; empty for any time

    bool Matches(QStringView line) const;
};

// nullopt when text is not a date and/or a time. One-digit days, months and hours are allowed.
std::optional<MinuteQuery> ParseMinuteQuery(QStringView text);

// The first row of list at or after start that matches, going on from the top after the last
// row, up to the row before start; -1 when none does.
int FindMinuteRow(const ReportRows& rows, vrd::ListId list, const MinuteQuery& query, int start);
