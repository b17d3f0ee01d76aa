#pragma once
// The analysis window's "Settings" tab: the threshold of the exceedance, the preset of the
// periods, the hours that start the day, evening and night, their penalties, the source whose WHO
// guidelines the levels are compared with, the minimum coverage of a figure, and the languages of
// the window and of the report. The boxes show what the session holds and apply every change to
// it at once; a language chosen is handed to the window.

#include "views/common/language.h"

#include <QWidget>

#include <optional>
#include <utility>

class AnalysisSession;
class EditedAnalysis;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

class AnalysisSettingsTab final : public QWidget {
    Q_OBJECT

  public:
    explicit AnalysisSettingsTab(EditedAnalysis& analysis, QWidget* parent = nullptr);

    // Sets the boxes to the session's settings without applying them back.
    void ShowSettings();

    // The presets in the core's order, then "Custom"; the WHO sources after "None".
    QComboBox* PresetBox() const { return preset_; }
    QComboBox* WhoBox() const { return who_; }
    QComboBox* WindowLanguageBox() const { return windowLanguage_; }
    QComboBox* ReportLanguageBox() const { return reportLanguage_; }

  signals:
    // The window's language chosen: the system's, or one the user picked.
    void windowLanguageChosen(Language language);
    // The report's: nullopt for the window's own.
    void reportLanguageChosen(std::optional<Language> language);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void ApplySettings();
    // The preset and WHO boxes as the session holds them, applying nothing.
    void ShowChoices();
    void SetTexts();

    EditedAnalysis& analysis_;
    bool applying_ = false; // the boxes are being applied: they show what they hold
    AnalysisSession& session_;
    QCheckBox* thresholdOn_ = nullptr;
    QDoubleSpinBox* threshold_ = nullptr;
    QSpinBox* day_ = nullptr;
    QSpinBox* evening_ = nullptr;
    QSpinBox* night_ = nullptr;
    QDoubleSpinBox* eveningPenalty_ = nullptr;
    QDoubleSpinBox* nightPenalty_ = nullptr;
    QComboBox* preset_ = nullptr;
    QComboBox* who_ = nullptr;
    QSpinBox* minimumCoverage_ = nullptr;
    QComboBox* windowLanguage_ = nullptr;
    QComboBox* reportLanguage_ = nullptr;
    // The labels of the rows and within them, with their English.
    QList<std::pair<QLabel*, const char*>> labels_;
};
