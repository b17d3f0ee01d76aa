#include "views/frm_analysis.h"

#include "analysis/exclusion_file.h"
#include "analysis/open_files.h"
#include "export/analysis_csv.h"
#include "export/analysis_workbook.h"
#include "export/safe_write.h"
#include "report/read_file.h"
#include "views/analysis_chart.h"
#include "views/analysis_report_pdf.h"
#include "views/analysis_table_models.h"
#include "views/analysis_text.h"
#include "views/warning_box.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <sstream>

namespace {

const QSize kDesignedSize(1400, 860);

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QTableView* TableView(QWidget* parent, const char* name, QAbstractItemModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setVisible(false);
    // Rows of one height: a year of hours scrolls without measuring each row.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setDefaultSectionSize(110);
    return view;
}

std::string LocalPath(const QString& path) {
    return path.toLocal8Bit().toStdString();
}

} // namespace

frmAnalysis::frmAnalysis(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmAnalysis"));
    setWindowTitle(QStringLiteral("Analysis"));
    statistics_ = new StatisticsModel(session_, this);
    days_ = new DaysTableModel(session_, this);
    hours_ = new HoursTableModel(session_, this);
    exclusions_ = new ExclusionListModel(session_, this);
    files_ = new ReportFileListModel(session_, this);

    chart_ = new AnalysisChart(session_, this);
    chart_->setObjectName(QStringLiteral("AnalysisChart"));

    auto* top = new QSplitter(Qt::Horizontal);
    auto* chartColumn = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartColumn);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(BuildCommands());
    chartLayout->addWidget(chart_, 1);
    top->addWidget(chartColumn);
    top->addWidget(BuildSidePanel());
    top->setStretchFactor(0, 1);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("AnalysisTabs"));
    daysView_ = TableView(tabs, "DaysTable", days_);
    hoursView_ = TableView(tabs, "HoursTable", hours_);
    daysView_->horizontalHeader()->resizeSection(DaysTableModel::Date, 100);
    hoursView_->horizontalHeader()->resizeSection(HoursTableModel::Start, 140);
    tabs->addTab(daysView_, QStringLiteral("Days"));
    tabs->addTab(hoursView_, QStringLiteral("Hours"));
    tabs->addTab(BuildSettings(), QStringLiteral("Settings"));
    tabs->addTab(BuildFiles(), QStringLiteral("Files"));

    auto* whole = new QSplitter(Qt::Vertical, this);
    whole->addWidget(top);
    whole->addWidget(tabs);
    whole->setStretchFactor(0, 3);
    whole->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(whole);

    connect(chart_, &AnalysisChart::periodDragged, this,
            [this](vrd::Interval period) { session_.Select(period); });
    connect(&session_, &AnalysisSession::selectionChanged, this, &frmAnalysis::FollowSelection);
    connect(&session_, &AnalysisSession::seriesChanged, this, &frmAnalysis::ShowSettings);
    connect(daysView_, &QTableView::clicked, this, &frmAnalysis::SelectRow);
    connect(hoursView_, &QTableView::clicked, this, &frmAnalysis::SelectRow);
    FollowSelection();
    ShowSettings();
    resize(kDesignedSize);
}

frmAnalysis::~frmAnalysis() = default;

QSize frmAnalysis::sizeHint() const {
    return kDesignedSize;
}

QWidget* frmAnalysis::BuildCommands() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* pdf = Button(row, "SavePdf", QStringLiteral("Save report as PDF"));
    auto* print = Button(row, "Print", QStringLiteral("Print..."));
    auto* tables = Button(row, "SaveTables", QStringLiteral("Save tables as spreadsheet"));
    connect(pdf, &QPushButton::clicked, this, &frmAnalysis::SaveReportAsPdf);
    connect(print, &QPushButton::clicked, this, &frmAnalysis::Print);
    connect(tables, &QPushButton::clicked, this, &frmAnalysis::SaveTables);
    layout->addWidget(pdf);
    layout->addWidget(print);
    layout->addWidget(tables);
    layout->addSpacing(16);

    const auto overlay = [&](const char* name, const QString& text, bool on) {
        auto* box = new QCheckBox(text, row);
        box->setObjectName(QLatin1String(name));
        box->setChecked(on);
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] {
            chart_->SetOverlays({showRunning_->isChecked(), showThreshold_->isChecked(),
                                 showPeriods_->isChecked(), showExclusions_->isChecked()});
        });
        return box;
    };
    const AnalysisChart::Overlays shown;
    showRunning_ = overlay("ShowRunning", QStringLiteral("Running 5/10 min"), shown.running);
    showThreshold_ = overlay("ShowThreshold", QStringLiteral("Threshold"), shown.threshold);
    showPeriods_ = overlay("ShowPeriods", QStringLiteral("Day/evening/night"), shown.periods);
    showExclusions_ = overlay("ShowExclusions", QStringLiteral("Exclusions"), shown.exclusions);
    layout->addStretch(1);
    return row;
}

