#include "views/analysis/chart/analysis_zoom_keys.h"

#include "views/plot/chart_zoom_view.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>

bool KeepsWholePeriodKeys(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr;
}

void AddWholePeriodKeys(QWidget* window, ChartZoomView* view) {
    QList<QShortcut*> keys;
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_Escape)}) {
        // A window shortcut of an MDI child only acts while the focus is in that child.
        auto* shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, view, &ChartZoomView::ResetZoom);
        keys.append(shortcut);
    }
    QObject::connect(qApp, &QApplication::focusChanged, window,
                     [keys, view](QWidget*, QWidget* now) {
                         const bool elsewhere = now == view || KeepsWholePeriodKeys(now);
                         for (QShortcut* key : keys)
                             key->setEnabled(!elsewhere);
                     });
}
