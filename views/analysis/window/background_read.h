#pragma once
// Reading the files of an analysis off the GUI thread: a month of 1-s levels takes seconds to
// read, during which the window keeps painting and shows how far the read got, with a Cancel
// that the read sees at its next progress step.

#include "report/progress.h"

#include <QString>

#include <functional>

class QWidget;

// Runs work on a thread of its own and returns once it has ended; the progress dialog over window
// shows up only when the work outlasts a blink. work is given the progress it reports to, which
// says stop once the user has cancelled; what work throws is dropped.
void ReadInBackground(QWidget& window, const QString& label,
                      const std::function<void(const vrd::Progress&)>& work);
