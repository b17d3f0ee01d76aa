#include "views/analysis/campaign/daily_profile_view.h"

#include "views/analysis/session/analysis_session.h"
#include "views/painting/daily_profile_painting.h"

#include <QPainter>

DailyProfileView::DailyProfileView(const AnalysisSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("DailyProfileView"));
    setMinimumHeight(160);
    const auto follow = [this] {
        profile_ = vrd::DailyProfileOf(session_.Result().hours);
        update();
    };
    connect(&session_, &AnalysisSession::resultChanged, this, follow);
    follow();
}

void DailyProfileView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PaintDailyProfile(painter, QRectF(rect()), profile_, WindowLanguage());
}
