#include "views/results/report_rows.h"

#include <QFile>

#include <utility>

ReportRows::ReportRows(QObject* parent)
    : QObject(parent), report_(std::make_shared<const vrd::OpenedReport>()) {}

void ReportRows::Show(vrd::SharedReport report) {
    for (const vrd::ListId list : vrd::kAllLists)
        emit listAboutToChange(list);
    report_ = std::move(report);
    for (const vrd::ListId list : vrd::kAllLists)
        emit listChanged(list);
    emit labelsChanged();
    emit captionChanged(Caption());
}

int ReportRows::RowCount(vrd::ListId list) const {
    return static_cast<int>(report_->window.RowCount(list));
}

QString ReportRows::RowText(vrd::ListId list, int row) const {
    const std::string_view text =
        report_->window.Row(report_->state.DecodedReport, list, static_cast<std::size_t>(row));
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ReportRows::Label(vrd::LabelId label) const {
    const std::string& text = report_->window.Label(label);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ReportRows::Caption() const {
    return QFile::decodeName(QByteArray::fromStdString(report_->window.Caption()));
}
