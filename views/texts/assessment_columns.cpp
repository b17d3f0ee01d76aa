#include "views/texts/assessment_columns.h"

#include <array>

namespace {

QString Text(Language language, const char* source) {
    return Translated(language, "AssessmentColumns", source);
}

} // namespace

QString EmergenceColumnName(EmergenceColumn column, Language language) {
    static constexpr std::array<const char*, kEmergenceColumns> kNames = {
        QT_TRANSLATE_NOOP("AssessmentColumns", "Date"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Period"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Source (min)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Ambient (dB)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Residual (dB)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Indicator"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Emergence (dB)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Term (dB)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Limit (dB)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Margin (dB)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Verdict"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Notes")};
    return Text(language, kNames[static_cast<std::size_t>(column)]);
}

QString IntervalColumnName(IntervalColumn column, Language language) {
    static constexpr std::array<const char*, kIntervalColumns> kNames = {
        QT_TRANSLATE_NOOP("AssessmentColumns", "Start"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Length (min)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Period"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Residual (min)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "L90 (dB)")};
    return Text(language, kNames[static_cast<std::size_t>(column)]);
}

QString BackgroundColumnName(BackgroundColumn column, Language language) {
    static constexpr std::array<const char*, kBackgroundColumns> kNames = {
        QT_TRANSLATE_NOOP("AssessmentColumns", "Period"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Intervals with an L90"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Mode (dB)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Median (dB)"),
        QT_TRANSLATE_NOOP("AssessmentColumns", "Histogram of the L90")};
    return Text(language, kNames[static_cast<std::size_t>(column)]);
}
