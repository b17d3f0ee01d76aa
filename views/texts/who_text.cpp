#include "views/texts/who_text.h"

#include "views/texts/analysis_text.h"

namespace {

QString Tr(Language language, const char* source) {
    return Translated(language, "WhoText", source);
}

} // namespace

QString WhoSourceText(vrd::WhoSource source, Language language) {
    switch (source) {
    case vrd::WhoSource::Road:
        return Tr(language, QT_TRANSLATE_NOOP("WhoText", "road traffic"));
    case vrd::WhoSource::Rail:
        return Tr(language, QT_TRANSLATE_NOOP("WhoText", "railways"));
    case vrd::WhoSource::Aircraft:
        return Tr(language, QT_TRANSLATE_NOOP("WhoText", "aircraft"));
    case vrd::WhoSource::Wind:
        break;
    }
    return Tr(language, QT_TRANSLATE_NOOP("WhoText", "wind turbines"));
}

QString WhoSourceRowName(Language language) {
    return Tr(language, QT_TRANSLATE_NOOP("WhoText", "Noise source (WHO)"));
}

QString WhoGuidelineName(const QString& level, Language language) {
    return Tr(language, QT_TRANSLATE_NOOP("WhoText", "%1 WHO guideline")).arg(level);
}

QString WhoExcessName(const QString& level, Language language) {
    return Tr(language, QT_TRANSLATE_NOOP("WhoText", "%1 − WHO guideline")).arg(level);
}

QString WhoGuidelineText(std::optional<double> guideline, Language language) {
    // The guidelines are whole decibels: no decimals to add.
    return guideline ? LocaleOf(language).toString(*guideline)
                     : Tr(language, QT_TRANSLATE_NOOP("WhoText", "none"));
}

QString WhoGuidelineDecibels(std::optional<double> guideline, Language language) {
    const QString number = WhoGuidelineText(guideline, language);
    return guideline ? number + UnitSpace(language) + QStringLiteral("dB") : number;
}

QString AboveWhoText(vrd::WhoSource source, double guideline, Language language) {
    // A sentence for each source: French needs the article of each.
    const char* text =
        QT_TRANSLATE_NOOP("WhoText", "Above the WHO guideline for wind turbines (%1)");
    switch (source) {
    case vrd::WhoSource::Road:
        text = QT_TRANSLATE_NOOP("WhoText", "Above the WHO guideline for road traffic (%1)");
        break;
    case vrd::WhoSource::Rail:
        text = QT_TRANSLATE_NOOP("WhoText", "Above the WHO guideline for railways (%1)");
        break;
    case vrd::WhoSource::Aircraft:
        text = QT_TRANSLATE_NOOP("WhoText", "Above the WHO guideline for aircraft (%1)");
        break;
    case vrd::WhoSource::Wind:
        break;
    }
    return Tr(language, text).arg(WhoGuidelineDecibels(guideline, language));
}

QString WhoHeader(const QString& level, std::optional<double> guideline, Language language) {
    if (!guideline)
        return level + QStringLiteral(" (dB)");
    return Tr(language, QT_TRANSLATE_NOOP("WhoText", "%1 (dB, WHO %2)"))
        .arg(level, WhoGuidelineText(guideline, language));
}
