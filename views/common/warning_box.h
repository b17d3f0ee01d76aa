#pragma once
// The warning every window shows when a command fails: the file named, and the reason.

#include <QString>

class QWidget;

// Opens a warning over parent without blocking the caller, so that the window and the tests go on.
void ShowWarning(QWidget* parent, const QString& title, const QString& text);

// The text of a warning for a file that could not be written, which left the disk as it was.
QString NotWrittenText(const QString& path, const QString& reason);
