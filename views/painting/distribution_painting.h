#pragma once
// Draws how the minute levels are spread: a bar for each whole dB (the share of the time at that
// level, left axis) and a curve of the share of the time above it (right axis), with L10, L50 and
// L90 marked. With source or residual marks the source and the residual minutes are drawn apart,
// in the marks' colours, so that the two compare at a glance. Also the histogram of the
// intervals' L90 that the BS 4142 background level is read from. Vector drawing, so that the
// report prints them sharp.

#include "analysis/background_level.h"
#include "analysis/level_distribution.h"
#include "views/common/language.h"

#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// The label of a statistical level's line: "L90 45.2 dB", "L90 45,2 dB" in French.
QString DistributionMarkerText(int percent, double level, Language language);

// step: the length of a sample; at another than a minute the sets count samples, not minutes.
void PaintLevelDistribution(QPainter& painter, const QRectF& area,
                            const vrd::LevelDistributions& distributions, Language language,
                            vrd::Millis step = vrd::kMillisPerMinute);

// One panel per label (day, night), on a common level axis, the mode of each marked.
void PaintBackgroundHistogram(QPainter& painter, const QRectF& area,
                              const std::vector<vrd::BackgroundLevel>& background,
                              Language language);
