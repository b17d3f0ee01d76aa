#include "views/analysis/window/frm_analysis.h"

#include "views/analysis/assessment/assessment_tab.h"
#include "views/analysis/campaign/carpet_view.h"
#include "views/analysis/campaign/daily_profile_view.h"
#include "views/analysis/campaign/distribution_view.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/chart/analysis_zoom_keys.h"
#include "views/analysis/marks/mark_actions.h"
#include "views/analysis/marks/mark_table.h"
#include "views/analysis/marks/mark_table_model.h"
#include "views/analysis/session/analysis_table_models.h"
#include "views/analysis/settings/analysis_settings_tab.h"
#include "views/analysis/window/analysis_command_row.h"
#include "views/analysis/window/analysis_side_panel.h"
#include "views/analysis/window/edit_actions.h"
#include "views/analysis/window/file_actions.h"
#include "views/analysis/window/files_tab.h"
#include "views/analysis/window/recovery_copy.h"
#include "views/analysis/window/report_actions.h"
#include "views/common/analysis_widgets.h"
#include "views/texts/analysis_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace {

const QSize kDesignedSize(1400, 860);

} // namespace

frmAnalysis::frmAnalysis(QWidget* parent) : QWidget(parent), prompts_(*this) {
    setObjectName(QStringLiteral("frmAnalysis"));
    AnalysisSession& session = analysis_.Session();
    files_ = new FileActions(analysis_, prompts_, *this);
    // After the file state: the copy follows what it judges unsaved.
    recovery_ = new RecoveryCopy(session, files_->AnalysisFile(), this);
    statistics_ = new StatisticsModel(session, this);
    days_ = new DaysTableModel(session, this);
    hours_ = new HoursTableModel(session, this);
    exclusions_ = new MarkTableModel(analysis_, this);
    fileList_ = new ReportFileListModel(session, this);

    chart_ = new AnalysisChart(session, this);
    reports_ = new ReportActions(
        session, *chart_, prompts_, [this] { return ReportLanguage(); }, *this);
    chart_->setObjectName(QStringLiteral("AnalysisChart"));

    auto* chartColumn = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartColumn);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(ConnectCommands(BuildAnalysisCommandRow()));
    chartLayout->addWidget(chart_, 1);

    auto* tabs = new QTabWidget;
    tabs_ = tabs;
    tabs->setObjectName(QStringLiteral("AnalysisTabs"));
    daysView_ = AnalysisTableView(tabs, "DaysTable", days_);
    hoursView_ = AnalysisTableView(tabs, "HoursTable", hours_);
    for (QTableView* table : {daysView_, hoursView_})
        FitColumnsToContents(table);
    // The tabs in the order SetTexts names them.
    tabs->addTab(daysView_, QString());
    tabs->addTab(hoursView_, QString());
    carpet_ = new CarpetView(session, tabs);
    tabs->addTab(carpet_, QString());
    tabs->addTab(new DailyProfileView(session, tabs), QString());
    tabs->addTab(new DistributionView(session, tabs), QString());
    assessment_ = new AssessmentTab(analysis_, tabs);
    tabs->addTab(assessment_, QString());
    auto* settings = new AnalysisSettingsTab(analysis_);
    tabs->addTab(settings, QString());
    filesTab_ = new FilesTab(*fileList_, *files_, tabs);
    tabs->addTab(filesTab_, QString());

    auto* left = new QSplitter(Qt::Vertical);
    left->addWidget(chartColumn);
    left->addWidget(tabs);
    // Two thirds of the height for the chart, whatever the tables would like.
    left->setStretchFactor(0, 2);
    left->setStretchFactor(1, 1);
    left->setSizes({kDesignedSize.height() * 2 / 3, kDesignedSize.height() / 3});
    // The side panel runs the whole height: every statistic shows at once.
    auto* whole = new QSplitter(Qt::Horizontal, this);
    whole->addWidget(left);
    // In a window smaller than the panel needs (a small screen, the main window's area), the
    // panel scrolls rather than squeezing its boxes over each other.
    auto* side = new QScrollArea(whole);
    side->setWidget(ConnectSidePanel(BuildAnalysisSidePanel(statistics_, exclusions_)));
    side->setWidgetResizable(true);
    side->setFrameShape(QFrame::NoFrame);
    side->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    side->setMinimumWidth(side->widget()->minimumSizeHint().width() +
                          side->verticalScrollBar()->sizeHint().width());
    whole->addWidget(side);
    whole->setStretchFactor(0, 1);
    whole->setStretchFactor(1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(whole);

    edits_ = new EditActions(analysis_.Stack(), *this, *exclusionsView_);
    commands_.edit->setMenu(edits_->Menu());
    panel_.undo->setDefaultAction(edits_->Undo());
    panel_.redo->setDefaultAction(edits_->Redo());
    connect(edits_->RemoveMarks(), &QAction::triggered, this, &frmAnalysis::RemoveChosenMarks);
    connect(edits_->OpenAnalysis(), &QAction::triggered, files_, &FileActions::OpenAnalysis);
    connect(edits_->SaveAnalysis(), &QAction::triggered, files_, &FileActions::Save);
    connect(edits_->SaveAnalysisAs(), &QAction::triggered, files_, &FileActions::SaveAnalysis);

    connect(chart_, &AnalysisChart::periodDragged, this,
            [this](vrd::Interval period) { analysis_.Select(period); });
    connect(carpet_, &CarpetView::periodDragged, this, [this](vrd::Interval period) {
        analysis_.Select(period);
        chart_->Reveal(period);
    });
    connect(carpet_, &CarpetView::markRequested, this, &frmAnalysis::MarkSelection);
    connect(&session, &AnalysisSession::selectionChanged, this, &frmAnalysis::FollowSelection);
    AddWholePeriodKeys(this, chart_->View());
    connect(settings, &AnalysisSettingsTab::windowLanguageChosen, this, &SetWindowLanguage);
    connect(settings, &AnalysisSettingsTab::reportLanguageChosen, this,
            &frmAnalysis::SetReportLanguage);
    connect(daysView_, &QTableView::clicked, this, &frmAnalysis::SelectRow);
    connect(hoursView_, &QTableView::clicked, this, &frmAnalysis::SelectRow);
    connect(assessment_->PeriodsView(), &QTableView::clicked, this, &frmAnalysis::SelectRow);
    connect(assessment_->IntervalsView(), &QTableView::clicked, this, &frmAnalysis::SelectRow);
    connect(exclusionsView_, &QTableView::clicked, this, &frmAnalysis::SelectRow);
    connect(exclusionsView_, &QTableView::doubleClicked, this, &frmAnalysis::ZoomToRow);
    connect(exclusions_, &MarkTableModel::editRefused, this,
            [this](const QString& reason) { prompts_.ShowWarning(reason); });
    SetTexts();
    FollowSelection();
    resize(kDesignedSize);
}

