#include "views/common/guard_windows.h"

namespace {

// Closes and destroys the window; from here on it counts as not loaded.
void Unload(QPointer<QMdiSubWindow>& window) {
    if (window.isNull())
        return;
    QMdiSubWindow* closing = window.data();
    window = nullptr;
    closing->close();
    closing->deleteLater();
}

} // namespace

void GuardWindows(const vrd::WindowBlocks& state, ChildWindows& windows) {
    if (state.BlockResultsWindow == vrd::kTrue)
        Unload(windows.results);
    if (state.BlockGraphWindow == vrd::kTrue)
        Unload(windows.chart);
}
