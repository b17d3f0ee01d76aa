// Draws the pictures that come with vrdview: the maker's logo and the device for the start screen
// and the about window ("Logo Velmar.bmp", "file-VRD.bmp" in Images/), and the windows' icon
// (app/resources/vrdview.png). Run with the source tree as argument; no window is needed.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor kNavy(28, 44, 92);
const QColor kTeal(0, 128, 128);
const QColor kLightGrey(192, 192, 192);
const QColor kCase(70, 74, 82);
const QColor kScreen(168, 204, 150);

QFont Bold(int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// Three arcs of a sound wave leaving a point, opening to the right.
void DrawWaves(QPainter& painter, QPointF origin, double step, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const double r = step * i;
        painter.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
}

// 153 x 60, the size of its place on the start screen: the name beside a sound-wave mark.
QImage Logo() {
    QImage image(153, 60, QImage::Format_RGB32);
    image.fill(kLightGrey);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    painter.drawRoundedRect(QRectF(1, 6, 151, 48), 8, 8);
    painter.setBrush(kTeal);
    painter.drawEllipse(QPointF(17, 30), 5, 5);
    DrawWaves(painter, QPointF(17, 30), 7, kTeal, 2.5);
    painter.setPen(Qt::white);
    painter.setFont(Bold(22));
    painter.drawText(QRectF(42, 6, 108, 48), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("VELMAR"));
    return image;
}

// A hand-held sound level meter: microphone ball, tapered neck, body with a display and keys.
void DrawDevice(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    // Microphone.
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.setBrush(QColor(150, 150, 155));
    painter.drawEllipse(QPointF(60, 16), 11, 11);
    // Neck.
    QPainterPath neck;
    neck.moveTo(52, 25);
    neck.lineTo(68, 25);
    neck.lineTo(78, 42);
    neck.lineTo(42, 42);
    neck.closeSubpath();
    painter.setBrush(QColor(100, 104, 112));
    painter.drawPath(neck);
    // Body.
    QLinearGradient body(QPointF(36, 0), QPointF(84, 0));
    body.setColorAt(0, kCase.lighter(130));
    body.setColorAt(1, kCase);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(36, 40, 48, 68), 7, 7);
    // Display.
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.setBrush(kScreen);
    painter.drawRect(QRectF(42, 48, 36, 20));
    painter.setPen(QColor(20, 40, 20));
    painter.setFont(Bold(11));
    painter.drawText(QRectF(42, 48, 36, 20), Qt::AlignCenter, QStringLiteral("60dB"));
    // Keys.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 200, 205));
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            painter.drawRoundedRect(QRectF(43 + column * 12, 76 + row * 12, 9, 7), 2, 2);
}

// The device on white, 120 x 112; the start screen stretches it into its box.
QImage Device() {
    QImage image(120, 112, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawDevice(painter);
    return image;
}

// The program's mark, as the desktop entry's icon draws it (packaging/vrdview.svg): a trace of
// levels on a light square. Drawn on the icon's 256-unit grid, scaled to size.
QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    const QColor ink(0x2d, 0x2c, 0x4e);
    painter.setPen(QPen(ink, 8));
    painter.setBrush(QColor(0xf4, 0xf4, 0xf4));
    painter.drawRoundedRect(QRectF(16, 16, 224, 224), 28, 28);
    painter.setPen(QPen(ink, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const QPointF trace[] = {{40, 168},  {72, 168},  {88, 120},  {104, 188}, {124, 72},
                             {144, 176}, {160, 136}, {176, 152}, {216, 152}};
    painter.drawPolyline(trace, 9);
    painter.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 6));
    painter.drawLine(QPointF(40, 208), QPointF(216, 208));
    return image;
}

bool Save(const QImage& image, const QString& path, const char* format) {
    if (image.save(path, format))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vrd_make_images SOURCE_TREE\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const bool written = Save(Logo().convertToFormat(QImage::Format_RGB888),
                              root + QStringLiteral("/Images/Logo Velmar.bmp"), "BMP") &&
                         Save(Device().convertToFormat(QImage::Format_RGB888),
                              root + QStringLiteral("/Images/file-VRD.bmp"), "BMP") &&
                         Save(Icon(64), root + QStringLiteral("/app/resources/vrdview.png"), "PNG");
    return written ? 0 : 1;
}