QWidget* frmAnalysis::BuildSidePanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* selection = new QGroupBox(QStringLiteral("Selection"), panel);
    auto* form = new QFormLayout(selection);
    from_ = new QLineEdit(selection);
    from_->setObjectName(QStringLiteral("SelectionFrom"));
    from_->setPlaceholderText(QStringLiteral("yyyy-mm-dd hh:mm"));
    to_ = new QLineEdit(selection);
    to_->setObjectName(QStringLiteral("SelectionTo"));
    to_->setPlaceholderText(QStringLiteral("yyyy-mm-dd hh:mm"));
    form->addRow(QStringLiteral("From"), from_);
    form->addRow(QStringLiteral("To"), to_);
    auto* buttons = new QHBoxLayout;
    auto* select = Button(selection, "SelectTyped", QStringLiteral("Select"));
    auto* wholePeriod = Button(selection, "SelectWhole", QStringLiteral("Whole period"));
    buttons->addWidget(select);
    buttons->addWidget(wholePeriod);
    form->addRow(buttons);
    connect(select, &QPushButton::clicked, this, &frmAnalysis::SelectTyped);
    connect(from_, &QLineEdit::returnPressed, this, &frmAnalysis::SelectTyped);
    connect(to_, &QLineEdit::returnPressed, this, &frmAnalysis::SelectTyped);
    connect(wholePeriod, &QPushButton::clicked, this,
            [this] { session_.Select(session_.AnalysedPeriod()); });
    layout->addWidget(selection);

    statisticsView_ = TableView(panel, "StatisticsTable", statistics_);
    statisticsView_->horizontalHeader()->setVisible(false);
    statisticsView_->horizontalHeader()->setStretchLastSection(true);
    statisticsView_->horizontalHeader()->resizeSection(0, 170);
    statisticsView_->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(statisticsView_, 1);

    auto* excluded = new QGroupBox(QStringLiteral("Exclusions"), panel);
    auto* excludedLayout = new QVBoxLayout(excluded);
    auto* reasonRow = new QHBoxLayout;
    reason_ = new QLineEdit(excluded);
    reason_->setObjectName(QStringLiteral("ExclusionReason"));
    reason_->setPlaceholderText(QStringLiteral("reason, e.g. rain"));
    auto* exclude = Button(excluded, "ExcludeSelection", QStringLiteral("Exclude selection"));
    reasonRow->addWidget(reason_, 1);
    reasonRow->addWidget(exclude);
    excludedLayout->addLayout(reasonRow);
    exclusionsView_ = new QListView(excluded);
    exclusionsView_->setObjectName(QStringLiteral("ExclusionList"));
    exclusionsView_->setModel(exclusions_);
    // A few lines of exclusions: the statistics above keep the room.
    exclusionsView_->setMaximumHeight(exclusionsView_->fontMetrics().height() * 6);
    excludedLayout->addWidget(exclusionsView_);
    auto* listButtons = new QHBoxLayout;
    auto* remove = Button(excluded, "RemoveExclusion", QStringLiteral("Remove"));
    auto* save = Button(excluded, "SaveExclusions", QStringLiteral("Save..."));
    auto* load = Button(excluded, "LoadExclusions", QStringLiteral("Load..."));
    listButtons->addWidget(remove);
    listButtons->addWidget(save);
    listButtons->addWidget(load);
    excludedLayout->addLayout(listButtons);
    connect(exclude, &QPushButton::clicked, this, &frmAnalysis::ExcludeSelection);
    connect(reason_, &QLineEdit::returnPressed, this, &frmAnalysis::ExcludeSelection);
    connect(remove, &QPushButton::clicked, this, [this] {
        const QModelIndex current = exclusionsView_->currentIndex();
        if (current.isValid())
            session_.RemoveExclusion(static_cast<std::size_t>(current.row()));
    });
    connect(save, &QPushButton::clicked, this, &frmAnalysis::SaveExclusions);
    connect(load, &QPushButton::clicked, this, &frmAnalysis::LoadExclusions);
    layout->addWidget(excluded);
    panel->setMinimumWidth(340);
    return panel;
}

