#include "views/plot/chart_zoom.h"

#include <algorithm>
#include <cmath>

AxisRange FitInto(AxisRange range, AxisRange limits, double minSpan) {
    if (range.max < range.min)
        std::swap(range.min, range.max);
    const double least = std::min(minSpan, limits.Span());
    if (range.min >= limits.min && range.max <= limits.max && range.Span() >= least)
        return range;
    const double span = std::clamp(range.Span(), least, limits.Span());
    const double middle = (range.min + range.max) / 2;
    AxisRange fitted{middle - span / 2, middle + span / 2};
    if (fitted.min < limits.min)
        fitted = {limits.min, limits.min + span};
    if (fitted.max > limits.max)
        fitted = {limits.max - span, limits.max};
    return fitted;
}

AxisRange ZoomAbout(AxisRange range, double anchor, double factor, AxisRange limits,
                    double minSpan) {
    const double span = range.Span();
    if (span <= 0 || factor <= 0)
        return FitInto(range, limits, minSpan);
    anchor = std::clamp(anchor, range.min, range.max);
    const double wanted =
        std::clamp(span * factor, std::min(minSpan, limits.Span()), limits.Span());
    const double scale = wanted / span;
    const AxisRange zoomed{anchor - (anchor - range.min) * scale,
                           anchor + (range.max - anchor) * scale};
    return FitInto(zoomed, limits, minSpan);
}

AxisRange PanBy(AxisRange range, double delta, AxisRange limits) {
    const double span = range.Span();
    if (span >= limits.Span())
        return limits;
    range = FitInto(range, limits, span);
    delta = std::clamp(delta, limits.min - range.min, limits.max - range.max);
    return {range.min + delta, range.min + delta + span};
}

double ValueAtPixel(AxisRange range, double fromPixel, double toPixel, double pixel) {
    if (toPixel == fromPixel)
        return range.min;
    return range.min + (pixel - fromPixel) / (toPixel - fromPixel) * range.Span();
}

AxisRange RoundedOutward(AxisRange range, double step) {
    return {std::floor(range.min / step) * step, std::ceil(range.max / step) * step};
}
