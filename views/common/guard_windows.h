#pragma once
// A results or chart window that is loaded while its block flag is set closes itself again.

#include "report/declaration.h"

#include <QMdiSubWindow>
#include <QPointer>

// The two child windows of the main window, each null while it is not loaded.
struct ChildWindows {
    QPointer<QMdiSubWindow> results; // holds frmArray
    QPointer<QMdiSubWindow> chart;   // holds frmGraph
};

// Called by each window as the last step of its load. Both flags are tested whichever window
// calls; a window that is not loaded is left alone.
void GuardWindows(const vrd::WindowBlocks& state, ChildWindows& windows);
