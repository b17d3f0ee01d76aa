#pragma once
// The windows are designed in twips: 1/1440 inch, so 15 twips make one pixel at 96 dots per inch.

#include <QRect>
#include <QSize>

constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect TwipRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

inline QSize TwipSize(int width, int height) {
    return {Px(width), Px(height)};
}