QWidget* frmAnalysis::BuildSettings() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto* thresholdRow = new QHBoxLayout;
    thresholdOn_ = new QCheckBox(QStringLiteral("Threshold"), page);
    thresholdOn_->setObjectName(QStringLiteral("ThresholdOn"));
    threshold_ = new QDoubleSpinBox(page);
    threshold_->setObjectName(QStringLiteral("Threshold"));
    threshold_->setRange(0, 200);
    threshold_->setDecimals(1);
    threshold_->setSuffix(QStringLiteral(" dB"));
    threshold_->setValue(65);
    thresholdRow->addWidget(thresholdOn_);
    thresholdRow->addWidget(threshold_);
    thresholdRow->addStretch(1);
    form->addRow(QStringLiteral("Exceedance"), thresholdRow);

    const auto hour = [&](const char* name) {
        auto* box = new QSpinBox(page);
        box->setObjectName(QLatin1String(name));
        box->setRange(0, 23);
        box->setSuffix(QStringLiteral(":00"));
        return box;
    };
    day_ = hour("DayStart");
    evening_ = hour("EveningStart");
    night_ = hour("NightStart");
    auto* periods = new QHBoxLayout;
    periods->addWidget(new QLabel(QStringLiteral("day from"), page));
    periods->addWidget(day_);
    periods->addWidget(new QLabel(QStringLiteral("evening from"), page));
    periods->addWidget(evening_);
    periods->addWidget(new QLabel(QStringLiteral("night from"), page));
    periods->addWidget(night_);
    periods->addStretch(1);
    form->addRow(QStringLiteral("Periods"), periods);

    const auto penalty = [&](const char* name) {
        auto* box = new QDoubleSpinBox(page);
        box->setObjectName(QLatin1String(name));
        box->setRange(-50, 50);
        box->setDecimals(1);
        box->setSuffix(QStringLiteral(" dB"));
        return box;
    };
    eveningPenalty_ = penalty("EveningPenalty");
    nightPenalty_ = penalty("NightPenalty");
    auto* penalties = new QHBoxLayout;
    penalties->addWidget(new QLabel(QStringLiteral("evening +"), page));
    penalties->addWidget(eveningPenalty_);
    penalties->addWidget(new QLabel(QStringLiteral("night +"), page));
    penalties->addWidget(nightPenalty_);
    auto* european = Button(page, "EuropeanDefault", QStringLiteral("07/19/23, +5/+10 dB"));
    penalties->addWidget(european);
    penalties->addStretch(1);
    form->addRow(QStringLiteral("Penalties"), penalties);

    minimumCoverage_ = new QSpinBox(page);
    minimumCoverage_->setObjectName(QStringLiteral("MinimumCoverage"));
    minimumCoverage_->setRange(0, 100);
    minimumCoverage_->setSuffix(QStringLiteral(" %"));
    form->addRow(QStringLiteral("Minimum coverage"), minimumCoverage_);

    for (QSpinBox* box : {day_, evening_, night_, minimumCoverage_})
        connect(box, &QSpinBox::valueChanged, this, &frmAnalysis::ApplySettings);
    for (QDoubleSpinBox* box : {threshold_, eveningPenalty_, nightPenalty_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &frmAnalysis::ApplySettings);
    connect(thresholdOn_, &QCheckBox::toggled, this, &frmAnalysis::ApplySettings);
    connect(european, &QPushButton::clicked, this, [this] {
        session_.SetPeriods(vrd::Periods{});
        ShowSettings();
    });
    return page;
}

QWidget* frmAnalysis::BuildFiles() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    filesView_ = new QListView(page);
    filesView_->setObjectName(QStringLiteral("FileList"));
    filesView_->setModel(files_);
    auto* add = Button(page, "AddFile", QStringLiteral("Add file..."));
    connect(add, &QPushButton::clicked, this, &frmAnalysis::AddFile);
    layout->addWidget(filesView_, 1);
    layout->addWidget(add, 0, Qt::AlignLeft);
    return page;
}

