#pragma once
// Draws the daily profile: the energy mean of each hour of the day over the dates as a line,
// the lowest and highest hourly Leq of the dates as a band behind it, weekdays and weekends as two
// lines when both occur. Vector drawing, so that the report prints it sharp.

#include "analysis/daily_profile.h"
#include "views/common/language.h"

#include <QRectF>

class QPainter;

// The legend in language.
void PaintDailyProfile(QPainter& painter, const QRectF& area, const vrd::DailyProfile& profile,
                       Language language);
