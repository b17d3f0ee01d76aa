#pragma once
// Why a CSV export of levels was refused, in the window's language: the core's kinds with their
// values worded again, in English as vrdtool prints them but for the file's name, which the
// window gives apart, and the command-line option, for which the window has its columns dialog.

#include "levels_csv/csv_refusal.h"
#include "views/common/language.h"

#include <QString>

QString CsvRefusalText(const vrd::CsvRefusal& refusal, Language language);
