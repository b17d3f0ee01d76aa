#include "views/analysis/window/edit_actions.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QStyle>
#include <QUndoStack>
#include <QWidget>

namespace {

QAction* WindowAction(QWidget& scope, const char* name, QList<QKeySequence> keys) {
    auto* action = new QAction(&scope);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    scope.addAction(action);
    return action;
}

} // namespace

EditActions::EditActions(QUndoStack& stack, QWidget& window, QWidget& marks)
    : QObject(&window), stack_(stack) {
    undo_ = WindowAction(window, "Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redo_ = WindowAction(
        window, "Redo",
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undo_->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"),
                                    window.style()->standardIcon(QStyle::SP_ArrowBack)));
    redo_->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"),
                                    window.style()->standardIcon(QStyle::SP_ArrowForward)));
    remove_ = WindowAction(marks, "RemoveMarks", {QKeySequence(Qt::Key_Delete)});
    open_ = WindowAction(window, "OpenAnalysisKey", {QKeySequence(Qt::CTRL | Qt::Key_O)});
    save_ = WindowAction(window, "SaveAnalysisKey", {QKeySequence(Qt::CTRL | Qt::Key_S)});
    saveAs_ = WindowAction(window, "SaveAnalysisAs", {});

    connect(undo_, &QAction::triggered, &stack_, &QUndoStack::undo);
    connect(redo_, &QAction::triggered, &stack_, &QUndoStack::redo);
    connect(&stack_, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::undoTextChanged, this, &EditActions::SetTexts);
    connect(&stack_, &QUndoStack::redoTextChanged, this, &EditActions::SetTexts);
    undo_->setEnabled(stack_.canUndo());
    redo_->setEnabled(stack_.canRedo());

    menu_ = new QMenu(&window);
    menu_->setObjectName(QStringLiteral("EditMenu"));
    menu_->addAction(undo_);
    menu_->addAction(redo_);
    menu_->addSeparator();
    menu_->addAction(remove_);
    menu_->addSeparator();
    menu_->addAction(open_);
    menu_->addAction(save_);
    menu_->addAction(saveAs_);
    SetTexts();
}

void EditActions::SetTexts() {
    // A reason's "&" is shown, not taken for a shortcut's letter.
    const QString undone = QString(stack_.undoText()).replace(u'&', QStringLiteral("&&"));
    const QString redone = QString(stack_.redoText()).replace(u'&', QStringLiteral("&&"));
    undo_->setText(undone.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undone));
    redo_->setText(redone.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redone));
    remove_->setText(tr("Remove the marks chosen"));
    open_->setText(tr("Open analysis..."));
    save_->setText(tr("Save analysis"));
    saveAs_->setText(tr("Save analysis as..."));
    menu_->setTitle(tr("Edit"));
}
