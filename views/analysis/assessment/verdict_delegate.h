#pragma once
// Draws a verdict's cell with the side a not-conclusive verdict leans to after it, in smaller
// letters: "not conclusive" then "compliant".

#include <QStyledItemDelegate>

class VerdictDelegate final : public QStyledItemDelegate {
    Q_OBJECT

  public:
    // leaningRole holds the smaller words of a cell; none, the cell is drawn as any other.
    VerdictDelegate(int leaningRole, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    static QFont Smaller(const QFont& font);
    int leaningRole_;
};
