#pragma once
// What the results window shows: the seven lists, the two labels and the caption of the report
// committed last.
//
// The rows that are lines of the report are read from the committed report text itself, so a
// year of minutes costs a few bytes a row. A load fills its own vrd::ReportLists off the GUI
// thread; Replace() then swaps it in, in one go.

#include "report/report_lists.h"

#include <QObject>
#include <QString>

#include <string_view>

class ReportRows final : public QObject, public vrd::ResultsWindow {
    Q_OBJECT

  public:
    explicit ReportRows(QObject* parent = nullptr);

    // vrd::ResultsWindow, for the steps of an open command that run on the GUI thread.
    void ClearList(vrd::ListId list) override;
    void AddItem(vrd::ListId list, std::string_view item) override;
    void SetLabel(vrd::LabelId label, std::string_view caption) override;
    void SetCaption(std::string_view caption) override;

    // Empty lists that keep the labels and caption shown now, for a load to fill: a load that
    // fails before its parse leaves the labels and caption as they were.
    vrd::ReportLists SeedForLoad() const;

    // The report text is about to change: call before changing it, and Replace() right after,
    // with the new text, which must then stay unchanged until the next BeginReplace().
    void BeginReplace();
    // Shows lists, made by a load from report.
    void Replace(std::string_view report, vrd::ReportLists lists);

    int RowCount(vrd::ListId list) const;
    QString RowText(vrd::ListId list, int row) const;
    QString Label(vrd::LabelId label) const;
    // The caption is a path, in the local 8-bit encoding of file names.
    QString Caption() const;

  signals:
    void listAboutToChange(vrd::ListId list);
    void listChanged(vrd::ListId list);
    void labelsChanged();
    void captionChanged(const QString& caption);

  private:
    std::string_view report_;
    vrd::ReportLists lists_;
};
