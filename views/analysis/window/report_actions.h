#pragma once
// The commands that hand an analysis in: "Save report as PDF", "Print..." and "Save tables as
// spreadsheet". Without a readable minute they write nothing and say which files gave none, as
// vrdview --report does: such a report would read as that of a silent site. A report to save or
// print while a file listed could not be read asks first whether to go on without it.

#include "views/common/language.h"

#include <QObject>
#include <QString>

#include <functional>

class AnalysisChart;
class AnalysisPrompts;
class AnalysisSession;
class QWidget;

class ReportActions final : public QObject {
    Q_OBJECT

  public:
    // chart is drawn into the report as it shows; language gives the report's language.
    ReportActions(const AnalysisSession& session, AnalysisChart& chart,
                  const AnalysisPrompts& prompts, std::function<Language()> language,
                  QWidget& window);

    bool SaveReportAsPdf();
    bool Print();
    bool SaveTables();

    // The writers behind the commands; on failure (no readable minute included) they return false
    // with the reason.
    bool WritePdf(const QString& path, QString& reason);
    bool WriteTables(const QString& path, QString& reason);

  private:
    // Shows why nothing is written and returns true when no file gave a readable minute.
    bool RefusedForNoMinute();
    bool GoOnDespiteFailedFiles(const QString& goOn);

    const AnalysisSession& session_;
    AnalysisChart& chart_;
    const AnalysisPrompts& prompts_;
    std::function<Language()> language_;
    QWidget& window_;
};
