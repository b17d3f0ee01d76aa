#include "views/analysis/assessment/assessment_tab.h"

#include "views/analysis/assessment/assessment_models.h"
#include "views/analysis/assessment/verdict_delegate.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/common/analysis_widgets.h"
#include "views/texts/analysis_text.h"
#include "views/texts/assessment_conclusion_text.h"
#include "views/texts/assessment_text.h"
#include "views/texts/mark_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

enum Page { NonePage, FrenchPage, BackgroundPage };

} // namespace

AssessmentTab::AssessmentTab(EditedAnalysis& analysis, QWidget* parent)
    : QWidget(parent), analysis_(analysis), session_(analysis.Session()) {
    AnalysisSession& session = session_;
    periods_ = new EmergenceTableModel(session, this);
    intervals_ = new BackgroundIntervalModel(session, this);
    background_ = new BackgroundLevelModel(session, this);

    auto* layout = new QVBoxLayout(this);
    auto* choice = new QHBoxLayout;
    standard_ = new QComboBox(this);
    standard_->setObjectName(QStringLiteral("AssessmentStandard"));
    standard_->addItem(QString(), -1);
    for (const vrd::Standard standard :
         {vrd::Standard::FrNeighbourhood, vrd::Standard::FrIcpe, vrd::Standard::Bs4142})
        standard_->addItem(QString(), static_cast<int>(standard));
    indoors_ = new QCheckBox(this);
    indoors_->setObjectName(QStringLiteral("AssessmentIndoors"));
    standardLabel_ = new QLabel(this);
    choice->addWidget(standardLabel_);
    choice->addWidget(standard_);
    choice->addWidget(indoors_);
    everyPeriod_ = new QCheckBox(this);
    everyPeriod_->setObjectName(QStringLiteral("ShowEveryPeriod"));
    choice->addWidget(everyPeriod_);
    choice->addStretch(1);
    layout->addLayout(choice);
    // The conclusion above the table, the two sharing the height as the user drags.
    auto* sharing = new QSplitter(Qt::Vertical, this);
    sharing->setChildrenCollapsible(false);
    auto* scroll = new QScrollArea(sharing);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    summary_ = new QLabel(scroll);
    summary_->setObjectName(QStringLiteral("AssessmentSummary"));
    summary_->setWordWrap(true);
    summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    scroll->setWidget(summary_);
    scroll->setMinimumHeight(summary_->fontMetrics().lineSpacing() * 2);

    pages_ = new QStackedWidget(sharing);
    none_ = new QLabel(pages_);
    none_->setWordWrap(true);
    none_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    pages_->addWidget(none_);
    periodsView_ = AnalysisTableView(pages_, "AssessmentPeriods", periods_);
    periodsView_->setItemDelegateForColumn(
        EmergenceTableModel::Verdict,
        new VerdictDelegate(EmergenceTableModel::kLeaningRole, periodsView_));
    // The notes take what is left, so that the verdict before them is always in view.
    periodsView_->horizontalHeader()->setStretchLastSection(true);
    pages_->addWidget(periodsView_);
    auto* split = new QSplitter(Qt::Horizontal, pages_);
    intervalsView_ = AnalysisTableView(split, "BackgroundIntervals", intervals_);
    backgroundView_ = AnalysisTableView(split, "BackgroundLevels", background_);
    backgroundView_->horizontalHeader()->setStretchLastSection(true);
    split->addWidget(intervalsView_);
    split->addWidget(backgroundView_);
    split->setStretchFactor(1, 1);
    pages_->addWidget(split);
    for (QTableView* table : {periodsView_, intervalsView_, backgroundView_})
        FitColumnsToContents(table);
    sharing->addWidget(scroll);
    sharing->addWidget(pages_);
    sharing->setStretchFactor(0, 0);
    sharing->setStretchFactor(1, 1);
    const int line = summary_->fontMetrics().lineSpacing();
    sharing->setSizes({line * 5, line * 12});
    layout->addWidget(sharing, 1);

    connect(standard_, &QComboBox::currentIndexChanged, this, &AssessmentTab::ApplyChoice);
    connect(indoors_, &QCheckBox::toggled, this, &AssessmentTab::ApplyChoice);
    connect(everyPeriod_, &QCheckBox::toggled, periods_, &EmergenceTableModel::SetEveryPeriod);
    connect(&session_, &AnalysisSession::assessmentChanged, this, &AssessmentTab::ShowAssessment);
    SetTexts();
}

