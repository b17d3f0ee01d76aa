#pragma once
// The marks table of the analysis window: the marks sorted by time (a click on a header sorts by
// that column), filtered by what is typed in a box (a kind, a time, a reason), many rows chosen at
// once with Shift and Ctrl, and a from, a to or a reason edited in place with F2 or a click on a
// chosen cell (a double click is left to showing the mark).

#include <cstddef>
#include <vector>

class QAbstractItemModel;
class QLineEdit;
class QTableView;
class QWidget;

// The view of marks (a MarkTableModel) through a sorting and filtering proxy; what is typed in
// filter filters it.
QTableView* BuildMarkTable(QWidget* parent, QAbstractItemModel* marks, QLineEdit* filter);

// The kind, from and to columns as wide as the window's language writes them; the reason takes
// the rest.
void FitMarkColumns(QTableView& view);

// The rows of the marks chosen in view, as the session counts them (AllMarks), in that order; the
// current row when none is chosen, none when there is no current row either.
std::vector<std::size_t> ChosenMarkRows(const QTableView& view);