// The boxes show what the session holds; while they are set, their changes apply nothing.
void frmAnalysis::ShowSettings() {
    const vrd::AnalysisSettings& settings = session_.Settings();
    const QSignalBlocker blockers[] = {
        QSignalBlocker(thresholdOn_),  QSignalBlocker(threshold_),
        QSignalBlocker(day_),          QSignalBlocker(evening_),
        QSignalBlocker(night_),        QSignalBlocker(eveningPenalty_),
        QSignalBlocker(nightPenalty_), QSignalBlocker(minimumCoverage_)};
    thresholdOn_->setChecked(settings.threshold.has_value());
    if (settings.threshold)
        threshold_->setValue(*settings.threshold);
    day_->setValue(settings.periods.day);
    evening_->setValue(settings.periods.evening);
    night_->setValue(settings.periods.night);
    eveningPenalty_->setValue(settings.periods.eveningPenalty);
    nightPenalty_->setValue(settings.periods.nightPenalty);
    minimumCoverage_->setValue(static_cast<int>(session_.MinimumCoverage() * 100 + 0.5));
}

void frmAnalysis::ApplySettings() {
    session_.SetThreshold(thresholdOn_->isChecked() ? std::optional<double>(threshold_->value())
                                                    : std::nullopt);
    vrd::Periods periods;
    periods.day = day_->value();
    periods.evening = evening_->value();
    periods.night = night_->value();
    periods.eveningPenalty = eveningPenalty_->value();
    periods.nightPenalty = nightPenalty_->value();
    // Hours out of order are kept in the boxes until they make sense again.
    const bool accepted = session_.SetPeriods(periods);
    for (QSpinBox* box : {day_, evening_, night_})
        box->setStyleSheet(accepted ? QString() : QStringLiteral("background: #ffd0d0"));
    session_.SetMinimumCoverage(minimumCoverage_->value() / 100.0);
}

void frmAnalysis::FollowSelection() {
    const vrd::Interval& selection = session_.Selection();
    if (!from_->hasFocus())
        from_->setText(MinuteText(selection.from));
    if (!to_->hasFocus())
        to_->setText(MinuteText(selection.to));
}

bool frmAnalysis::SelectTyped() {
    const std::optional<vrd::Minute> from = ParseMinuteText(from_->text());
    const std::optional<vrd::Minute> to = ParseMinuteText(to_->text());
    if (!from || !to || *from >= *to) {
        ShowWarning(QStringLiteral("The selection needs a from and a to time written "
                                   "yyyy-mm-dd hh:mm, the from before the to."));
        return false;
    }
    session_.Select({*from, *to});
    chart_->Reveal({*from, *to});
    return true;
}

void frmAnalysis::SelectRow(const QModelIndex& index) {
    const QVariant start = index.data(kPeriodStartRole);
    const QVariant end = index.data(kPeriodEndRole);
    if (!start.isValid() || !end.isValid())
        return;
    const vrd::Interval period{start.toLongLong(), end.toLongLong()};
    session_.Select(period);
    chart_->Reveal(period);
}

void frmAnalysis::ExcludeSelection() {
    session_.AddExclusion({session_.Selection(), reason_->text().trimmed().toStdString()});
    reason_->clear();
}

// The program and the tests hand the window its chooser; without one nothing is chosen.
std::optional<QString> frmAnalysis::ChoosePath(const PathRequest& request) {
    if (!choosePath_)
        return std::nullopt;
    return choosePath_(this, request);
}

QString frmAnalysis::SuggestedName(const QString& suffix) const {
    if (session_.Reports().empty())
        return QStringLiteral("analysis") + suffix;
    const std::string& path = session_.Reports().front().path;
    return QFileInfo(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())))
               .completeBaseName() +
           QStringLiteral(" analysis") + suffix;
}

bool frmAnalysis::AddFile() {
    const std::optional<QString> path =
        ChoosePath({QStringLiteral("Add file"),
                    QStringLiteral("Reports (*.vrd *.txt);;All files (*)"), QString(), false});
    if (!path || path->isEmpty())
        return false;
    vrd::ReportForAnalysis report = vrd::OpenReportForAnalysis({LocalPath(*path), false});
    const bool failed = report.failure.has_value();
    const QString reason = failed ? QString::fromStdString(report.failure->reason) : QString();
    session_.AddReport(std::move(report));
    if (failed)
        ShowFailure(*path, reason);
    return !failed;
}

