#include "views/analysis/campaign/distribution_view.h"

#include "views/analysis/session/analysis_session.h"
#include "views/painting/distribution_painting.h"
#include "views/texts/analysis_report_text.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

DistributionView::DistributionView(const AnalysisSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("DistributionView"));
    setMinimumHeight(160);
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("DistributionCaption"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 0);
    layout->addWidget(caption_);
    layout->addStretch(1);
    // Every change of the settings and exclusions ends in a new selection's figures; marks and
    // the standard change the assessment alone.
    connect(&session_, &AnalysisSession::selectionChanged, this, &DistributionView::Follow);
    connect(&session_, &AnalysisSession::marksChanged, this, &DistributionView::Follow);
    connect(&session_, &AnalysisSession::assessmentChanged, this, &DistributionView::Follow);
    Follow();
}

void DistributionView::Follow() {
    // A year of minutes is one pass, but a hidden tab need not pay for every drag of the
    // selection: the next paint or question works it out.
    stale_ = true;
    SetCaption();
    update();
}

void DistributionView::SetCaption() {
    QString text =
        tr("Levels of the selection: %1.").arg(PeriodText(session_.Selection(), WindowLanguage()));
    // The assessment, and so the background, is of the whole analysed period.
    if (ShowsBackground())
        text += QLatin1Char(' ') + tr("BS 4142 background: the L90 of the analysed period.");
    caption_->setText(text);
}

const vrd::LevelDistributions& DistributionView::Distributions() const {
    if (stale_) {
        vrd::AnalysisSettings settings = session_.Settings();
        settings.fromTime = vrd::MillisOf(session_.Selection().from);
        settings.toTime = vrd::MillisOf(session_.Selection().to);
        distributions_ = vrd::DistributeLevels(session_.Series(), settings);
        stale_ = false;
    }
    return distributions_;
}

bool DistributionView::ShowsBackground() const {
    return session_.Assessment() && session_.Assessment()->standard == vrd::Standard::Bs4142 &&
           session_.Assessed();
}

void DistributionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRectF area = QRectF(rect()).adjusted(8, caption_->geometry().bottom() + 6, -8, -4);
    if (!ShowsBackground()) {
        PaintLevelDistribution(painter, area, Distributions(), WindowLanguage(), session_.Step());
        return;
    }
    // The distribution takes most of the width; the background's panels stand one above the other.
    const double split = area.width() * 0.62;
    PaintLevelDistribution(painter, QRectF(area.left(), area.top(), split, area.height()),
                           Distributions(), WindowLanguage(), session_.Step());
    PaintBackgroundHistogram(
        painter,
        QRectF(area.left() + split + 16, area.top(), area.width() - split - 16, area.height()),
        session_.Assessed()->background, WindowLanguage());
}

void DistributionView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        SetCaption();
        update();
    }
    QWidget::changeEvent(event);
}
