#include "views/analysis/analysis_settings_tab.h"

#include "views/analysis/analysis_session.h"
#include "views/analysis/analysis_text.h"
#include "views/analysis/analysis_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

// The rows of the language boxes after their first, which the texts name.
constexpr Language kChoices[] = {Language::English, Language::French};

} // namespace

AnalysisSettingsTab::AnalysisSettingsTab(AnalysisSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    auto* form = new QFormLayout(this);
    // Boxes as wide as what they hold, in either language.
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const auto label = [&](const char* source) {
        auto* made = new QLabel(this);
        labels_.append({made, source});
        return made;
    };
    auto* thresholdRow = new QHBoxLayout;
    thresholdOn_ = new QCheckBox(this);
    thresholdOn_->setObjectName(QStringLiteral("ThresholdOn"));
    threshold_ = new QDoubleSpinBox(this);
    threshold_->setObjectName(QStringLiteral("Threshold"));
    threshold_->setRange(0, 200);
    threshold_->setDecimals(1);
    threshold_->setValue(65);
    thresholdRow->addWidget(thresholdOn_);
    thresholdRow->addWidget(threshold_);
    thresholdRow->addStretch(1);
    form->addRow(label(QT_TR_NOOP("Exceedance")), thresholdRow);

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
    periods->addWidget(label(QT_TR_NOOP("day from")));
    periods->addWidget(day_);
    periods->addWidget(label(QT_TR_NOOP("evening from")));
    periods->addWidget(evening_);
    periods->addWidget(label(QT_TR_NOOP("night from")));
    periods->addWidget(night_);
    periods->addStretch(1);
    form->addRow(label(QT_TR_NOOP("Periods")), periods);

    const auto penalty = [&](const char* name) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(-50, 50);
        box->setDecimals(1);
        return box;
    };
    eveningPenalty_ = penalty("EveningPenalty");
    nightPenalty_ = penalty("NightPenalty");
    auto* penalties = new QHBoxLayout;
    penalties->addWidget(label(QT_TR_NOOP("evening +")));
    penalties->addWidget(eveningPenalty_);
    penalties->addWidget(label(QT_TR_NOOP("night +")));
    penalties->addWidget(nightPenalty_);
    european_ = NamedButton(this, "EuropeanDefault", QString());
    penalties->addWidget(european_);
    penalties->addStretch(1);
    form->addRow(label(QT_TR_NOOP("Penalties")), penalties);

    minimumCoverage_ = new QSpinBox(this);
    minimumCoverage_->setObjectName(QStringLiteral("MinimumCoverage"));
    minimumCoverage_->setRange(0, 100);
    form->addRow(label(QT_TR_NOOP("Minimum coverage")), minimumCoverage_);

    // The languages are named in their own words, as every program lists them.
    const auto languages = [&](const char* name) {
        auto* box = new QComboBox(this);
        box->setObjectName(QLatin1String(name));
        box->addItem(QString());
        box->addItem(QStringLiteral("English"));
        box->addItem(QStringLiteral("Français"));
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return box;
    };
    windowLanguage_ = languages("WindowLanguage");
    reportLanguage_ = languages("ReportLanguage");
    form->addRow(label(QT_TR_NOOP("Language")), windowLanguage_);
    form->addRow(label(QT_TR_NOOP("Report language")), reportLanguage_);

    for (QSpinBox* box : {day_, evening_, night_, minimumCoverage_})
        connect(box, &QSpinBox::valueChanged, this, &AnalysisSettingsTab::ApplySettings);
    for (QDoubleSpinBox* box : {threshold_, eveningPenalty_, nightPenalty_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &AnalysisSettingsTab::ApplySettings);
    connect(thresholdOn_, &QCheckBox::toggled, this, &AnalysisSettingsTab::ApplySettings);
    connect(european_, &QPushButton::clicked, this, [this] {
        session_.SetPeriods(vrd::Periods{});
        ShowSettings();
    });
    connect(windowLanguage_, &QComboBox::activated, this, [this](int row) {
        emit windowLanguageChosen(row == 0 ? SystemLanguage() : kChoices[row - 1]);
    });
    connect(reportLanguage_, &QComboBox::activated, this, [this](int row) {
        emit reportLanguageChosen(row == 0 ? std::nullopt
                                           : std::optional<Language>(kChoices[row - 1]));
    });
    connect(&session_, &AnalysisSession::seriesChanged, this, &AnalysisSettingsTab::ShowSettings);
    SetTexts();
    ShowSettings();
}

void AnalysisSettingsTab::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        SetTexts();
    QWidget::changeEvent(event);
}

void AnalysisSettingsTab::SetTexts() {
    for (const auto& [label, source] : labels_)
        label->setText(tr(source));
    thresholdOn_->setText(tr("Threshold"));
    european_->setText(tr("07/19/23, +5/+10 dB"));
    european_->setToolTip(tr("The periods and penalties of the European Lden"));
    windowLanguage_->setItemText(0, tr("System"));
    reportLanguage_->setItemText(0, tr("Window's language"));
    // Decimals as the window's language writes them, whatever the system's.
    const Language language = WindowLanguage();
    const QString dB = UnitSpace(language) + QStringLiteral("dB");
    for (QDoubleSpinBox* box : {threshold_, eveningPenalty_, nightPenalty_}) {
        box->setLocale(LocaleOf(language));
        box->setSuffix(dB);
    }
    minimumCoverage_->setSuffix(UnitSpace(language) + QStringLiteral("%"));
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
