#pragma once
// The sheet of an assessment in the analysis workbook. For the French standards, a row for each
// period with source or residual minutes, then the rows of all periods of a label pooled; for
// bs4142, a row for each interval with an L90 or residual minutes, then, under a header of its
// own, the background of each label. Levels and minutes are numbers, dates spreadsheet dates,
// the labels and verdicts the texts of WorkbookLabels; a missing figure is an empty cell.

#include "analysis/assess.h"
#include "export/analysis_workbook.h"
#include "export/workbook_cells.h"

#include <cstdint>

namespace vrd {

// The rows the sheet takes, headers included.
std::int64_t AssessmentSheetRows(const AssessmentResult& assessment);

void WriteAssessmentSheet(lxw_worksheet* sheet, const WorkbookFormats& formats,
                          const AssessmentResult& assessment, const WorkbookLabels& labels);

} // namespace vrd
