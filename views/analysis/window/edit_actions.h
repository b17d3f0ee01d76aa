#pragma once
// The Edit menu of the analysis window and its keys: undo and redo named for the step they take
// back or do again ("Undo mark as source 2011-05-12 09:00 – 11:30"; Ctrl+Z, Ctrl+Shift+Z and
// Ctrl+Y), the marks chosen removed (Delete, in the marks table), the analysis file opened
// (Ctrl+O) and saved (Ctrl+S). The keys act while the focus is in the window, not in the other
// windows of the main window's area; a box being typed in keeps its own undo and Delete.

#include <QObject>

class QAction;
class QMenu;
class QUndoStack;
class QWidget;

class EditActions final : public QObject {
    Q_OBJECT

  public:
    // The undo and redo of stack; remove, open, save and saveAs are for the window to connect.
    EditActions(QUndoStack& stack, QWidget& window, QWidget& marks);

    QAction* Undo() const { return undo_; }
    QAction* Redo() const { return redo_; }
    QAction* RemoveMarks() const { return remove_; }
    QAction* OpenAnalysis() const { return open_; }
    QAction* SaveAnalysis() const { return save_; }
    QAction* SaveAnalysisAs() const { return saveAs_; }
    QMenu* Menu() const { return menu_; }

    // The texts in the window's language.
    void SetTexts();

  private:
    QUndoStack& stack_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* remove_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QMenu* menu_ = nullptr;
};
