#pragma once
// What the results window shows: the seven lists, the two labels and the caption of one opened
// report.
//
// The rows that are lines of the report are read from the report's own text, which the shown
// value holds for as long as it is shown, so a year of minutes costs a few bytes a row.

#include "report/opened_report.h"

#include <QObject>
#include <QString>

class ReportRows final : public QObject {
    Q_OBJECT

  public:
    explicit ReportRows(QObject* parent = nullptr);

    // Shows the lists, labels and caption of report, each list reset once.
    void Show(vrd::SharedReport report);
    const vrd::SharedReport& Shown() const { return report_; }

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
    vrd::SharedReport report_;
};
