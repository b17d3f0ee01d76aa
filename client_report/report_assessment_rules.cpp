#include "client_report/report_assessment_rules.h"

#include "client_report/report_pages.h"
#include "views/texts/analysis_report_text.h"
#include "views/texts/assessment_rules_text.h"

void LayOutAssessmentRules(ReportPages& pages, vrd::Standard standard, Language language) {
    pages.Heading(ReportTr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Rules applied")));
    for (const RulesPart& part : StatedRules(standard, language)) {
        if (part.headers.isEmpty()) {
            pages.Line(part.sentence);
            continue;
        }
        // The first column names the rows; the others share the rest of the page alike.
        const auto columns = static_cast<int>(part.headers.size());
        const double first = columns > 4 ? 0.2 : 0.25;
        QList<double> shares = {first};
        for (int column = 1; column < columns; ++column)
            shares.append((1 - first) / (columns - 1));
        pages.Table(
            part.headers, shares, static_cast<int>(part.rows.size()),
            [&](int row, int column) { return part.rows.at(row).value(column); },
            [](int, int) { return false; });
    }
}
