#pragma once
// A period of minutes as the carpet lays it out, one row a date: at most three blocks of cells,
// the rest of its first date, its whole dates between, and the start of its last date. The
// selection and the marks are outlined block by block.

#include "analysis/analysis_settings.h"

#include <QRectF>

#include <vector>

struct CarpetBlock {
    vrd::Minute firstRow = 0; // the date, counted from the carpet's first
    vrd::Minute rows = 1;
    vrd::Minute left = 0; // the minutes of the day it spans, [left, right)
    vrd::Minute right = 0;
};

// The blocks of period on a carpet of dates rows from firstDate; none for a period outside it.
std::vector<CarpetBlock> CarpetBlocks(const vrd::Interval& period, vrd::Day firstDate,
                                      vrd::Minute dates);

// Where block lies within cells, the cells of a carpet of dates rows; at least a pixel high.
QRectF CarpetBlockRect(const QRectF& cells, vrd::Minute dates, const CarpetBlock& block);
