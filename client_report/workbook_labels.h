#pragma once
// The names of the workbook's sheets and columns in the language of its reader.

#include "export/analysis_workbook.h"
#include "views/common/language.h"

vrd::WorkbookLabels WorkbookLabelsIn(Language language);
