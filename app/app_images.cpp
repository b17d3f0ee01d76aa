#include "app/app_images.h"

#include <QCoreApplication>

QString LogoPicturePath() {
    return QCoreApplication::applicationDirPath() % QStringLiteral("/Images/Logo Velmar.bmp");
}

QString DevicePicturePath() {
    return QCoreApplication::applicationDirPath() % QStringLiteral("/Images/file-VRD.bmp");
}

QPixmap LoadPicture(const QString& path) {
    QPixmap picture;
    if (!picture.load(path, "BMP"))
        return {};
    return picture;
}
