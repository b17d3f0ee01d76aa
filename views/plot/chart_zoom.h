#pragma once
// The arithmetic of zooming and panning one chart axis: the shown range moves and shrinks inside
// the range of the whole report and never gets narrower than a few units, so that the user can
// neither lose the data off the edge nor zoom into nothing.

struct AxisRange {
    double min = 0;
    double max = 0;

    double Span() const { return max - min; }
    bool operator==(const AxisRange& other) const { return min == other.min && max == other.max; }
};

// range brought inside limits with a span of at least minSpan (and at most the limits' span),
// moved rather than cut where it sticks out.
AxisRange FitInto(AxisRange range, AxisRange limits, double minSpan);

// range scaled by factor (below 1 zooms in) about anchor, which keeps its place on the axis.
AxisRange ZoomAbout(AxisRange range, double anchor, double factor, AxisRange limits,
                    double minSpan);

// range moved by delta (in axis units), stopping at the limits.
AxisRange PanBy(AxisRange range, double delta, AxisRange limits);

// range widened to whole multiples of step (step > 0).
AxisRange RoundedOutward(AxisRange range, double step);

// The axis value at pixel `pixel` of a plot that shows range over [fromPixel, toPixel].
double ValueAtPixel(AxisRange range, double fromPixel, double toPixel, double pixel);
