#include "client_report/report_pages.h"

#include "views/texts/analysis_report_text.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double kMarginMm = 18;
const QColor kRule(160, 160, 160);
const QColor kFrameText(90, 90, 90);
const QColor kLowCoverage(255, 224, 178);
const QColor kPanel(246, 246, 246);
const QColor kNoteText(70, 70, 70);

} // namespace

ReportPages::ReportPages(QPagedPaintDevice& device, QPainter* painter, int pages, PageFrame frame,
                         Language language)
    : device_(device), painter_(painter), pages_(pages), language_(language),
      frame_(std::move(frame)) {
    // The painter's origin is the top left of the printable area: margins of kMarginMm from the
    // paper's edge, whatever part of them the printer already keeps.
    const QPageLayout layout = device.pageLayout();
    const int dpi = device.logicalDpiX();
    const QRectF paintable = layout.paintRectPixels(dpi);
    const QRectF paper = layout.fullRectPixels(dpi);
    const double margin = kMarginMm * dpi / 25.4;
    const double left = std::max(0.0, margin - paintable.left());
    const double top = std::max(0.0, margin - paintable.top());
    const double right = std::max(0.0, margin - (paper.right() - paintable.right()));
    const double bottom = std::max(0.0, margin - (paper.bottom() - paintable.bottom()));
    area_ = QRectF(left, top, paintable.width() - left - right, paintable.height() - top - bottom);
    body_ = Font(9.5);
    small_ = Font(8);
    bold_ = Font(9.5, true);
    smallBold_ = Font(8, true);
    smallest_ = Font(7);
    heading_ = Font(12.5, true);
    title_ = Font(18, true);
    y_ = Top();
    Frame();
}

