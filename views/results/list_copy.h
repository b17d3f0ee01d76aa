#pragma once
// Copying lines out of a list of the results window: the selected rows, top to bottom, one line
// each, to the clipboard.

#include <QString>

class QAbstractItemView;
class QAction;

// The text of the selected rows of view in row order, joined by line feeds. Each character is the
// report's byte of the same value.
QString SelectedRowsText(const QAbstractItemView& view);

// Gives view a "Copy" entry (Ctrl+C) and a "Select all" entry (Ctrl+A) in its context menu, which
// then lists the view's actions. Returns the "Copy" action.
QAction* AddCopyActions(QAbstractItemView& view);
