#include "app/mdi_form_main.h"

#include "analysis/open_files.h"
#include "app/analysis_window.h"
#include "app/export_command.h"
#include "app/frm_about.h"
#include "app/frm_start.h"
#include "app/load_failure_text.h"
#include "app/load_progress.h"
#include "options/analysis_file.h"
#include "views/analysis/window/analysis_file_state.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/analysis/window/recovery_offer.h"
#include "views/chart/frm_graph.h"
#include "views/common/twips.h"
#include "views/common/warning_box.h"
#include "views/plot/chart_series.h"
#include "views/results/frm_array.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>

#include <utility>

namespace {

const QString kCaption = QStringLiteral("VELMAR Decryption software ");
const QString kEncodedFilter = QStringLiteral("encrypted Data (*.vrd)|*.vrd");
const QString kPlainFilter = QStringLiteral("encrypted Data (*.txt)|*.txt");

// The results window has a fixed dialog border: it can be moved, minimised and closed.
constexpr Qt::WindowFlags kFixedChildFlags =
    Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The first local file among the dropped ones; one report is open at a time.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr)
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

QMdiSubWindow* AddChild(QMdiArea& workspace, QWidget* form, Qt::WindowFlags flags,
                        const QIcon& icon) {
    QMdiSubWindow* child = workspace.addSubWindow(form, flags);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setWindowIcon(icon);
    child->adjustSize();
    // A sizable window no larger than the workspace, so that its title bar buttons show.
    if (form->minimumSize() != form->maximumSize())
        child->resize(child->size().boundedTo(workspace.viewport()->size()));
    // Each child window loads at the top left corner of the workspace.
    child->move(0, 0);
    return child;
}

// The site line of a report as a label shows it: without its line end.
QString SiteText(const std::string& line) {
    const std::string_view site = vrd::WithoutLineEnd(line);
    return QString::fromLatin1(site.data(), static_cast<qsizetype>(site.size()));
}

} // namespace

