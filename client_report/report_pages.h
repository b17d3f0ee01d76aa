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

// What a table may add to its cells: smaller words after a cell's own ("not conclusive" then
// "compliant"), and a line of smaller words under a row (the notes of a verdict); compact, the
// smaller letters throughout, for a table of many columns.
struct TableExtras {
    std::function<QString(int row, int column)> aside;
    std::function<QString(int row)> note;
    bool compact = false;
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
    // The header row takes the smaller bold letters when a word of it would not fit its column; a
    // cell too long for its column wraps, and its row grows.
    void Table(const QStringList& headers, const QList<double>& shares, int rows,
               const std::function<QString(int, int)>& cell,
               const std::function<bool(int, int)>& marked, const TableExtras& extras = {});
    // A framed box across the page, kept on one page: a title in bold, then lines.
    void Panel(const QString& title, const QStringList& lines);
    // A box of height across the page, with a note below it on the same page, for paint to draw
    // in.
    void Box(double height, const QString& caption,
             const std::function<void(QPainter&, const QRectF&)>& paint);

  private:
    static QFont Font(double points, bool bold = false);
    double LineHeight(const QFont& font) const;
    double TextHeight(const QString& text, const QFont& font, double spacing) const;
    double TextHeight(const QString& text, const QFont& font, double spacing, double width) const;
    double Top() const;
    double Bottom() const;
    void Room(double height);
    void NextPage();
    void Frame();
    void Rule();
    void Text(const QString& text, const QFont& font, double spacing);
    void Draw(const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align,
              bool wrap = false);

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
    QFont smallBold_;
    QFont smallest_;
    QFont heading_;
    QFont title_;
};
