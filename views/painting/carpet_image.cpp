#include "views/painting/carpet_image.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Viridis at eleven even steps; the colours between are interpolated.
constexpr std::array<QRgb, 11> kViridis = {0x440154, 0x482475, 0x414487, 0x355f8d,
                                           0x2a788e, 0x21918c, 0x22a884, 0x44bf70,
                                           0x7ad151, 0xbddf26, 0xfde725};

QRgb Viridis(double t) {
    t = std::clamp(t, 0.0, 1.0) * static_cast<double>(kViridis.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(t));
    const std::size_t above = std::min(below + 1, kViridis.size() - 1);
    const double share = t - static_cast<double>(below);
    const auto mix = [&](int shift) {
        const double a = (kViridis[below] >> shift) & 0xff;
        const double b = (kViridis[above] >> shift) & 0xff;
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return qRgb(mix(16), mix(8), mix(0));
}

} // namespace

const QColor kCarpetBlank(Qt::white);
const QColor kCarpetExcluded(170, 170, 170);

CarpetScale ScaleOf(const vrd::Carpet& carpet) {
    CarpetScale scale;
    if (!carpet.Lowest() || !carpet.Highest())
        return scale;
    const auto floorTo5 = [](double level) { return static_cast<int>(std::floor(level / 5)) * 5; };
    scale.low = floorTo5(*carpet.Lowest());
    scale.high = std::max(floorTo5(*carpet.Highest() + 4), scale.low + 5);
    return scale;
}

QColor LevelColour(double level, const CarpetScale& scale) {
    return QColor(Viridis((level - scale.low) / (scale.high - scale.low)));
}

QImage CarpetImage(const vrd::Carpet& carpet, const CarpetScale& scale) {
    if (carpet.Dates() == 0)
        return {};
    // Each colour is worked out once a decibel; a level with decimals takes the nearest's.
    const int lowest = static_cast<int>(std::floor(carpet.Lowest().value_or(0)));
    const int highest = static_cast<int>(std::ceil(carpet.Highest().value_or(0)));
    std::vector<QRgb> colours(static_cast<std::size_t>(highest - lowest + 1));
    for (int level = lowest; level <= highest; ++level)
        colours[static_cast<std::size_t>(level - lowest)] = LevelColour(level, scale).rgb();
    const QRgb blank = kCarpetBlank.rgb();
    const QRgb excluded = kCarpetExcluded.rgb();

    QImage image(static_cast<int>(vrd::kMinutesPerDay), static_cast<int>(carpet.Dates()),
                 QImage::Format_RGB32);
    for (int row = 0; row < image.height(); ++row) {
        const float* cells = carpet.Row(row);
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < image.width(); ++column) {
            const float cell = cells[column];
            pixels[column] = vrd::Carpet::IsLevel(cell)
                                 ? colours[static_cast<std::size_t>(std::lround(cell) - lowest)]
                             : cell == vrd::Carpet::kExcluded ? excluded
                                                              : blank;
        }
    }
    return image;
}
