#pragma once
// The pages of a printed report, laid out from the top of each page down. Every page carries a
// running header (the site left, the period right) and a footer (the files left, "Page n of m"
// right). The same walk first measures, to count the pages, and then paints.

#include "views/common/language.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QPainter;

struct PageFrame {
    QString site;   // the header's left
    QString period; // the header's right
    QString files;  // the footer's left
};

struct PageFigure {
    QString name;
    QString value;
};

class ReportPages {
  public:
    // Measures only when painter is null, else paints, starting with the header and footer of
    // the first page; pages is the count that the footer gives, in language.
    ReportPages(QPagedPaintDevice& device, QPainter* painter, int pages, PageFrame frame,
                Language language);

    // The labels of the charts a Box holds: 8 pt, the least a printed figure is read at.
    static QFont ChartFont() { return Font(8); }

    int Page() const { return page_; }
    double Width() const { return area_.width(); }
    // The height left on the page, and a new page unless this one is still empty.
    double RoomLeft() const { return Bottom() - y_; }
    void NewPage();

    void Title(const QString& text);
    void Heading(const QString& text);
    void Line(const QString& text);
    void Note(const QString& text);
    // Pairs of a name and a value in columns of pairs across the page.
    void Figures(const QList<PageFigure>& rows, int columns);
    // A table with a header row, repeated on every page it runs onto. marked(row, column) shades
    // a cell.
    void Table(const QStringList& headers, const QList<double>& shares, int rows,
               const std::function<QString(int, int)>& cell,
               const std::function<bool(int, int)>& marked);
    // A box of height across the page, with a note below it on the same page, for paint to draw
    // in.
    void Box(double height, const QString& caption,
             const std::function<void(QPainter&, const QRectF&)>& paint);

  private:
    static QFont Font(double points, bool bold = false);
    double LineHeight(const QFont& font) const;
    double TextHeight(const QString& text, const QFont& font, double spacing) const;
    double Top() const;
    double Bottom() const;
    void Room(double height);
    void NextPage();
    void Frame();
    void Rule();
    void Text(const QString& text, const QFont& font, double spacing);
    void Draw(const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align);

    QPagedPaintDevice& device_;
    QPainter* painter_;
    int pages_;
    Language language_;
    PageFrame frame_;
    int page_ = 1;
    QRectF area_;
    double y_ = 0;
    QFont body_;
    QFont small_;
    QFont bold_;
    QFont heading_;
    QFont title_;
};
