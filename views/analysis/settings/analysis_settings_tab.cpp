#include "views/analysis/settings/analysis_settings_tab.h"

#include "analysis/period_presets.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/texts/analysis_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include <iterator>
#include <string_view>

namespace {

// The rows of the language boxes after their first, which the texts name.
constexpr Language kChoices[] = {Language::English, Language::French};

// The rows of the WHO box after "None".
constexpr vrd::WhoSource kWhoSources[] = {vrd::WhoSource::Road, vrd::WhoSource::Rail,
                                          vrd::WhoSource::Aircraft, vrd::WhoSource::Wind};
constexpr const char* kWhoTitles[] = {QT_TRANSLATE_NOOP("AnalysisSettingsTab", "Road traffic"),
                                      QT_TRANSLATE_NOOP("AnalysisSettingsTab", "Railways"),
                                      QT_TRANSLATE_NOOP("AnalysisSettingsTab", "Aircraft"),
                                      QT_TRANSLATE_NOOP("AnalysisSettingsTab", "Wind turbines")};

// How the preset list names the core's presets.
struct PresetTitle {
    std::string_view name;
    const char* title;
};
constexpr PresetTitle kPresetTitles[] = {
    {"eu", QT_TRANSLATE_NOOP("AnalysisSettingsTab", "EU")},
    {"fr", QT_TRANSLATE_NOOP("AnalysisSettingsTab", "France")},
    {"it", QT_TRANSLATE_NOOP("AnalysisSettingsTab", "Italy")},
    {"uk", QT_TRANSLATE_NOOP("AnalysisSettingsTab", "UK")},
    {"us-ldn", QT_TRANSLATE_NOOP("AnalysisSettingsTab", "US Ldn")},
    {"us-cnel", QT_TRANSLATE_NOOP("AnalysisSettingsTab", "US CNEL")},
};

QString PresetText(std::string_view name) {
    for (const PresetTitle& known : kPresetTitles)
        if (known.name == name)
            return AnalysisSettingsTab::tr(known.title);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString Hour(int hour) {
    return QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

// What a preset sets, for its tooltip.
QString PresetDescription(const vrd::PeriodPreset& preset, Language language) {
    const vrd::Periods& periods = preset.periods;
    const QString dB = UnitSpace(language) + QStringLiteral("dB");
    return AnalysisSettingsTab::tr(
               "Day %1–%2, evening %2–%3, night %3–%1; penalties %4 evening, %5 night; %6")
        .arg(Hour(periods.day), Hour(periods.evening), Hour(periods.night),
             SignedLevelText(periods.eveningPenalty, language) + dB,
             SignedLevelText(periods.nightPenalty, language) + dB,
             QLatin1String(preset.combinedLevel));
}

} // namespace

AnalysisSettingsTab::AnalysisSettingsTab(EditedAnalysis& analysis, QWidget* parent)
    : QWidget(parent), analysis_(analysis), session_(analysis.Session()) {
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

    preset_ = new QComboBox(this);
    preset_->setObjectName(QStringLiteral("Preset"));
    preset_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const vrd::PeriodPreset& preset : vrd::PeriodPresets())
        preset_->addItem(QString(), QString::fromLatin1(preset.name));
    preset_->addItem(QString(), QString()); // Custom: the periods as set by hand
    form->addRow(label(QT_TR_NOOP("Preset")), preset_);

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
    penalties->addStretch(1);
    form->addRow(label(QT_TR_NOOP("Penalties")), penalties);

    who_ = new QComboBox(this);
    who_->setObjectName(QStringLiteral("WhoSource"));
    who_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    who_->addItem(QString());
    for (std::size_t i = 0; i < std::size(kWhoSources); ++i)
        who_->addItem(QString());
    form->addRow(label(QT_TR_NOOP("WHO guideline")), who_);

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
    connect(preset_, &QComboBox::activated, this, [this](int row) {
        analysis_.SetPreset(preset_->itemData(row).toString().toStdString());
        ShowSettings();
    });
    connect(who_, &QComboBox::activated, this, [this](int row) {
        analysis_.SetWhoSource(row > 0 ? std::optional(kWhoSources[row - 1]) : std::nullopt);
    });
    connect(windowLanguage_, &QComboBox::activated, this, [this](int row) {
        emit windowLanguageChosen(row == 0 ? SystemLanguage() : kChoices[row - 1]);
    });
    connect(reportLanguage_, &QComboBox::activated, this, [this](int row) {
        emit reportLanguageChosen(row == 0 ? std::nullopt
                                           : std::optional<Language>(kChoices[row - 1]));
    });
    connect(&session_, &AnalysisSession::seriesChanged, this, &AnalysisSettingsTab::ShowSettings);
    // A preset falls to Custom with an hour changed by hand, wherever it was changed; a setting
    // undone or changed elsewhere shows in the boxes, but not while they are being applied.
    connect(&session_, &AnalysisSession::resultChanged, this, [this] {
        if (applying_)
            ShowChoices();
        else
            ShowSettings();
    });
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
    const Language language = WindowLanguage();
    const std::vector<vrd::PeriodPreset>& presets = vrd::PeriodPresets();
    for (std::size_t i = 0; i < presets.size(); ++i) {
        const int row = static_cast<int>(i);
        preset_->setItemText(row, PresetText(presets[i].name));
        preset_->setItemData(row, PresetDescription(presets[i], language), Qt::ToolTipRole);
    }
    preset_->setItemText(preset_->count() - 1, tr("Custom"));
    who_->setItemText(0, tr("None"));
    for (std::size_t i = 0; i < std::size(kWhoTitles); ++i)
        who_->setItemText(static_cast<int>(i) + 1, tr(kWhoTitles[i]));
    who_->setToolTip(tr("The WHO Environmental Noise Guidelines (2018) for this source: the days "
                        "and the statistics mark Lden and Lnight above them"));
    windowLanguage_->setItemText(0, tr("System"));
    reportLanguage_->setItemText(0, tr("Window's language"));
    // Decimals as the window's language writes them, whatever the system's.
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
    ShowChoices();
}

void AnalysisSettingsTab::ShowChoices() {
    const vrd::AnalysisSettings& settings = session_.Settings();
    const QSignalBlocker presetBlocker(preset_);
    const int named = preset_->findData(QString::fromStdString(settings.preset));
    preset_->setCurrentIndex(named >= 0 ? named : preset_->count() - 1);
    const QSignalBlocker whoBlocker(who_);
    int source = 0;
    for (std::size_t i = 0; i < std::size(kWhoSources); ++i)
        if (settings.who == kWhoSources[i])
            source = static_cast<int>(i) + 1;
    who_->setCurrentIndex(source);
}

void AnalysisSettingsTab::ApplySettings() {
    vrd::Periods periods;
    periods.day = day_->value();
    periods.evening = evening_->value();
    periods.night = night_->value();
    periods.eveningPenalty = eveningPenalty_->value();
    periods.nightPenalty = nightPenalty_->value();
    // Hours out of order are kept in the boxes until they make sense again.
    applying_ = true;
    const bool accepted = analysis_.SetSettings(
        thresholdOn_->isChecked() ? std::optional<double>(threshold_->value()) : std::nullopt,
        periods, minimumCoverage_->value() / 100.0);
    applying_ = false;
    for (QSpinBox* box : {day_, evening_, night_})
        box->setStyleSheet(accepted ? QString() : QStringLiteral("background: #ffd0d0"));
}