void frmAnalysis::SetTexts() {
    const QStringList tabs = {tr("Days"),          tr("Hours"),        tr("Carpet"),
                              tr("Daily profile"), tr("Distribution"), tr("Assessment"),
                              tr("Settings"),      tr("Files")};
    for (int i = 0; i < tabs_->count(); ++i)
        tabs_->setTabText(i, tabs.value(i));
    commands_.SetTexts();
    panel_.SetTexts();
    if (edits_ != nullptr)
        edits_->SetTexts();
    // The names of the statistics as wide as the language writes them.
    statisticsView_->resizeColumnToContents(0);
}

void frmAnalysis::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        SetTexts();
        statistics_->Retranslate();
        statisticsView_->resizeColumnToContents(0);
        for (QAbstractItemModel* model :
             std::initializer_list<QAbstractItemModel*>{days_, hours_, exclusions_, fileList_})
            Retranslate(*model);
        daysView_->resizeColumnsToContents();
        hoursView_->resizeColumnsToContents();
        FitMarkColumns(*exclusionsView_);
        FollowSelection();
    }
    QWidget::changeEvent(event);
}

frmAnalysis::~frmAnalysis() = default;

QSize frmAnalysis::sizeHint() const {
    return kDesignedSize;
}

QWidget* frmAnalysis::ConnectCommands(AnalysisCommandRow commands) {
    commands_ = commands;
    connect(commands.savePdf, &QPushButton::clicked, reports_, &ReportActions::SaveReportAsPdf);
    connect(commands.print, &QPushButton::clicked, reports_, &ReportActions::Print);
    connect(commands.saveTables, &QPushButton::clicked, reports_, &ReportActions::SaveTables);
    const auto apply = [this, commands] {
        chart_->SetOverlays({commands.showSliding->isChecked(),
                             commands.slidingLength->currentData().toInt(),
                             commands.showThreshold->isChecked(), commands.showPeriods->isChecked(),
                             commands.showExclusions->isChecked()});
    };
    for (QCheckBox* box : {commands.showSliding, commands.showThreshold, commands.showPeriods,
                           commands.showExclusions})
        connect(box, &QCheckBox::toggled, this, apply);
    connect(commands.slidingLength, &QComboBox::currentIndexChanged, this, apply);
    return commands.row;
}

