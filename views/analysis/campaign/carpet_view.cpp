#include "views/analysis/campaign/carpet_view.h"

#include "views/analysis/session/analysis_session.h"
#include "views/texts/analysis_text.h"
#include "views/texts/mark_text.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

CarpetView::CarpetView(const AnalysisSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("CarpetView"));
    setMouseTracking(true);
    setMinimumHeight(160);
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("CarpetReadout"));
    readout_->move(8, 0);
    readout_->setMinimumWidth(320);
    connect(&session_, &AnalysisSession::resultChanged, this, &CarpetView::Rebuild);
    connect(&session_, &AnalysisSession::selectionChanged, this, &CarpetView::FollowSelection);
    connect(&session_, &AnalysisSession::marksChanged, this, &CarpetView::FollowMarks);
    connect(&session_, &AnalysisSession::assessmentChanged, this, [this] {
        picture_.standardDay = StandardDayShown(session_.Assessment());
        update();
    });
    Rebuild();
}

void CarpetView::Rebuild() {
    carpet_ =
        vrd::CarpetOf(session_.Series(), session_.AnalysedPeriod(), session_.ExcludedIntervals());
    picture_.scale = ScaleOf(carpet_);
    picture_.image = CarpetImage(carpet_, picture_.scale);
    picture_.firstDate = carpet_.FirstDate();
    picture_.periods = session_.Settings().periods;
    picture_.standardDay = StandardDayShown(session_.Assessment());
    FollowMarks();
}

void CarpetView::FollowMarks() {
    picture_.sources.clear();
    picture_.residuals.clear();
    for (const vrd::Mark& mark : session_.Marks())
        (mark.kind == vrd::MarkKind::Residual ? picture_.residuals : picture_.sources)
            .push_back(vrd::MinutesStartingIn(mark.span));
    FollowSelection();
}

void CarpetView::FollowSelection() {
    picture_.selection = session_.Selection();
    update();
}

QRectF CarpetView::Area() const {
    return QRectF(rect()).adjusted(0, readout_->height(), 0, 0);
}

std::optional<vrd::Minute> CarpetView::MinuteAt(QPointF point) const {
    const QRectF cells = CarpetCellArea(Area(), font());
    if (carpet_.Dates() == 0 || !cells.contains(point))
        return std::nullopt;
    const auto row = static_cast<vrd::Minute>(std::floor(
        (point.y() - cells.top()) / cells.height() * static_cast<double>(carpet_.Dates())));
    const auto column = static_cast<vrd::Minute>(
        std::floor((point.x() - cells.left()) / cells.width() * vrd::kMinutesPerDay));
    return vrd::StartOfDay(carpet_.FirstDate()) +
           std::clamp<vrd::Minute>(row, 0, carpet_.Dates() - 1) * vrd::kMinutesPerDay +
           std::clamp<vrd::Minute>(column, 0, vrd::kMinutesPerDay - 1);
}

void CarpetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (carpet_.TooLong()) {
        painter.drawText(rect(), Qt::AlignCenter,
                         tr("The analysed period is too long for a carpet: select at most ten "
                            "years."));
        return;
    }
    PaintCarpet(painter, Area(), picture_, WindowLanguage());
}

void CarpetView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = MinuteAt(event->position());
}

void CarpetView::mouseMoveEvent(QMouseEvent* event) {
    const std::optional<vrd::Minute> minute = MinuteAt(event->position());
    if (!minute) {
        readout_->clear();
        return;
    }
    const float cell =
        carpet_.At((*minute - vrd::StartOfDay(carpet_.FirstDate())) / vrd::kMinutesPerDay,
                   (*minute - vrd::StartOfDay(carpet_.FirstDate())) % vrd::kMinutesPerDay);
    const Language language = WindowLanguage();
    QString level = tr("no level");
    if (vrd::Carpet::IsLevel(cell))
        level = LocaleOf(language).toString(static_cast<double>(cell), 'f',
                                            std::floor(cell) == cell ? 0 : 1) +
                UnitSpace(language) + QStringLiteral("dB");
    else if (cell == vrd::Carpet::kExcluded)
        level = tr("excluded");
    QString text = MinuteText(*minute, language) + QStringLiteral("   ") + level;
    for (const vrd::Mark& mark : session_.Marks())
        if (mark.span.Contains(vrd::MillisOf(*minute))) {
            text += QStringLiteral("   ") + MarkKindText(mark.kind, language);
            if (!mark.reason.empty())
                text += QStringLiteral(" (") + QString::fromStdString(mark.reason) + u')';
            break;
        }
    readout_->setText(text);
}

void CarpetView::contextMenuEvent(QContextMenuEvent* event) {
    const vrd::Interval& selection = session_.Selection();
    if (carpet_.Dates() == 0 || selection.Length() <= 0)
        return;
    const Language language = WindowLanguage();
    QMenu menu(this);
    const QString period = IntervalText(selection, language);
    for (const auto& [kind, text] : {std::pair(vrd::MarkKind::Source, tr("Mark %1 as source")),
                                     std::pair(vrd::MarkKind::Residual, tr("Mark %1 as residual")),
                                     std::pair(vrd::MarkKind::Exclude, tr("Exclude %1"))})
        connect(menu.addAction(text.arg(period)), &QAction::triggered, this,
                [this, kind = kind] { emit markRequested(kind); });
    menu.exec(event->globalPos());
}

void CarpetView::changeEvent(QEvent* event) {
    // The read-out of the old language goes; the next pointing writes the new one.
    if (event->type() == QEvent::LanguageChange)
        readout_->clear();
    QWidget::changeEvent(event);
}

void CarpetView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    const std::optional<vrd::Minute> released = MinuteAt(event->position());
    const vrd::Minute start = *pressed_;
    pressed_.reset();
    if (!released || *released == start)
        return;
    emit periodDragged({std::min(start, *released), std::max(start, *released) + 1});
}
