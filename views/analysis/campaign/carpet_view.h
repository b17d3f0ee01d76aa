#pragma once
// The analysis window's "Carpet" view: every minute of the analysed period, one row a date and
// one column a minute of the day, so that the daily rhythm, the nights, the weekends and the gaps
// of a long campaign stand out at once, with the source and residual marks over them so that a
// month's marking is reviewed at a glance. Hovering reads the date, time, level and mark; a drag
// selects that period, as a drag on the time chart does, and the context menu marks the selection.

#include "analysis/analysis_settings.h"
#include "analysis/carpet.h"
#include "views/painting/carpet_painting.h"

#include <QWidget>

#include <optional>

class AnalysisSession;
class QLabel;

class CarpetView final : public QWidget {
    Q_OBJECT

  public:
    explicit CarpetView(const AnalysisSession& session, QWidget* parent = nullptr);

    const vrd::Carpet& Carpet() const { return carpet_; }
    const CarpetPicture& Picture() const { return picture_; }
    QLabel* Readout() const { return readout_; }
    // The minute under a point of the widget; nullopt outside the cells.
    std::optional<vrd::Minute> MinuteAt(QPointF point) const;

  signals:
    void periodDragged(vrd::Interval period);
    // The selection to be marked as kind, from the context menu.
    void markRequested(vrd::MarkKind kind);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Rebuild();
    void FollowSelection();
    void FollowMarks();
    QRectF Area() const;

    const AnalysisSession& session_;
    vrd::Carpet carpet_;
    CarpetPicture picture_;
    QLabel* readout_ = nullptr;
    std::optional<vrd::Minute> pressed_;
};
