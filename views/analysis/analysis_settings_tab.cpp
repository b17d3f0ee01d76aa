#include "views/analysis/analysis_settings_tab.h"

#include "views/analysis/analysis_session.h"
#include "views/analysis/analysis_widgets.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

AnalysisSettingsTab::AnalysisSettingsTab(AnalysisSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    auto* form = new QFormLayout(this);
    auto* thresholdRow = new QHBoxLayout;
    thresholdOn_ = new QCheckBox(QStringLiteral("Threshold"), this);
    thresholdOn_->setObjectName(QStringLiteral("ThresholdOn"));
    threshold_ = new QDoubleSpinBox(this);
    threshold_->setObjectName(QStringLiteral("Threshold"));
    threshold_->setRange(0, 200);
    threshold_->setDecimals(1);
    threshold_->setSuffix(QStringLiteral(" dB"));
    threshold_->setValue(65);
    thresholdRow->addWidget(thresholdOn_);
    thresholdRow->addWidget(threshold_);
    thresholdRow->addStretch(1);
    form->addRow(QStringLiteral("Exceedance"), thresholdRow);

    const auto hour = [&](const char* name) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(0, 23);
        box->setSuffix(QStringLiteral(":00"));
        return box;
    };
    day_ = hour("DayStart");
    evening_ = hour("EveningStart");
    night_ = hour("NightStart");
    auto* periods = new QHBoxLayout;
    periods->addWidget(new QLabel(QStringLiteral("day from"), this));
    periods->addWidget(day_);
    periods->addWidget(new QLabel(QStringLiteral("evening from"), this));
    periods->addWidget(evening_);
    periods->addWidget(new QLabel(QStringLiteral("night from"), this));
    periods->addWidget(night_);
    periods->addStretch(1);
    form->addRow(QStringLiteral("Periods"), periods);

    const auto penalty = [&](const char* name) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(-50, 50);
        box->setDecimals(1);
        box->setSuffix(QStringLiteral(" dB"));
        return box;
    };
    eveningPenalty_ = penalty("EveningPenalty");
    nightPenalty_ = penalty("NightPenalty");
    auto* penalties = new QHBoxLayout;
    penalties->addWidget(new QLabel(QStringLiteral("evening +"), this));
    penalties->addWidget(eveningPenalty_);
    penalties->addWidget(new QLabel(QStringLiteral("night +"), this));
    penalties->addWidget(nightPenalty_);
    auto* european = NamedButton(this, "EuropeanDefault", QStringLiteral("07/19/23, +5/+10 dB"));
    penalties->addWidget(european);
    penalties->addStretch(1);
    form->addRow(QStringLiteral("Penalties"), penalties);

    minimumCoverage_ = new QSpinBox(this);
    minimumCoverage_->setObjectName(QStringLiteral("MinimumCoverage"));
    minimumCoverage_->setRange(0, 100);
    minimumCoverage_->setSuffix(QStringLiteral(" %"));
    form->addRow(QStringLiteral("Minimum coverage"), minimumCoverage_);

    for (QSpinBox* box : {day_, evening_, night_, minimumCoverage_})
        connect(box, &QSpinBox::valueChanged, this, &AnalysisSettingsTab::ApplySettings);
    for (QDoubleSpinBox* box : {threshold_, eveningPenalty_, nightPenalty_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &AnalysisSettingsTab::ApplySettings);
    connect(thresholdOn_, &QCheckBox::toggled, this, &AnalysisSettingsTab::ApplySettings);
    connect(european, &QPushButton::clicked, this, [this] {
        session_.SetPeriods(vrd::Periods{});
        ShowSettings();
    });
    connect(&session_, &AnalysisSession::seriesChanged, this, &AnalysisSettingsTab::ShowSettings);
    ShowSettings();
}

// While the boxes are set, their changes apply nothing.
void AnalysisSettingsTab::ShowSettings() {
    const vrd::AnalysisSettings& settings = session_.Settings();
    const QSignalBlocker blockers[] = {
        QSignalBlocker(thresholdOn_),  QSignalBlocker(threshold_),
        QSignalBlocker(day_),          QSignalBlocker(evening_),
        QSignalBlocker(night_),        QSignalBlocker(eveningPenalty_),
        QSignalBlocker(nightPenalty_), QSignalBlocker(minimumCoverage_)};
    thresholdOn_->setChecked(settings.threshold.has_value());
    if (settings.threshold)
        threshold_->setValue(*settings.threshold);
    day_->setValue(settings.periods.day);
    evening_->setValue(settings.periods.evening);
    night_->setValue(settings.periods.night);
    eveningPenalty_->setValue(settings.periods.eveningPenalty);
    nightPenalty_->setValue(settings.periods.nightPenalty);
    minimumCoverage_->setValue(static_cast<int>(session_.MinimumCoverage() * 100 + 0.5));
}

void AnalysisSettingsTab::ApplySettings() {
    session_.SetThreshold(thresholdOn_->isChecked() ? std::optional<double>(threshold_->value())
                                                    : std::nullopt);
    vrd::Periods periods;
    periods.day = day_->value();
    periods.evening = evening_->value();
    periods.night = night_->value();
    periods.eveningPenalty = eveningPenalty_->value();
    periods.nightPenalty = nightPenalty_->value();
    // Hours out of order are kept in the boxes until they make sense again.
    const bool accepted = session_.SetPeriods(periods);
    for (QSpinBox* box : {day_, evening_, night_})
        box->setStyleSheet(accepted ? QString() : QStringLiteral("background: #ffd0d0"));
    session_.SetMinimumCoverage(minimumCoverage_->value() / 100.0);
}
