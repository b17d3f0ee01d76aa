#pragma once
// The analysis window's "Distribution" view: how the levels of the selection are spread, source
// and residual apart when marked, and beside it the histogram of the intervals' L90 when the
// noise is assessed by BS 4142. It follows every change of the selection, the marks and the
// settings, and works the distribution out only when it is shown or asked for.

#include "analysis/level_distribution.h"

#include <QWidget>

class AnalysisSession;
class QLabel;

class DistributionView final : public QWidget {
    Q_OBJECT

  public:
    explicit DistributionView(const AnalysisSession& session, QWidget* parent = nullptr);

    // The distribution of the selection as it stands now.
    const vrd::LevelDistributions& Distributions() const;
    // Whether the BS 4142 histogram is drawn beside it.
    bool ShowsBackground() const;
    QLabel* Caption() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Follow();
    void SetCaption();

    const AnalysisSession& session_;
    QLabel* caption_ = nullptr;
    mutable vrd::LevelDistributions distributions_;
    mutable bool stale_ = true;
};
