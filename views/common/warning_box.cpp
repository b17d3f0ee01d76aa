#include "views/common/warning_box.h"

#include <QMessageBox>

void ShowWarning(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("warning"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString NotWrittenText(const QString& path, const QString& reason) {
    return QStringLiteral("\"") % path % QStringLiteral("\" could not be written: ") % reason %
           QStringLiteral(". Nothing was changed on disk.");
}
