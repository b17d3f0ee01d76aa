#include "views/analysis/assessment/verdict_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

VerdictDelegate::VerdictDelegate(int leaningRole, QObject* parent)
    : QStyledItemDelegate(parent), leaningRole_(leaningRole) {}

QFont VerdictDelegate::Smaller(const QFont& font) {
    QFont smaller = font;
    if (font.pointSizeF() > 0)
        smaller.setPointSizeF(font.pointSizeF() * 0.85);
    else
        smaller.setPixelSize(std::max(1, font.pixelSize() * 85 / 100));
    return smaller;
}

void VerdictDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QString leaning = index.data(leaningRole_).toString();
    if (leaning.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString own = item.text;
    item.text.clear();
    const QWidget* widget = item.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // The ground, the selection and the focus as for any cell; the words after.
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    const QRect text =
        style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(3, 0, -3, 0);
    const QFontMetrics ownMetrics(item.font);
    const QFont smaller = Smaller(item.font);
    const int baseline = text.center().y() + (ownMetrics.ascent() - ownMetrics.descent()) / 2;
    painter->save();
    painter->setClipRect(text);
    painter->setPen(item.palette.color(
        (item.state & QStyle::State_Selected) != 0 ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    painter->drawText(QPoint(text.left(), baseline), own);
    painter->setFont(smaller);
    painter->drawText(
        QPoint(text.left() + ownMetrics.horizontalAdvance(own + QLatin1Char(' ')), baseline),
        leaning);
    painter->restore();
}

QSize VerdictDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString leaning = index.data(leaningRole_).toString();
    if (!leaning.isEmpty()) {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        size.rwidth() += QFontMetrics(Smaller(item.font)).horizontalAdvance(leaning) +
                         QFontMetrics(item.font).horizontalAdvance(QLatin1Char(' ')) + 6;
    }
    return size;
}
