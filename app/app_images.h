#pragma once
// The pictures the program reads from the folder "Images" beside its executable.

#include <QPixmap>
#include <QString>

// "Logo Velmar.bmp": the maker's logo, on the start screen and in the about window.
QString LogoPicturePath();
// "file-VRD.bmp": the device, on the start screen.
QString DevicePicturePath();

// The picture, or an empty one when the file is missing or is no picture: the window then shows
// an empty space and goes on.
QPixmap LoadPicture(const QString& path);
