#pragma once
// The fonts the windows are designed with, or the nearest family of the same size and weight that
// is installed. Sizes are turned into pixels at 96 dots per inch, like the twip geometry, so that
// texts fit the designed boxes whatever the screen reports.

#include <QFont>

enum class DesignFamily {
    MsSansSerif, // then Microsoft Sans Serif, Liberation Sans, Nimbus Sans, DejaVu Sans
    Arial,       // then Liberation Sans, Nimbus Sans, DejaVu Sans
    ComicSansMs, // then Comic Neue, DejaVu Sans
};

struct FontStyle {
    bool bold = false;
    bool italic = false;
};

QFont DesignFont(DesignFamily family, double points, FontStyle style = {});

// font, made smaller only as far as needed for text to fit width on one line: a substitute
// family wider than the designed one then cuts nothing off.
QFont FittingFont(QFont font, const QString& text, int width);