QFont ReportPages::Font(double points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

double ReportPages::LineHeight(const QFont& font) const {
    return QFontMetricsF(font, &device_).height();
}

// Below the running header: its line, its rule and a gap.
double ReportPages::Top() const {
    return area_.top() + LineHeight(small_) * 2.2;
}

// Above the footer likewise.
double ReportPages::Bottom() const {
    return area_.bottom() - LineHeight(small_) * 2;
}

void ReportPages::Title(const QString& text) {
    Text(text, title_, 1.4);
}

void ReportPages::Heading(const QString& text) {
    // Never the last thing on a page: a few lines of what it heads go with it.
    Room(LineHeight(heading_) * 2 + LineHeight(body_) * 5);
    y_ += LineHeight(body_) * 0.6;
    Text(text, heading_, 1.3);
}

void ReportPages::Line(const QString& text) {
    Text(text, body_, 1.15);
}

void ReportPages::Note(const QString& text) {
    Text(text, small_, 1.15);
}

void ReportPages::Figures(const QList<PageFigure>& rows, int columns) {
    const double width = area_.width() / columns;
    const double line = LineHeight(body_) * 1.2;
    const auto perColumn = static_cast<int>((rows.size() + columns - 1) / columns);
    Room(line * perColumn);
    for (int i = 0; i < rows.size(); ++i) {
        const int column = i / perColumn;
        const int row = i % perColumn;
        const double left = area_.left() + column * width;
        const double top = y_ + row * line;
        Draw(QRectF(left, top, width * 0.55, line), rows[i].name, body_, Qt::AlignLeft);
        Draw(QRectF(left + width * 0.5, top, width * 0.4, line), rows[i].value, bold_,
             Qt::AlignRight);
    }
    y_ += line * perColumn;
}

void ReportPages::Table(const QStringList& headers, const QList<double>& shares, int rows,
                        const std::function<QString(int, int)>& cell,
                        const std::function<bool(int, int)>& marked, const TableExtras& extras) {
    const QFont& cellFont = extras.compact ? small_ : body_;
    const QFont& asideFont = extras.compact ? smallest_ : small_;
    const QFontMetricsF cellMetrics(cellFont, &device_);
    const double line = LineHeight(cellFont) * 1.35;
    const double noteLine = LineHeight(small_) * 1.15;
    // A heading wider than its column wraps, and the header row grows to the tallest; a word
    // wider than its column takes the smaller letters for the whole row.
    QFont headerFont = extras.compact ? smallBold_ : bold_;
    for (int column = 0; column < headers.size(); ++column) {
        const QFontMetricsF metrics(headerFont, &device_);
        const double width = area_.width() * shares[column] - 4;
        for (const QString& word : headers[column].split(QLatin1Char(' ')))
            if (metrics.horizontalAdvance(word) > width)
                headerFont = smallBold_;
    }
    const QFontMetricsF metrics(headerFont, &device_);
    double headerHeight = line;
    for (int column = 0; column < headers.size(); ++column) {
        const double width = area_.width() * shares[column] - 4;
        const QRectF needed =
            metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, headers[column]);
        headerHeight = std::max(headerHeight, needed.height() + line - metrics.height());
    }
    const auto header = [&] {
        Room(headerHeight + line);
        double left = area_.left();
        for (int column = 0; column < headers.size(); ++column) {
            const double width = area_.width() * shares[column];
            if (painter_ != nullptr) {
                painter_->setFont(headerFont);
                painter_->setPen(Qt::black);
                painter_->drawText(QRectF(left, y_, width - 4, headerHeight),
                                   (column == 0 ? Qt::AlignLeft : Qt::AlignRight) |
                                       Qt::AlignBottom | Qt::TextWordWrap,
                                   headers[column]);
            }
            left += width;
        }
        y_ += headerHeight;
        Rule();
    };
    header();
    QStringList texts;
    for (int row = 0; row < rows; ++row) {
        // The row as tall as its tallest cell, wrapped within its column.
        texts.clear();
        double cellsHeight = line;
        for (int column = 0; column < headers.size(); ++column) {
            texts.append(cell(row, column));
            const double width = area_.width() * shares[column] - 4;
            if (cellMetrics.horizontalAdvance(texts.back()) > width)
                cellsHeight =
                    std::max(cellsHeight, cellMetrics
                                                  .boundingRect(QRectF(0, 0, width, 1e9),
                                                                Qt::TextWordWrap, texts.back())
                                                  .height() +
                                              line - cellMetrics.height());
        }
        const QString note = extras.note ? extras.note(row) : QString();
        const double height = cellsHeight + (note.isEmpty() ? 0 : noteLine);
        if (y_ + height > Bottom()) {
            NextPage();
            header();
        }
        double left = area_.left();
        for (int column = 0; column < headers.size(); ++column) {
            const double width = area_.width() * shares[column];
            if (painter_ != nullptr && marked(row, column))
                painter_->fillRect(QRectF(left, y_, width, height), kLowCoverage);
            const QRectF box(left, y_, width - 4, cellsHeight);
            const QString aside = extras.aside ? extras.aside(row, column) : QString();
            const QString& own = texts.at(column);
            if (aside.isEmpty()) {
                Draw(box, own, cellFont, column == 0 ? Qt::AlignLeft : Qt::AlignRight, true);
            } else if (painter_ != nullptr) {
                // The smaller words at the cell's right, on the same baseline as its own.
                const QFontMetricsF asideMetrics(asideFont, &device_);
                const double baseline =
                    box.center().y() + (cellMetrics.ascent() - cellMetrics.descent()) / 2;
                const double asideWidth = asideMetrics.horizontalAdvance(aside);
                const double ownWidth = cellMetrics.horizontalAdvance(own);
                const double gap = asideMetrics.horizontalAdvance(QLatin1Char(' '));
                const double start =
                    column == 0 ? box.left()
                                : std::max(box.left(), box.right() - asideWidth - gap - ownWidth);
                painter_->setPen(Qt::black);
                painter_->setFont(cellFont);
                painter_->drawText(QPointF(start, baseline), own);
                painter_->setFont(asideFont);
                painter_->setPen(kNoteText);
                painter_->drawText(QPointF(start + ownWidth + gap, baseline), aside);
            }
            left += width;
        }
        if (!note.isEmpty() && painter_ != nullptr) {
            // Under the row, from its second column: what weakens the figures beside it.
            const double indent = area_.width() * (shares.isEmpty() ? 0 : shares[0]);
            painter_->setFont(small_);
            painter_->setPen(kNoteText);
            painter_->drawText(QRectF(area_.left() + indent, y_ + cellsHeight - noteLine * 0.25,
                                      area_.width() - indent - 4, noteLine),
                               Qt::AlignLeft | Qt::AlignTop, note);
        }
        y_ += height;
    }
}

