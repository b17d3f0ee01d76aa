#include "views/report_rows.h"

#include <QFile>

#include <utility>

ReportRows::ReportRows(QObject* parent) : QObject(parent) {}

void ReportRows::ClearList(vrd::ListId list) {
    emit listAboutToChange(list);
    lists_.ClearList(list);
    emit listChanged(list);
}

void ReportRows::AddItem(vrd::ListId list, std::string_view item) {
    emit listAboutToChange(list);
    lists_.AddItem(list, item);
    emit listChanged(list);
}

void ReportRows::SetLabel(vrd::LabelId label, std::string_view caption) {
    lists_.SetLabel(label, caption);
    emit labelsChanged();
}

void ReportRows::SetCaption(std::string_view caption) {
    lists_.SetCaption(caption);
    emit captionChanged(Caption());
}

vrd::ReportLists ReportRows::SeedForLoad() const {
    vrd::ReportLists seed;
    seed.SetLabel(vrd::LabelId::Name, lists_.Label(vrd::LabelId::Name));
    seed.SetLabel(vrd::LabelId::Serial, lists_.Label(vrd::LabelId::Serial));
    seed.SetCaption(lists_.Caption());
    return seed;
}

void ReportRows::BeginReplace() {
    for (const vrd::ListId list : vrd::kAllLists)
        emit listAboutToChange(list);
}

void ReportRows::Replace(std::string_view report, vrd::ReportLists lists) {
    report_ = report;
    lists_ = std::move(lists);
    // Rows added later on this thread must be measured against the committed text.
    lists_.BeginReport(report_);
    for (const vrd::ListId list : vrd::kAllLists)
        emit listChanged(list);
    emit labelsChanged();
    emit captionChanged(Caption());
}

int ReportRows::RowCount(vrd::ListId list) const {
    return static_cast<int>(lists_.RowCount(list));
}

QString ReportRows::RowText(vrd::ListId list, int row) const {
    const std::string_view text = lists_.Row(report_, list, static_cast<std::size_t>(row));
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ReportRows::Label(vrd::LabelId label) const {
    const std::string& text = lists_.Label(label);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ReportRows::Caption() const {
    return QFile::decodeName(QByteArray::fromStdString(lists_.Caption()));
}
