#include "views/common/design_fonts.h"

#include <QFontMetrics>
#include <QStringList>

#include <cmath>

namespace {

QStringList Families(DesignFamily family) {
    // DejaVu Sans closes every list: it is the one family every installation of the program has.
    switch (family) {
    case DesignFamily::MsSansSerif:
        return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                QStringLiteral("DejaVu Sans")};
    case DesignFamily::Arial:
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")};
    case DesignFamily::ComicSansMs:
        return {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                QStringLiteral("DejaVu Sans")};
    }
    return {QStringLiteral("DejaVu Sans")};
}

} // namespace

QFont DesignFont(DesignFamily family, double points, FontStyle style) {
    QFont font;
    font.setFamilies(Families(family));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

QFont FittingFont(QFont font, const QString& text, int width) {
    constexpr int kSmallest = 6;
    while (font.pixelSize() > kSmallest && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
