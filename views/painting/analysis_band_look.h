#pragma once
// How the analysis chart marks the periods behind its lines, shared by the bands it paints and
// the legend that names them: the day plain, the evening and night in pale colours, the excluded
// periods hatched in grey, and the selection outlined in violet, a hue no band has, so that a
// selection next to a night still reads as a selection.

#include <QColor>

namespace band_look {

inline const QColor kDay(255, 255, 255);
inline const QColor kEvening(255, 236, 179, 150);
inline const QColor kNight(187, 206, 240, 150);
inline const QColor kExcludedHatch(90, 90, 90, 140);
inline const QColor kExcludedFill(120, 120, 120, 50);
inline const QColor kSelectionFill(142, 36, 170, 28);
inline const QColor kSelectionEdge(142, 36, 170);
inline constexpr double kSelectionEdgeWidth = 2;

} // namespace band_look
