#include "views/analysis/prompts/analysis_prompts.h"

#include "views/analysis/prompts/csv_columns_dialog.h"
#include "views/analysis/session/analysis_session.h"
#include "views/common/warning_box.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

std::optional<QString> AnalysisPrompts::ChoosePath(const PathRequest& request) const {
    if (!choosePath_)
        return std::nullopt;
    return choosePath_(&window_, request);
}

std::optional<vrd::CsvReadOptions>
AnalysisPrompts::ChooseColumns(const ColumnsRequest& request) const {
    if (chooseColumns_)
        return chooseColumns_(&window_, request);
    CsvColumnsDialog dialog(request.path, request.firstBytes, request.whole, request.start,
                            &window_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Options();
}

bool AnalysisPrompts::Confirm(const QString& question, const QString& goOn,
                              const QString& objectName) const {
    if (confirm_)
        return confirm_(&window_, question, goOn);
    QMessageBox box(objectName.isEmpty() ? QMessageBox::Question : QMessageBox::Warning,
                    window_.windowTitle(), question, QMessageBox::Cancel, &window_);
    if (!objectName.isEmpty())
        box.setObjectName(objectName);
    const QAbstractButton* go = box.addButton(goOn, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == go;
}

void AnalysisPrompts::ShowWarning(const QString& text) const {
    ::ShowWarning(&window_, window_.windowTitle(), text);
}

void AnalysisPrompts::ShowFailure(const QString& path, const QString& reason) const {
    ShowWarning(tr("\"%1\": %2.").arg(path, reason));
}

// The main window's "could not be written" is the devices' English; this one is the window's.
void AnalysisPrompts::ShowNotWritten(const QString& path, const QString& reason) const {
    ShowWarning(
        tr("\"%1\" could not be written: %2. Nothing was changed on disk.").arg(path, reason));
}

QString AnalysisPrompts::SuggestedName(const AnalysisSession& session, const QString& suffix) {
    if (session.Reports().empty())
        return tr("analysis") + suffix;
    const std::string& path = session.Reports().front().path;
    return QFileInfo(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())))
               .completeBaseName() +
           QLatin1Char(' ') + tr("analysis") + suffix;
}