void AssessmentTab::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        SetTexts();
        for (QAbstractItemModel* model :
             std::initializer_list<QAbstractItemModel*>{periods_, intervals_, background_})
            Retranslate(*model);
        for (QTableView* table : {periodsView_, intervalsView_, backgroundView_})
            table->resizeColumnsToContents();
    }
    QWidget::changeEvent(event);
}

void AssessmentTab::SetTexts() {
    const Language language = WindowLanguage();
    for (int i = 0; i < standard_->count(); ++i) {
        const int standard = standard_->itemData(i).toInt();
        standard_->setItemText(i, StandardText(standard < 0
                                                   ? std::nullopt
                                                   : std::optional<vrd::Standard>(
                                                         static_cast<vrd::Standard>(standard)),
                                               language));
    }
    indoors_->setText(tr("Measured indoors (gate 25 dB)"));
    everyPeriod_->setText(tr("Show every period"));
    everyPeriod_->setToolTip(tr("Also list the periods in which the noise was not heard"));
    standardLabel_->setText(tr("Standard"));
    none_->setText(tr("Choose a standard to assess the noise marked as source against the "
                      "residual: without a residual mark, every minute neither excluded nor "
                      "source is residual."));
    ShowAssessment();
}

void AssessmentTab::ApplyChoice() {
    const int chosen = standard_->currentData().toInt();
    indoors_->setEnabled(chosen == static_cast<int>(vrd::Standard::FrNeighbourhood));
    if (chosen < 0) {
        analysis_.SetAssessmentSettings(std::nullopt);
        return;
    }
    vrd::AssessmentSettings settings;
    settings.standard = static_cast<vrd::Standard>(chosen);
    settings.indoors = indoors_->isChecked() && indoors_->isEnabled();
    analysis_.SetAssessmentSettings(settings);
}

void AssessmentTab::ShowAssessment() {
    // The choice as the session holds it, an analysis file opened included.
    const std::optional<vrd::AssessmentSettings>& chosen = session_.Assessment();
    {
        const QSignalBlocker quietStandard(standard_);
        const QSignalBlocker quietIndoors(indoors_);
        standard_->setCurrentIndex(
            standard_->findData(chosen ? static_cast<int>(chosen->standard) : -1));
        indoors_->setChecked(chosen && chosen->indoors);
        indoors_->setEnabled(chosen && chosen->standard == vrd::Standard::FrNeighbourhood);
    }
    const std::optional<vrd::AssessmentResult>& result = session_.Assessed();
    if (!result) {
        pages_->setCurrentIndex(NonePage);
        everyPeriod_->setVisible(false);
        summary_->clear();
        return;
    }
    const bool french = result->settings.standard != vrd::Standard::Bs4142;
    pages_->setCurrentIndex(french ? FrenchPage : BackgroundPage);
    everyPeriod_->setVisible(french);
    const Language language = WindowLanguage();
    QStringList lines = {tr("%1 (%2). Minutes measured %3, source %4, residual %5, excluded %6.")
                             .arg(StandardText(result->settings.standard, language),
                                  StandardReference(result->settings.standard, language))
                             .arg(result->minutes.measured)
                             .arg(result->minutes.source)
                             .arg(result->minutes.residual)
                             .arg(static_cast<double>(result->minutes.excludedTime) / 60000.0)};
    lines.append(ConclusionLines(*result, language));
    const QString outside = MarksOutsideText(result->marksOutside, language);
    if (!outside.isEmpty())
        lines.append(outside);
    if (french)
        lines.append(tr("Rows on an amber ground are not conclusive: the verdict gives the side it "
                        "leans to in smaller letters."));
    summary_->setText(lines.join(QLatin1Char('\n')));
}
