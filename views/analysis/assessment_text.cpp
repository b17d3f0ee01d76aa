#include "views/analysis/assessment_text.h"

#include "views/analysis/analysis_text.h"

#include <QCoreApplication>

QString StandardText(std::optional<vrd::Standard> standard) {
    if (!standard)
        return QCoreApplication::translate("AssessmentText", "None");
    switch (*standard) {
    case vrd::Standard::FrNeighbourhood:
        return QCoreApplication::translate("AssessmentText", "French neighbourhood noise");
    case vrd::Standard::FrIcpe:
        return QCoreApplication::translate("AssessmentText", "French classified installation");
    case vrd::Standard::Bs4142:
        break;
    }
    return QCoreApplication::translate("AssessmentText", "BS 4142 background");
}

QString StandardReference(vrd::Standard standard) {
    switch (standard) {
    case vrd::Standard::FrNeighbourhood:
        return QCoreApplication::translate(
            "AssessmentText", "Code de la santé publique, articles R1336-6 and R1336-7");
    case vrd::Standard::FrIcpe:
        return QCoreApplication::translate(
            "AssessmentText", "Order of 23 January 1997 on the noise of classified installations");
    case vrd::Standard::Bs4142:
        break;
    }
    return QCoreApplication::translate("AssessmentText", "BS 4142:2014+A1:2019");
}

QString PeriodLabelText(vrd::PeriodLabel label) {
    switch (label) {
    case vrd::PeriodLabel::Daytime:
        return QCoreApplication::translate("AssessmentText", "day");
    case vrd::PeriodLabel::Holiday:
        return QCoreApplication::translate("AssessmentText", "holiday");
    case vrd::PeriodLabel::Night:
        break;
    }
    return QCoreApplication::translate("AssessmentText", "night");
}

QString VerdictText(const vrd::EmergenceFigures& figures) {
    QString text;
    switch (figures.verdict) {
    case vrd::Verdict::Compliant:
        text = QCoreApplication::translate("AssessmentText", "compliant");
        break;
    case vrd::Verdict::Exceeds:
        text = QCoreApplication::translate("AssessmentText", "exceeds");
        break;
    case vrd::Verdict::BelowGate:
        text = QCoreApplication::translate("AssessmentText", "below the gate");
        break;
    case vrd::Verdict::NoData:
        text = QCoreApplication::translate("AssessmentText", "not assessable");
        break;
    }
    if (figures.conclusive == false)
        text += QCoreApplication::translate("AssessmentText", ", not conclusive");
    return text;
}

QString WorstPeriodText(const vrd::AssessmentResult& result) {
    if (!result.worst || !result.worst->figures.limit || !result.worst->figures.emergence)
        return QCoreApplication::translate(
            "AssessmentText",
            "No period has both source and residual minutes above the gate: there is no "
            "worst period.");
    const vrd::EmergencePeriod& worst = *result.worst;
    const QString label = PeriodLabelText(worst.label);
    return QCoreApplication::translate("AssessmentText",
                                       "%1 of %2: emergence %3 dB for a limit of %4 dB: %5")
        .arg(label.left(1).toUpper() + label.mid(1), DayText(worst.date),
             LevelText(worst.figures.emergence),
             QString::number(static_cast<double>(*worst.figures.limit), 'f', 1),
             VerdictText(worst.figures));
}
