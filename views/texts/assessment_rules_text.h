#pragma once
// The rules of a standard in words, as the report states them before its verdicts: the periods,
// the limits (a table when they vary with the ambient level), the duration terms, the gate, the
// indicator, what "not conclusive" means and the notes; for BS 4142 its intervals. Every number
// is read from RulesOf, so that what is stated is what was applied.

#include "analysis/assessment_calendar.h"
#include "views/common/language.h"

#include <QList>
#include <QString>
#include <QStringList>

// A sentence, or a table when headers is not empty (one row a list of cells).
struct RulesPart {
    QString sentence;
    QStringList headers;
    QList<QStringList> rows;
};

QList<RulesPart> StatedRules(vrd::Standard standard, Language language);

// "1 min", "20 min", "2 h": a length of time in whole minutes or whole hours.
QString DurationText(std::int64_t minutes, Language language);
