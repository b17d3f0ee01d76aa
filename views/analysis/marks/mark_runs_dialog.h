#pragma once
// What "Mark runs above threshold..." asks: the kind the runs are marked as (source, residual or
// exclusion), the shortest mark kept and the longest break joined over, with the number of marks
// it will make counted again as each value is typed, so that a threshold that would make
// hundreds of one-minute marks is seen before it is done.

#include "analysis/runs_above.h"

#include <QDialog>

#include <cstddef>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class MarkRunsDialog final : public QDialog {
    Q_OBJECT

  public:
    // How many marks a marking makes.
    using Counter = std::function<std::size_t(const vrd::RunMarking&)>;

    // The runs above threshold, counted by count; the values start as marking gives them.
    MarkRunsDialog(const vrd::RunMarking& marking, Counter count, QWidget* parent = nullptr);

    // The marking as the boxes give it.
    vrd::RunMarking Marking() const;

    QComboBox* KindBox() const { return kind_; }
    QSpinBox* MinMinutesBox() const { return minMinutes_; }
    QSpinBox* JoinMinutesBox() const { return joinMinutes_; }
    QLabel* CountLabel() const { return count_; }

  private:
    void Recount();

    double threshold_;
    Counter counter_;
    QComboBox* kind_ = nullptr;
    QSpinBox* minMinutes_ = nullptr;
    QSpinBox* joinMinutes_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* mark_ = nullptr;
};
