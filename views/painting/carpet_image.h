#pragma once
// The carpet as a picture: one pixel a cell, one row a date, the level on a perceptual colour
// scale (viridis: even steps of level look like even steps of colour, in grey too), no record
// and gap records white, excluded minutes grey.

#include "analysis/carpet.h"

#include <QColor>
#include <QImage>

// The levels the colours span: the carpet's lowest and highest, widened to multiples of 5 dB.
struct CarpetScale {
    int low = 30;
    int high = 80;
};

CarpetScale ScaleOf(const vrd::Carpet& carpet);

// The colour of level on the scale; below low and above high take the ends' colours.
QColor LevelColour(double level, const CarpetScale& scale);

extern const QColor kCarpetBlank;
extern const QColor kCarpetExcluded;

// 1,440 pixels wide, one row a date; a null image for a carpet without dates.
QImage CarpetImage(const vrd::Carpet& carpet, const CarpetScale& scale);
