#include "app/frm_start.h"

#include "app/app_images.h"
#include "views/common/design_fonts.h"
#include "views/common/twips.h"

#include <QGroupBox>
#include <QLabel>

namespace {

const QColor kLightGrey(192, 192, 192);
constexpr double kLinePoints = 15.75;
constexpr double kNamesPoints = 20.25;

QLabel* MakeText(QWidget* frame, const char* name, const QString& text, QRect geometry,
                 double points) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(FittingFont(DesignFont(DesignFamily::ComicSansMs, points, {true, false}), text,
                               geometry.width()));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

QLabel* MakePicture(QWidget* frame, const char* name, QRect geometry) {
    auto* picture = new QLabel(frame);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(geometry);
    return picture;
}

} // namespace

frmStart::frmStart() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmStart"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipSize(5850, 3150));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kLightGrey);
    grey.setColor(QPalette::WindowText, Qt::black);
    setPalette(grey);
    setAutoFillBackground(true);

    auto* Acceuil = new QGroupBox(this);
    Acceuil->setObjectName(QStringLiteral("Acceuil"));
    Acceuil->setGeometry(TwipRect(60, 30, 5700, 3045));
    Acceuil->setFont(DesignFont(DesignFamily::MsSansSerif, 8.25));

    // In the designed order of creation, so that where two labels overlap the later lies on top.
    MakeText(Acceuil, "Label_Firmware_1", QStringLiteral("VELMAR VRD Decryption Software"),
             TwipRect(120, 1500, 5475, 495), kLinePoints);
    Image_Appareil = MakePicture(Acceuil, "Image_Appareil", TwipRect(3600, 180, 1305, 1215));
    MakeText(Acceuil, "Label_Firmware_0", QStringLiteral("Version 2.1"),
             TwipRect(120, 2520, 5505, 405), kLinePoints);
    Image_Logo_VELMAR = MakePicture(Acceuil, "Image_Logo_VELMAR", TwipRect(600, 390, 2295, 900));
    MakeText(Acceuil, "Label_Version", QStringLiteral("Dorvix-2 / VRD20"),
             TwipRect(120, 1950, 5475, 615), kNamesPoints);

    // The logo keeps its own size from its designed corner; the device fills its box.
    const QPixmap logo = LoadPicture(LogoPicturePath());
    Image_Logo_VELMAR->setPixmap(logo);
    if (!logo.isNull())
        Image_Logo_VELMAR->resize(logo.size());
    Image_Appareil->setScaledContents(true);
    Image_Appareil->setPixmap(LoadPicture(DevicePicturePath()));
}

void frmStart::ShowCentredOver(const QWidget& window) {
    QRect area = geometry();
    area.moveCenter(window.frameGeometry().center());
    move(area.topLeft());
    show();
    raise();
}
