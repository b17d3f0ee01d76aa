#pragma once
// The small widgets the analysis window is built of, made one way everywhere.

#include <QString>

#include <string>

class QAbstractItemModel;
class QPushButton;
class QTableView;
class QWidget;

// A push button with an object name, by which the tests find it.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text);

// A table of whole rows, one selected at a time, rows of one height.
QTableView* AnalysisTableView(QWidget* parent, const char* name, QAbstractItemModel* model);

// Columns as wide as their texts, measured again whenever the model resets.
void FitColumnsToContents(QTableView* table);

// A path as the core takes it: the local 8-bit encoding.
std::string LocalPath(const QString& path);
