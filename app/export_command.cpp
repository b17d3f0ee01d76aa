#include "app/export_command.h"

#include "export/csv_export.h"
#include "export/safe_write.h"
#include "export/suggested_name.h"
#include "export/text_export.h"

#include <QFile>

#include <optional>
#include <string>

namespace {

std::string Bytes(std::string_view report, ExportFormat format) {
    if (format == ExportFormat::Text)
        return vrd::TextFileBytes(report);
    // Without a progress there is nothing to cancel it.
    return vrd::CsvFileBytes(report).value_or(std::string());
}

} // namespace

QString ExportFilter(ExportFormat format) {
    return format == ExportFormat::Csv ? QStringLiteral("Fichier texte (*.csv)|*.csv")
                                       : QStringLiteral("Fichier texte (*.txt)|*.txt");
}

ExportOutcome SaveReport(CommonDialog& dialog, std::string_view report, ExportFormat format) {
    ExportOutcome outcome;
    const QByteArray lastName = QFile::encodeName(dialog.LastChosenName());
    const std::optional<std::string> suggestion = vrd::SuggestedFileName(
        std::string_view(lastName.constData(), static_cast<std::size_t>(lastName.size())));
    if (!suggestion) {
        outcome.result = ExportOutcome::Result::NoSuggestedName;
        outcome.reason = QStringLiteral("The name of the file chosen last, \"") %
                         dialog.LastChosenName() %
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
            vrd::WriteFileSafely(target.toStdString(), Bytes(report, format))) {
        outcome.result = ExportOutcome::Result::Failed;
        outcome.reason =
            QString::fromLocal8Bit(error->data(), static_cast<qsizetype>(error->size()));
        return outcome;
    }
    outcome.result = ExportOutcome::Result::Written;
    return outcome;
}