QWidget* frmAnalysis::ConnectSidePanel(AnalysisSidePanel panel) {
    panel_ = panel;
    from_ = panel.from;
    to_ = panel.to;
    reason_ = panel.reason;
    statisticsView_ = panel.statistics;
    exclusionsView_ = panel.exclusions;
    connect(panel.select, &QPushButton::clicked, this, &frmAnalysis::SelectTyped);
    connect(from_, &QLineEdit::returnPressed, this, &frmAnalysis::SelectTyped);
    connect(to_, &QLineEdit::returnPressed, this, &frmAnalysis::SelectTyped);
    connect(panel.wholePeriod, &QPushButton::clicked, this,
            [this] { analysis_.Select(analysis_.Session().AnalysedPeriod()); });
    marks_ = new MarkActions(analysis_, prompts_, *reason_, *exclusionsView_, this);
    connect(panel.exclude, &QPushButton::clicked, this, &frmAnalysis::ExcludeSelection);
    connect(reason_, &QLineEdit::returnPressed, this, &frmAnalysis::ExcludeSelection);
    connect(panel.markSource, &QPushButton::clicked, this,
            [this] { MarkSelection(vrd::MarkKind::Source); });
    connect(panel.markResidual, &QPushButton::clicked, this,
            [this] { MarkSelection(vrd::MarkKind::Residual); });
    connect(panel.markRuns, &QPushButton::clicked, marks_, &MarkActions::MarkRuns);
    connect(panel.remove, &QPushButton::clicked, marks_, &MarkActions::RemoveChosen);
    connect(panel.save, &QPushButton::clicked, marks_, &MarkActions::SaveMarks);
    connect(panel.load, &QPushButton::clicked, marks_, &MarkActions::LoadMarks);
    return panel.panel;
}

namespace {

// Leaves the row highlighted in view only while it is the period selected.
void KeepRowOfSelection(QTableView& view, const vrd::Interval& selection) {
    for (const QModelIndex& row : view.selectionModel()->selectedRows()) {
        const QVariant start = row.data(kPeriodStartRole);
        const QVariant end = row.data(kPeriodEndRole);
        if (start.toLongLong() != selection.from || end.toLongLong() != selection.to) {
            view.clearSelection();
            return;
        }
    }
}

} // namespace

void frmAnalysis::FollowSelection() {
    const vrd::Interval& selection = analysis_.Session().Selection();
    // Without a minute there is no selection to write: blank fields, never a date of year 1.
    const bool empty = selection.Length() <= 0;
    if (!from_->hasFocus())
        from_->setText(empty ? QString() : MinuteText(selection.from, WindowLanguage()));
    if (!to_->hasFocus())
        to_->setText(empty ? QString() : MinuteText(selection.to, WindowLanguage()));
    KeepRowOfSelection(*daysView_, selection);
    KeepRowOfSelection(*hoursView_, selection);
}

