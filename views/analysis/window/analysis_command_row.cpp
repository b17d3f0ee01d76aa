#include "views/analysis/window/analysis_command_row.h"

#include "views/analysis/chart/analysis_chart.h"
#include "views/common/analysis_widgets.h"
#include "views/texts/analysis_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>

AnalysisCommandRow BuildAnalysisCommandRow() {
    AnalysisCommandRow built;
    auto* row = new QWidget;
    built.row = row;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto tool = [&](const char* name) {
        auto* button = new QToolButton(row);
        button->setObjectName(QLatin1String(name));
        layout->addWidget(button);
        return button;
    };
    built.edit = tool("EditButton");
    built.edit->setPopupMode(QToolButton::InstantPopup);
    layout->addSpacing(4);
    built.savePdf = NamedButton(row, "SavePdf", QString());
    built.print = NamedButton(row, "Print", QString());
    built.saveTables = NamedButton(row, "SaveTables", QString());
    layout->addWidget(built.savePdf);
    layout->addWidget(built.print);
    layout->addWidget(built.saveTables);
    layout->addSpacing(16);

    const auto overlay = [&](const char* name, bool on) {
        auto* box = new QCheckBox(row);
        box->setObjectName(QLatin1String(name));
        box->setChecked(on);
        layout->addWidget(box);
        return box;
    };
    const AnalysisChart::Overlays shown;
    built.showSliding = overlay("ShowSliding", shown.sliding);
    built.slidingLength = new QComboBox(row);
    built.slidingLength->setObjectName(QStringLiteral("SlidingLength"));
    for (const int minutes : AnalysisChart::kSlidingLengths) {
        built.slidingLength->addItem(QString(), minutes);
        if (minutes == shown.slidingMinutes)
            built.slidingLength->setCurrentIndex(built.slidingLength->count() - 1);
    }
    layout->addWidget(built.slidingLength);
    built.showThreshold = overlay("ShowThreshold", shown.threshold);
    built.showPeriods = overlay("ShowPeriods", shown.periods);
    built.showExclusions = overlay("ShowExclusions", shown.exclusions);
    layout->addStretch(1);
    built.SetTexts();
    return built;
}

void AnalysisCommandRow::SetTexts() const {
    edit->setText(tr("Edit"));
    savePdf->setText(tr("Save report as PDF"));
    print->setText(tr("Print..."));
    saveTables->setText(tr("Save tables as spreadsheet"));
    showSliding->setText(tr("Sliding Leq"));
    for (int i = 0; i < slidingLength->count(); ++i)
        slidingLength->setItemText(i, slidingLength->itemData(i).toString() +
                                          UnitSpace(WindowLanguage()) + QStringLiteral("min"));
    showThreshold->setText(tr("Threshold"));
    showPeriods->setText(tr("Day/evening/night"));
    showExclusions->setText(tr("Exclusions"));
}
