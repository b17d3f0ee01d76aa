#include "views/analysis/window/analysis_command_row.h"

#include "views/analysis/chart/analysis_chart.h"
#include "views/common/analysis_widgets.h"
#include "views/texts/analysis_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

AnalysisCommandRow BuildAnalysisCommandRow() {
    AnalysisCommandRow built;
    auto* row = new QWidget;
    built.row = row;
    // The commands, then what the chart draws: two lines, so that the window fits a screen of
    // 1280 pixels in the longer French words.
    auto* rows = new QVBoxLayout(row);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto* commands = new QHBoxLayout;
    built.edit = new QToolButton(row);
    built.edit->setObjectName(QStringLiteral("EditButton"));
    built.edit->setPopupMode(QToolButton::InstantPopup);
    commands->addWidget(built.edit);
    commands->addSpacing(4);
    built.savePdf = NamedButton(row, "SavePdf", QString());
    built.print = NamedButton(row, "Print", QString());
    built.saveTables = NamedButton(row, "SaveTables", QString());
    commands->addWidget(built.savePdf);
    commands->addWidget(built.print);
    commands->addWidget(built.saveTables);
    commands->addStretch(1);
    rows->addLayout(commands);
    auto* layout = new QHBoxLayout;
    rows->addLayout(layout);

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
