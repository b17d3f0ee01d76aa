#pragma once
// The main window: the frame that holds the results and chart windows, the menu bar from which
// every command starts, and the start-up with its start screen.

#include "app/common_dialog.h"
#include "app/main_menus.h"
#include "app/report_loader.h"
#include "report/declaration.h"
#include "views/common/guard_windows.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <chrono>

class LoadProgress;
class QMdiArea;
class QMdiSubWindow;
class ReportRows;
class frmAbout;
class frmArray;
class frmAnalysis;
class frmGraph;
class frmStart;
namespace vrd {
enum class ExportFormat;
}

struct StartUpOptions {
    // How long the start screen stays: the interval of Timer_Wait.
    std::chrono::milliseconds startScreenWait{3000};
    // A file to open once the start screen has gone; empty for none.
    QString fileToOpen;
};

class MDIFormMain final : public QMainWindow {
    Q_OBJECT

  public:
    explicit MDIFormMain(FileDialogs& dialogs, StartUpOptions options = {});
    ~MDIFormMain() override;

    // The start-up: "Save As" disabled, the window shown, both child windows blocked, then the
    // start screen over the disabled main window until Timer_Wait ticks.
    void MDIForm_Load();

    // Unblocks the chart window and shows in it the 1-minute levels of the report read last.
    void ShowGraphWindow();

    // Opens the analysis window, once, over the 1-minute levels of the report read last.
    void ShowAnalysisWindow();

    // Opens path as "vrd file" does when its name ends in ".vrd", an analysis file (".vrda") in
    // the analysis window, else as "Txt file" does. Ignored while a load is running.
    void OpenFile(const QString& path);

    // The state as the last open command left it.
    const vrd::Declaration& State() const { return shown_->state; }
    const vrd::WindowBlocks& Blocks() const { return blocks_; }
    const MainMenus& Menus() const { return menus_; }
    const CommonDialog& Dialog() const { return CommonDialog1; }
    const QTimer& WaitTimer() const { return Timer_Wait; }
    QMdiArea* Workspace() const { return workspace_; }
    frmArray* ResultsWindow() const;
    frmGraph* ChartWindow() const;
    frmAbout* AboutWindow() const;
    frmAnalysis* AnalysisWindow() const;
    bool IsLoading() const { return loading_; }
    ReportLoader& Loader() { return loader_; }
    LoadProgress& Progress() { return *progress_; }

  signals:
    void startUpFinished();
    // A load has ended: its result is shown, or it failed or was cancelled.
    void loadEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void ConnectCommands();
    void ConnectLoader();
    void Timer_Wait_Timer();
    void mnuAbout_Click();
    void mnuvrd_Click();
    void mnutxt_Click();
    void csvfile_Click();
    void txtfile_Click();

    void OpenWithDialog(const QString& filter, vrd::ReportKind kind);
    void OpenReport(const QString& path, vrd::ReportKind kind);
    void OpenAnalysisFile(const QString& path);
    void OpenCsvExport(const QString& path);
    frmAnalysis* LoadAnalysisWindow();
    void TakeOver(const vrd::SharedReport& loaded);
    void EndLoad();
    void SaveAs(vrd::ExportFormat format);
    void UpdateMenus();
    ReportRows* LoadResultsWindow();

    // What the last open command made; the results window shows the same value, or the one an
    // open in progress began with.
    vrd::SharedReport shown_;
    vrd::SharedReport began_; // while a load runs: what its open began with
    vrd::WindowBlocks blocks_;
    CommonDialog CommonDialog1;
    // The chart's "Save chart as PNG" asks the same chooser, but is no file command: it leaves
    // the name the exports suggest alone.
    FileDialogs& chartDialogs_;
    QTimer Timer_Wait;
    QString fileToOpen_;
    MainMenus menus_;
    QMdiArea* workspace_ = nullptr;
    ChildWindows windows_;
    QPointer<frmStart> startScreen_;
    QPointer<frmAbout> about_;
    QPointer<QMdiSubWindow> analysis_;
    ReportLoader loader_;
    LoadProgress* progress_ = nullptr;
    bool loading_ = false;
    bool reportRead_ = false;
    // The open whose parse made the minute lines the chart shows.
    struct {
        QString path;
        QString site;
    } minutesFrom_;
};
