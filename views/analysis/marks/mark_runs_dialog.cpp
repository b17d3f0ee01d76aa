#include "views/analysis/marks/mark_runs_dialog.h"

#include "views/texts/analysis_text.h"
#include "views/texts/mark_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A week of minutes: longer than any break worth joining or mark worth asking for.
constexpr int kMostMinutes = 7 * 24 * 60;

QSpinBox* MinutesBox(QWidget* parent, const char* name, int lowest, vrd::Minute value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(lowest, kMostMinutes);
    box->setValue(static_cast<int>(std::clamp<vrd::Minute>(value, lowest, kMostMinutes)));
    box->setSuffix(UnitSpace(WindowLanguage()) + QStringLiteral("min"));
    return box;
}

} // namespace

MarkRunsDialog::MarkRunsDialog(const vrd::RunMarking& marking, Counter count, QWidget* parent)
    : QDialog(parent), threshold_(marking.threshold), counter_(std::move(count)) {
    setObjectName(QStringLiteral("MarkRunsDialog"));
    setWindowTitle(tr("Mark runs above threshold"));
    const Language language = WindowLanguage();
    auto* layout = new QVBoxLayout(this);
    auto* about = new QLabel(
        tr("The runs of measured minutes above %1 dB, each ended by a gap, a missing or an "
           "excluded minute, become marks.")
            .arg(marking.threshold),
        this);
    about->setWordWrap(true);
    layout->addWidget(about);

    auto* form = new QFormLayout;
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("RunsKind"));
    for (const vrd::MarkKind kind :
         {vrd::MarkKind::Source, vrd::MarkKind::Residual, vrd::MarkKind::Exclude}) {
        kind_->addItem(MarkKindText(kind, language), static_cast<int>(kind));
        if (kind == marking.kind)
            kind_->setCurrentIndex(kind_->count() - 1);
    }
    form->addRow(tr("Mark them as"), kind_);
    minMinutes_ = MinutesBox(this, "RunsMinMinutes", 1, marking.minMinutes);
    minMinutes_->setToolTip(
        tr("A mark shorter than this, from its start to its end, is left out."));
    form->addRow(tr("Shortest mark"), minMinutes_);
    joinMinutes_ = MinutesBox(this, "RunsJoinMinutes", 0, marking.joinMinutes);
    joinMinutes_->setToolTip(
        tr("Two runs with at most this many minutes between them make one mark; 0: never."));
    form->addRow(tr("Join over breaks of at most"), joinMinutes_);
    layout->addLayout(form);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("RunsCount"));
    layout->addWidget(count_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    mark_ = buttons->addButton(tr("Mark"), QDialogButtonBox::AcceptRole);
    mark_->setObjectName(QStringLiteral("RunsMark"));
    mark_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(kind_, &QComboBox::currentIndexChanged, this, &MarkRunsDialog::Recount);
    connect(minMinutes_, &QSpinBox::valueChanged, this, &MarkRunsDialog::Recount);
    connect(joinMinutes_, &QSpinBox::valueChanged, this, &MarkRunsDialog::Recount);
    Recount();
}

vrd::RunMarking MarkRunsDialog::Marking() const {
    vrd::RunMarking marking;
    marking.threshold = threshold_;
    marking.kind = static_cast<vrd::MarkKind>(kind_->currentData().toInt());
    marking.minMinutes = minMinutes_->value();
    marking.joinMinutes = joinMinutes_->value();
    return marking;
}

void MarkRunsDialog::Recount() {
    const vrd::RunMarking marking = Marking();
    const std::size_t count = counter_ ? counter_(marking) : 0;
    count_->setText(tr("%n mark(s) will be made.", nullptr, static_cast<int>(count)));
    mark_->setEnabled(count > 0);
}