bool frmAnalysis::SelectTyped() {
    const std::optional<vrd::Millis> from = ParseTimeText(from_->text());
    const std::optional<vrd::Millis> to = ParseTimeText(to_->text());
    // The window's selection is of minutes: those whose start the typed times hold.
    const vrd::Interval minutes =
        from && to ? vrd::MinutesStartingIn(vrd::TimeSpan{*from, *to}) : vrd::Interval{};
    if (minutes.Length() <= 0) {
        prompts_.ShowWarning(
            tr("The selection needs a from and a to time written yyyy-mm-dd hh:mm, the "
               "from before the to."));
        return false;
    }
    analysis_.Select(minutes);
    chart_->Reveal(minutes);
    return true;
}

namespace {

// The period a table row stands for; nullopt for a row that has none.
std::optional<vrd::Interval> PeriodOfRow(const QModelIndex& index) {
    const QVariant start = index.data(kPeriodStartRole);
    const QVariant end = index.data(kPeriodEndRole);
    if (!start.isValid() || !end.isValid())
        return std::nullopt;
    return vrd::Interval{start.toLongLong(), end.toLongLong()};
}

} // namespace

void frmAnalysis::SelectRow(const QModelIndex& index) {
    const std::optional<vrd::Interval> period = PeriodOfRow(index);
    if (!period)
        return;
    analysis_.Select(*period);
    chart_->Reveal(*period);
}

void frmAnalysis::ZoomToRow(const QModelIndex& index) {
    const std::optional<vrd::Interval> period = PeriodOfRow(index);
    if (!period)
        return;
    analysis_.Select(*period);
    chart_->ZoomTo(*period);
}

void frmAnalysis::ExcludeSelection() {
    MarkSelection(vrd::MarkKind::Exclude);
}

// The commands, each in its own place.
bool frmAnalysis::AddFile() {
    return files_->AddFile();
}
bool frmAnalysis::RemoveFile() {
    return files_->RemoveFile();
}
bool frmAnalysis::OpenAnalysis() {
    return files_->OpenAnalysis();
}
bool frmAnalysis::SaveAnalysis() {
    return files_->SaveAnalysis();
}
bool frmAnalysis::OpenAnalysisFile(const QString& path) {
    return files_->OpenAnalysisFile(path);
}

bool frmAnalysis::OpenCsvExport(const QString& path) {
    return files_->OpenCsvExport(path);
}
bool frmAnalysis::WriteAnalysis(const QString& path, QString& reason) {
    return files_->WriteAnalysis(path, reason);
}
AnalysisFileState& frmAnalysis::AnalysisFile() const {
    return files_->AnalysisFile();
}
bool frmAnalysis::RestoreRecovery(const KeptRecovery& recovery) {
    if (!files_->Restore(recovery.copy, recovery.analysis))
        return false;
    // This window's copy in place of the one left, so that no moment is without one.
    if (recovery_->WriteNow())
        DiscardRecovery(recovery);
    return true;
}
QListView* frmAnalysis::FilesView() const {
    return filesTab_->FilesView();
}
bool frmAnalysis::SaveReportAsPdf() {
    return reports_->SaveReportAsPdf();
}
bool frmAnalysis::Print() {
    return reports_->Print();
}
bool frmAnalysis::SaveTables() {
    return reports_->SaveTables();
}
bool frmAnalysis::WritePdf(const QString& path, QString& reason) {
    return reports_->WritePdf(path, reason);
}
bool frmAnalysis::WriteTables(const QString& path, QString& reason) {
    return reports_->WriteTables(path, reason);
}
bool frmAnalysis::SaveExclusions() {
    return marks_->SaveMarks();
}
bool frmAnalysis::LoadExclusions() {
    return marks_->LoadMarks();
}
bool frmAnalysis::MarkSelection(vrd::MarkKind kind) {
    return marks_->MarkSelection(kind);
}
bool frmAnalysis::ChangeMarkKind(int row, vrd::MarkKind kind) {
    return marks_->ChangeMarkKind(row, kind);
}
bool frmAnalysis::MarkRuns() {
    return marks_->MarkRuns();
}
void frmAnalysis::SetRunsAsker(MarkActions::RunsAsker asker) {
    marks_->SetRunsAsker(std::move(asker));
}
void frmAnalysis::RemoveChosenMarks() {
    marks_->RemoveChosen();
}
bool frmAnalysis::ChangeChosenKind(vrd::MarkKind kind) {
    return marks_->ChangeChosenKind(kind);
}
