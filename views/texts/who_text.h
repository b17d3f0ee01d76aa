#pragma once
// How the analysis window and its report set levels beside the WHO guideline values: the source's
// name, the rows of the guideline and of the level less it, the days' headers and marks, in the
// language asked for.

#include "analysis/who_guidelines.h"
#include "views/common/language.h"

#include <QString>

#include <optional>

// "road traffic", "railways", "aircraft", "wind turbines".
QString WhoSourceText(vrd::WhoSource source, Language language);
// The name of the row that says the source: "Noise source (WHO)".
QString WhoSourceRowName(Language language);
// "Lden WHO guideline", "Lden − WHO guideline" for the level named.
QString WhoGuidelineName(const QString& level, Language language);
QString WhoExcessName(const QString& level, Language language);
// "53" ("53,5" in French); "none" for a level without a guideline (Lnight of wind turbines).
QString WhoGuidelineText(std::optional<double> guideline, Language language);
// The same with its unit: "53 dB"; "none".
QString WhoGuidelineDecibels(std::optional<double> guideline, Language language);
// "Above the WHO guideline for road traffic (53 dB)".
QString AboveWhoText(vrd::WhoSource source, double guideline, Language language);
// A level's column header: "Lden (dB)", with a guideline "Lden (dB, WHO 53)".
QString WhoHeader(const QString& level, std::optional<double> guideline, Language language);
