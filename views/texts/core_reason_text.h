#pragma once
// The core's reasons in the window's language: why a report cannot be opened, why a line of a
// marks file is not a mark, why an analysis file cannot be read or saved. The core gives each as
// a kind with its values; this words it again, in English exactly as vrdtool prints it, so that
// the French window shows no English but what the user or the system wrote (a word of the file,
// a path, the JSON reader's message).

#include "analysis/exclusion_file.h"
#include "options/analysis_file_problem.h"
#include "report/failure.h"
#include "views/common/language.h"

#include <QString>

// The reason of failure, without its stage.
QString FailureText(const vrd::Failure& failure, Language language);
// "line 3: "rain" is not an interval ...".
QString MarksFileProblemText(const vrd::MarksFileProblem& problem, Language language);
// "KEY: reason", or the reason alone for the whole document.
QString AnalysisFileProblemText(const vrd::AnalysisFileProblem& problem, Language language);