bool frmAnalysis::WritePdf(const QString& path, QString& reason) {
    return WriteAnalysisPdf(path, session_, *chart_, reason);
}

bool frmAnalysis::SaveReportAsPdf() {
    const std::optional<QString> path =
        ChoosePath({QStringLiteral("Save report as PDF"), QStringLiteral("PDF document (*.pdf)"),
                    SuggestedName(QStringLiteral(".pdf")), true});
    if (!path || path->isEmpty())
        return false;
    QString reason;
    if (WritePdf(*path, reason))
        return true;
    ShowNotWritten(*path, reason);
    return false;
}

bool frmAnalysis::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PaintAnalysisReport(*target, session_, *chart_); });
    return preview.exec() == QDialog::Accepted;
}

bool frmAnalysis::WriteTables(const QString& path, QString& reason) {
    const std::string target = LocalPath(path);
    std::optional<std::string> failure;
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        // The days in the file chosen, the hours beside it.
        const QString hoursPath = path.left(path.size() - 4) + QStringLiteral(" hours.csv");
        std::ostringstream daysCsv;
        std::ostringstream hoursCsv;
        vrd::WriteDaysCsv(daysCsv, session_.Result());
        vrd::WriteHoursCsv(hoursCsv, session_.Result());
        failure = vrd::WriteFileSafely(target, daysCsv.str());
        if (!failure)
            failure = vrd::WriteFileSafely(LocalPath(hoursPath), hoursCsv.str());
        if (failure)
            reason = QString::fromStdString(*failure);
        return !failure;
    }
    failure = vrd::WriteAnalysisWorkbook(target, session_.Result());
    if (failure)
        reason = QString::fromStdString(*failure);
    return !failure;
}

bool frmAnalysis::SaveTables() {
    const std::optional<QString> path =
        ChoosePath({QStringLiteral("Save tables as spreadsheet"),
                    QStringLiteral("Excel workbook (*.xlsx);;Comma-separated values (*.csv)"),
                    SuggestedName(QStringLiteral(".xlsx")), true});
    if (!path || path->isEmpty())
        return false;
    QString reason;
    if (WriteTables(*path, reason))
        return true;
    ShowNotWritten(*path, reason);
    return false;
}

bool frmAnalysis::SaveExclusions() {
    const std::optional<QString> path = ChoosePath(
        {QStringLiteral("Save exclusions"), QStringLiteral("Exclusions (*.txt);;All files (*)"),
         SuggestedName(QStringLiteral(" exclusions.txt")), true});
    if (!path || path->isEmpty())
        return false;
    const std::optional<std::string> failure =
        vrd::WriteFileSafely(LocalPath(*path), vrd::FormatExclusionFile(session_.Exclusions()));
    if (!failure)
        return true;
    ShowNotWritten(*path, QString::fromStdString(*failure));
    return false;
}

bool frmAnalysis::LoadExclusions() {
    const std::optional<QString> path =
        ChoosePath({QStringLiteral("Load exclusions"),
                    QStringLiteral("Exclusions (*.txt);;All files (*)"), QString(), false});
    if (!path || path->isEmpty())
        return false;
    const vrd::FileRead read = vrd::ReadWholeFile(LocalPath(*path));
    if (read.failure) {
        ShowFailure(*path, QString::fromStdString(read.failure->reason));
        return false;
    }
    vrd::ExclusionFileRead parsed = vrd::ParseExclusionFile(read.bytes);
    if (parsed.error) {
        ShowFailure(*path, QString::fromStdString(*parsed.error));
        return false;
    }
    session_.SetExclusions(std::move(parsed.exclusions));
    return true;
}

void frmAnalysis::ShowFailure(const QString& path, const QString& reason) {
    ShowWarning(QStringLiteral("\"") + path + QStringLiteral("\": ") + reason +
                QStringLiteral("."));
}

void frmAnalysis::ShowNotWritten(const QString& path, const QString& reason) {
    ShowWarning(NotWrittenText(path, reason));
}

void frmAnalysis::ShowWarning(const QString& text) {
    ::ShowWarning(this, windowTitle(), text);
}
