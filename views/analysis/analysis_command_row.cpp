#include "views/analysis/analysis_command_row.h"

#include "views/analysis/analysis_chart.h"
#include "views/analysis/analysis_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

AnalysisCommandRow BuildAnalysisCommandRow() {
    AnalysisCommandRow built;
    auto* row = new QWidget;
    built.row = row;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    built.savePdf = NamedButton(row, "SavePdf", QStringLiteral("Save report as PDF"));
    built.print = NamedButton(row, "Print", QStringLiteral("Print..."));
    built.saveTables = NamedButton(row, "SaveTables", QStringLiteral("Save tables as spreadsheet"));
    layout->addWidget(built.savePdf);
    layout->addWidget(built.print);
    layout->addWidget(built.saveTables);
    layout->addSpacing(16);

    const auto overlay = [&](const char* name, const QString& text, bool on) {
        auto* box = new QCheckBox(text, row);
        box->setObjectName(QLatin1String(name));
        box->setChecked(on);
        layout->addWidget(box);
        return box;
    };
    const AnalysisChart::Overlays shown;
    built.showSliding = overlay("ShowSliding", QStringLiteral("Sliding Leq"), shown.sliding);
    built.slidingLength = new QComboBox(row);
    built.slidingLength->setObjectName(QStringLiteral("SlidingLength"));
    for (const int minutes : AnalysisChart::kSlidingLengths) {
        built.slidingLength->addItem(QString::number(minutes) + QStringLiteral(" min"), minutes);
        if (minutes == shown.slidingMinutes)
            built.slidingLength->setCurrentIndex(built.slidingLength->count() - 1);
    }
    layout->addWidget(built.slidingLength);
    built.showThreshold = overlay("ShowThreshold", QStringLiteral("Threshold"), shown.threshold);
    built.showPeriods = overlay("ShowPeriods", QStringLiteral("Day/evening/night"), shown.periods);
    built.showExclusions =
        overlay("ShowExclusions", QStringLiteral("Exclusions"), shown.exclusions);
    layout->addStretch(1);
    return built;
}