void ReportPages::Panel(const QString& title, const QStringList& lines) {
    const double pad = LineHeight(small_) * 0.7;
    const double inner = area_.width() - 2 * pad;
    double height = pad * 2 + TextHeight(title, bold_, 1.3, inner);
    for (const QString& text : lines)
        height += TextHeight(text, body_, 1.15, inner);
    y_ += LineHeight(body_) * 0.4;
    Room(height);
    if (painter_ != nullptr) {
        const QRectF frame(area_.left(), y_, area_.width(), height);
        painter_->fillRect(frame, kPanel);
        painter_->setPen(QPen(kRule, 0));
        painter_->setBrush(Qt::NoBrush);
        painter_->drawRect(frame);
    }
    double top = y_ + pad;
    const auto write = [&](const QString& text, const QFont& font, double spacing) {
        const double textHeight = TextHeight(text, font, spacing, inner);
        if (painter_ != nullptr) {
            painter_->setFont(font);
            painter_->setPen(Qt::black);
            painter_->drawText(QRectF(area_.left() + pad, top, inner, textHeight),
                               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
        }
        top += textHeight;
    };
    write(title, bold_, 1.3);
    for (const QString& text : lines)
        write(text, body_, 1.15);
    y_ += height + LineHeight(body_) * 0.4;
}

void ReportPages::Box(double height, const QString& caption,
                      const std::function<void(QPainter&, const QRectF&)>& paint) {
    const double gap = LineHeight(small_) * 0.4;
    Room(height + gap + TextHeight(caption, small_, 1.15));
    if (painter_ != nullptr)
        paint(*painter_, QRectF(area_.left(), y_, area_.width(), height));
    y_ += height + gap;
    Note(caption);
}

void ReportPages::Room(double height) {
    if (y_ + height > Bottom() && y_ > Top())
        NextPage();
}

void ReportPages::NewPage() {
    if (y_ > Top())
        NextPage();
}

void ReportPages::NextPage() {
    if (painter_ != nullptr)
        device_.newPage();
    ++page_;
    y_ = Top();
    Frame();
}

void ReportPages::Frame() {
    if (painter_ == nullptr)
        return;
    const double line = LineHeight(small_);
    const QFontMetricsF metrics(small_, &device_);
    const auto pair = [&](double top, const QString& left, const QString& right) {
        const double rightWidth = metrics.horizontalAdvance(right);
        // The left text gives way to the right one, which says where the page stands.
        const QString shortened = metrics.elidedText(
            left, Qt::ElideRight, std::max(0.0, area_.width() - rightWidth - line));
        const QRectF box(area_.left(), top, area_.width(), line);
        painter_->setFont(small_);
        painter_->setPen(kFrameText);
        painter_->drawText(box, Qt::AlignLeft | Qt::AlignVCenter, shortened);
        painter_->drawText(box, Qt::AlignRight | Qt::AlignVCenter, right);
    };
    pair(area_.top(), frame_.site, frame_.period);
    const double footer = area_.bottom() - line;
    pair(footer, frame_.files,
         ReportTr(language_, QT_TRANSLATE_NOOP("AnalysisReport", "Page %1 of %2"))
             .arg(QString::number(page_), QString::number(pages_)));
    painter_->setPen(QPen(kRule, 0));
    painter_->drawLine(QPointF(area_.left(), area_.top() + line * 1.3),
                       QPointF(area_.right(), area_.top() + line * 1.3));
    painter_->drawLine(QPointF(area_.left(), footer - line * 0.4),
                       QPointF(area_.right(), footer - line * 0.4));
}

void ReportPages::Rule() {
    if (painter_ != nullptr) {
        painter_->setPen(QPen(kRule, 0));
        painter_->drawLine(QPointF(area_.left(), y_), QPointF(area_.right(), y_));
    }
    y_ += LineHeight(body_) * 0.2;
}

double ReportPages::TextHeight(const QString& text, const QFont& font, double spacing) const {
    return TextHeight(text, font, spacing, area_.width());
}

double ReportPages::TextHeight(const QString& text, const QFont& font, double spacing,
                               double width) const {
    const QFontMetricsF metrics(font, &device_);
    // Long texts wrap within the width.
    const QRectF needed = metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text);
    return std::max(needed.height(), metrics.height()) + metrics.height() * (spacing - 1);
}

void ReportPages::Text(const QString& text, const QFont& font, double spacing) {
    const double height = TextHeight(text, font, spacing);
    Room(height);
    if (painter_ != nullptr) {
        painter_->setFont(font);
        painter_->setPen(Qt::black);
        painter_->drawText(QRectF(area_.left(), y_, area_.width(), height),
                           Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    }
    y_ += height;
}

void ReportPages::Draw(const QRectF& box, const QString& text, const QFont& font,
                       Qt::Alignment align, bool wrap) {
    if (painter_ == nullptr)
        return;
    painter_->setFont(font);
    painter_->setPen(Qt::black);
    // Vertically centred unless told otherwise.
    const Qt::Alignment vertical =
        (align & Qt::AlignVertical_Mask) != 0 ? Qt::Alignment() : Qt::AlignVCenter;
    painter_->drawText(box, static_cast<int>(align | vertical) | (wrap ? Qt::TextWordWrap : 0),
                       text);
}
