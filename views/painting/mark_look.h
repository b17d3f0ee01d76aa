#pragma once
// The colours of the marks, shared by the chart's bands, its legend, the marks list and the
// report: source in red-orange (apart from the evening's yellow), residual in green, both pale
// enough for the levels to read through. Excluded periods keep their grey hatch.

#include "analysis/analysis_settings.h"

#include <QColor>

namespace mark_look {

inline const QColor kSource(221, 44, 0, 80);
inline const QColor kResidual(46, 160, 67, 60);
inline const QColor kExcluded(120, 120, 120, 90);

// The opaque colour a list shows beside a mark of kind.
inline QColor Swatch(vrd::MarkKind kind) {
    QColor colour = kind == vrd::MarkKind::Source     ? kSource
                    : kind == vrd::MarkKind::Residual ? kResidual
                                                      : kExcluded;
    colour.setAlpha(255);
    return colour;
}

} // namespace mark_look