MDIFormMain::MDIFormMain(FileDialogs& dialogs, StartUpOptions options)
    : shown_(std::make_shared<const vrd::OpenedReport>()), CommonDialog1(dialogs),
      chartDialogs_(dialogs), fileToOpen_(std::move(options.fileToOpen)) {
    setObjectName(QStringLiteral("MDIFormMain"));
    setWindowTitle(kCaption);
    setAcceptDrops(true);

    workspace_ = new QMdiArea(this);
    workspace_->setObjectName(QStringLiteral("workspace"));
    setCentralWidget(workspace_);
    menus_ = BuildMainMenus(*menuBar());

    Timer_Wait.setObjectName(QStringLiteral("Timer_Wait"));
    Timer_Wait.setSingleShot(true);
    Timer_Wait.setInterval(options.startScreenWait);
    connect(&Timer_Wait, &QTimer::timeout, this, &MDIFormMain::Timer_Wait_Timer);

    progress_ = new LoadProgress(loader_, *this);
    ConnectCommands();
    ConnectLoader();
    UpdateMenus();

    const QSize client = TwipSize(20115, 10845);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = this->screen()) {
        QRect area(QPoint(), size());
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

MDIFormMain::~MDIFormMain() {
    loader_.Cancel();
    delete about_;
    delete startScreen_;
}

void MDIFormMain::ConnectCommands() {
    connect(menus_.mnuvrd, &QAction::triggered, this, &MDIFormMain::mnuvrd_Click);
    connect(menus_.mnutxt, &QAction::triggered, this, &MDIFormMain::mnutxt_Click);
    connect(menus_.csvfile, &QAction::triggered, this, &MDIFormMain::csvfile_Click);
    connect(menus_.txtfile, &QAction::triggered, this, &MDIFormMain::txtfile_Click);
    connect(menus_.mnuChart, &QAction::triggered, this, &MDIFormMain::ShowGraphWindow);
    connect(menus_.mnuAnalysis, &QAction::triggered, this, &MDIFormMain::ShowAnalysisWindow);
    connect(menus_.mnuAbout, &QAction::triggered, this, &MDIFormMain::mnuAbout_Click);
    // Ctrl+Q closes the program as its close button does, asking about an unsaved analysis.
    auto* quit = new QAction(this);
    quit->setObjectName(QStringLiteral("Quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addAction(quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void MDIFormMain::ConnectLoader() {
    connect(&loader_, &ReportLoader::reportReady, this,
            [this](const QString&, const vrd::SharedReport& loaded) {
                TakeOver(loaded);
                EndLoad();
            });
    connect(&loader_, &ReportLoader::loadFailed, this,
            [this](const QString& path, const QString&, const vrd::SharedReport& partial) {
                // Worded before the load ends: a command run from its end may start another
                // load, for another path.
                const QString warning = LoadFailureText(path, *partial->outcome.failure);
                TakeOver(partial);
                EndLoad();
                ShowWarning(this, kCaption, warning);
            });
    // A cancelled load keeps nothing of what it read: the lists stay cleared.
    connect(&loader_, &ReportLoader::loadCancelled, this, [this](const QString&) {
        if (began_)
            shown_ =
                std::make_shared<const vrd::OpenedReport>(vrd::CancelledOpen(*began_, *shown_));
        EndLoad();
    });
}

void MDIFormMain::MDIForm_Load() {
    UpdateMenus();
    show();
    blocks_.BlockResultsWindow = vrd::kTrue;
    blocks_.BlockGraphWindow = vrd::kTrue;
    // The main window takes no input until the start screen has gone.
    startScreen_ = new frmStart;
    setEnabled(false);
    startScreen_->ShowCentredOver(*this);
    Timer_Wait.start();
}

void MDIFormMain::Timer_Wait_Timer() {
    Timer_Wait.stop();
    setEnabled(true);
    if (startScreen_)
        startScreen_->close();
    emit startUpFinished();
    // What a crash left of an analysis first: a file named may be opened beside it.
    OfferRecoveries(*this, [this] {
        frmAnalysis* window = LoadAnalysisWindow();
        analysis_->show();
        workspace_->setActiveSubWindow(analysis_);
        return window;
    });
    if (!fileToOpen_.isEmpty())
        OpenFile(std::exchange(fileToOpen_, QString()));
}

void MDIFormMain::mnuAbout_Click() {
    if (loading_ || about_)
        return;
    about_ = new frmAbout(*this);
    about_->show();
}

void MDIFormMain::mnuvrd_Click() {
    OpenWithDialog(kEncodedFilter, vrd::ReportKind::Encoded);
}

void MDIFormMain::mnutxt_Click() {
    OpenWithDialog(kPlainFilter, vrd::ReportKind::Plain);
}

void MDIFormMain::csvfile_Click() {
    SaveAs(vrd::ExportFormat::Csv);
}

void MDIFormMain::txtfile_Click() {
    SaveAs(vrd::ExportFormat::Text);
}

void MDIFormMain::OpenFile(const QString& path) {
    if (loading_ || !isEnabled())
        return;
    if (vrd::IsAnalysisFileName(PathBytes(path)))
        OpenAnalysisFile(path);
    else if (vrd::IsCsvLevelsInput({PathBytes(path), false}))
        OpenCsvExport(path);
    else
        OpenReport(path, vrd::KindForPath(PathBytes(path)));
}

// An analysis file opens in the analysis window, with or without a report read before.
void MDIFormMain::OpenAnalysisFile(const QString& path) {
    frmAnalysis* window = LoadAnalysisWindow();
    analysis_->show();
    workspace_->setActiveSubWindow(analysis_);
    window->OpenAnalysisFile(path);
}

// A meter's CSV export has no report to show: it opens in the analysis window alone.
void MDIFormMain::OpenCsvExport(const QString& path) {
    frmAnalysis* window = LoadAnalysisWindow();
    analysis_->show();
    workspace_->setActiveSubWindow(analysis_);
    window->OpenCsvExport(path);
}

void MDIFormMain::OpenWithDialog(const QString& filter, vrd::ReportKind kind) {
    if (loading_)
        return;
    // A cancelled dialog changes nothing.
    if (const std::optional<QString> path = CommonDialog1.ShowOpen(filter))
        OpenReport(*path, kind);
}

// The open command: the results window is unblocked, loaded if need be and cleared under the new
// caption here; the reading, decoding and parsing run off the GUI thread over the report shown.
void MDIFormMain::OpenReport(const QString& path, vrd::ReportKind kind) {
    blocks_.BlockResultsWindow = vrd::kFalse;
    ReportRows* rows = LoadResultsWindow();
    // The open keeps the labels the window shows (references both: a copy would copy the rows).
    const vrd::SharedReport& labels = rows != nullptr ? rows->Shown() : shown_;
    began_ = std::make_shared<const vrd::OpenedReport>(
        vrd::BeganOpen(*shown_, labels->window, PathBytes(path)));
    if (rows != nullptr)
        rows->Show(began_);

    loading_ = true;
    UpdateMenus();
    progress_->Begin(path);
    loader_.Start(LoadRequest{began_, shown_, kind});
}

void MDIFormMain::TakeOver(const vrd::SharedReport& loaded) {
    const vrd::OpenOutcome& outcome = loaded->outcome;
    // The saves suggest a name made from the file whose report they write.
    if (outcome.reportReplaced)
        CommonDialog1.NoteReportFrom(
            QFile::decodeName(QByteArray::fromStdString(loaded->state.OpenedFileName)));
    // The chart names the file and site of the minutes it shows: those of the last parse, which
    // a later open that fails before its parse leaves in place.
    if (outcome.reportLoaded) {
        minutesFrom_.path =
            QFile::decodeName(QByteArray::fromStdString(loaded->state.OpenedFileName));
        minutesFrom_.site = SiteText(loaded->window.Label(vrd::LabelId::Name));
        reportRead_ = true;
    }
    shown_ = loaded;
    // The user may have closed the results window meanwhile; showing the lists loads it again.
    if (ReportRows* rows = LoadResultsWindow())
        rows->Show(shown_);
}

void MDIFormMain::EndLoad() {
    began_.reset();
    // A new open refreshes an analysis window that is open.
    if (reportRead_ && AnalysisWindow() != nullptr)
        ShowReportInAnalysis(*AnalysisWindow(), *shown_);
    loading_ = false;
    progress_->End();
    UpdateMenus();
    emit loadEnded();
}

ReportRows* MDIFormMain::LoadResultsWindow() {
    if (frmArray* loaded = ResultsWindow())
        return &loaded->Rows();
    auto* form = new frmArray;
    windows_.results = AddChild(*workspace_, form, kFixedChildFlags, windowIcon());
    // A new window shows the designed labels under the path opened last, until it is filled.
    auto designed = std::make_shared<vrd::OpenedReport>();
    designed->window.SetCaption(shown_->state.OpenedFileName);
    form->Rows().Show(std::move(designed));
    windows_.results->show();
    GuardWindows(blocks_, windows_);
    frmArray* results = ResultsWindow();
    return results != nullptr ? &results->Rows() : nullptr;
}

void MDIFormMain::ShowGraphWindow() {
    if (loading_)
        return;
    blocks_.BlockGraphWindow = vrd::kFalse;
    if (ChartWindow() == nullptr) {
        auto* chart = new frmGraph;
        chart->SetSavePathChooser([this](QWidget*, const QString& name) {
            return chartDialogs_.ChooseSavePath(name, QStringLiteral("PNG image (*.png)|*.png"));
        });
        windows_.chart = AddChild(*workspace_, chart, Qt::SubWindow, windowIcon());
    }
    ChartWindow()->SetSuggestedFileName(QFileInfo(minutesFrom_.path).completeBaseName() %
                                        QStringLiteral(".png"));
    ChartWindow()->SetReportIdentity(minutesFrom_.path, minutesFrom_.site);
    // Each opening shows the minutes of the report read last.
    ChartWindow()->ShowSeries(BuildChartSeries(shown_->state.MinuteLines));
    windows_.chart->show();
    workspace_->setActiveSubWindow(windows_.chart);
    GuardWindows(blocks_, windows_);
}

void MDIFormMain::ShowAnalysisWindow() {
    if (loading_ || !reportRead_)
        return;
    // An analysis opened from its file stays as it is: the window only comes to the front.
    if (frmAnalysis* window = LoadAnalysisWindow(); window->AnalysisFile().Path().isEmpty())
        ShowReportInAnalysis(*window, *shown_);
    analysis_->show();
    workspace_->setActiveSubWindow(analysis_);
}

frmAnalysis* MDIFormMain::LoadAnalysisWindow() {
    if (AnalysisWindow() == nullptr) {
        auto* analysis = new frmAnalysis;
        UseFileDialogs(*analysis, chartDialogs_);
        analysis_ = AddChild(*workspace_, analysis, Qt::SubWindow, windowIcon());
    }
    return AnalysisWindow();
}

frmAnalysis* MDIFormMain::AnalysisWindow() const {
    return analysis_ ? qobject_cast<frmAnalysis*>(analysis_->widget()) : nullptr;
}

frmArray* MDIFormMain::ResultsWindow() const {
    return windows_.results ? qobject_cast<frmArray*>(windows_.results->widget()) : nullptr;
}

frmAbout* MDIFormMain::AboutWindow() const {
    return about_;
}

frmGraph* MDIFormMain::ChartWindow() const {
    return windows_.chart ? qobject_cast<frmGraph*>(windows_.chart->widget()) : nullptr;
}

void MDIFormMain::SaveAs(vrd::ExportFormat format) {
    if (loading_ || !reportRead_)
        return;
    const ExportOutcome outcome = SaveReport(CommonDialog1, shown_->state.DecodedReport, format);
    switch (outcome.result) {
    case ExportOutcome::Result::Written:
    case ExportOutcome::Result::Cancelled:
        return;
    case ExportOutcome::Result::NoSuggestedName:
        ShowWarning(this, kCaption, outcome.reason);
        return;
    case ExportOutcome::Result::Failed:
        ShowWarning(this, kCaption, NotWrittenText(outcome.path, outcome.reason));
        return;
    }
}

// A running load holds back every other command, so that no second command interleaves with it.
// The menus themselves are disabled, not only their bar entries: a menu follows the enabled state
// of the main window, and would come back enabled after the start screen or the about window.
void MDIFormMain::UpdateMenus() {
    menus_.mnuOpen->setEnabled(!loading_);
    menus_.mnuSave->setEnabled(reportRead_ && !loading_);
    menus_.mnuChart->setEnabled(reportRead_ && !loading_);
    menus_.mnuAnalysis->setEnabled(menus_.mnuChart->isEnabled());
    menus_.mnuAbout->setEnabled(!loading_);
}

void MDIFormMain::closeEvent(QCloseEvent* event) {
    // Closing asks nothing and saves nothing, but for an analysis with unsaved changes; a running
    // load is stopped and its result dropped.
    if (AnalysisWindow() != nullptr && !AnalysisWindow()->AnalysisFile().MaySetAside()) {
        event->ignore();
        return;
    }
    loader_.Cancel();
    if (about_)
        about_->close();
    QMainWindow::closeEvent(event);
}

void MDIFormMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!loading_ && !DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MDIFormMain::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (loading_ || path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenFile(path);
}
