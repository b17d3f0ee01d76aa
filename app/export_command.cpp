#include "app/export_command.h"

#include "export/safe_write.h"
#include "export/suggested_name.h"

#include <QFile>

#include <optional>
#include <string>

QString ExportFilter(vrd::ExportFormat format) {
    return format == vrd::ExportFormat::Csv ? QStringLiteral("Fichier texte (*.csv)|*.csv")
                                            : QStringLiteral("Fichier texte (*.txt)|*.txt");
}

ExportOutcome SaveReport(CommonDialog& dialog, std::string_view report, vrd::ExportFormat format) {
    ExportOutcome outcome;
    const QByteArray reportName = QFile::encodeName(dialog.ReportFileName());
    const std::optional<std::string> suggestion = vrd::SuggestedFileName(
        std::string_view(reportName.constData(), static_cast<std::size_t>(reportName.size())));
    if (!suggestion) {
        outcome.result = ExportOutcome::Result::NoSuggestedName;
        outcome.reason = QStringLiteral("The name of the report's file, \"") %
                         dialog.ReportFileName() %
                         QStringLiteral("\", is shorter than six characters, so no name can be "
                                        "suggested for the copy.");
        return outcome;
    }

    const std::optional<QString> path = dialog.ShowSave(
        QFile::decodeName(QByteArray::fromStdString(*suggestion)), ExportFilter(format));
    if (!path) {
        outcome.result = ExportOutcome::Result::Cancelled;
        return outcome;
    }
    outcome.path = *path;

    const QByteArray target = QFile::encodeName(*path);
    if (const std::optional<std::string> error =
            vrd::WriteFileSafely(target.toStdString(), vrd::ExportBytes(report, format))) {
        outcome.result = ExportOutcome::Result::Failed;
        outcome.reason =
            QString::fromLocal8Bit(error->data(), static_cast<qsizetype>(error->size()));
        return outcome;
    }
    outcome.result = ExportOutcome::Result::Written;
    return outcome;
}
