#include "views/results/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

FindBar::FindBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("FindBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    auto* caption = new QLabel(QStringLiteral("Find date/time:"), this);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("FindText"));
    text_->setPlaceholderText(QStringLiteral("dd/mm/yyyy hh:mm"));
    text_->setClearButtonEnabled(true);
    caption->setBuddy(text_);
    next_ = new QPushButton(QStringLiteral("Find next"), this);
    next_->setObjectName(QStringLiteral("FindNext"));
    next_->setAutoDefault(false);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("FindStatus"));
    status_->setTextFormat(Qt::PlainText);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("FindClose"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(QStringLiteral("Close (Esc)"));
    close->setAutoRaise(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->addWidget(caption);
    layout->addWidget(text_, 2);
    layout->addWidget(next_);
    layout->addWidget(status_, 3);
    layout->addWidget(close);

    const auto find = [this] { emit findRequested(text_->text()); };
    connect(text_, &QLineEdit::returnPressed, this, find);
    connect(next_, &QPushButton::clicked, this, find);
    connect(text_, &QLineEdit::textEdited, this, [this] { SetStatus({}, false); });
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        emit closed();
    });
}

void FindBar::Open() {
    show();
    raise();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

QString FindBar::Text() const {
    return text_->text();
}

void FindBar::SetText(const QString& text) {
    text_->setText(text);
}

void FindBar::SetStatus(const QString& status, bool failed) {
    QPalette colours = palette();
    if (failed)
        colours.setColor(QPalette::WindowText, QColor(170, 0, 0));
    status_->setPalette(colours);
    status_->setText(status);
}

QString FindBar::Status() const {
    return status_->text();
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        emit closed();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}
