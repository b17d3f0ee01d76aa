#pragma once
// vrdview --report OUT.pdf FILE... and vrdview --xlsx OUT.xlsx FILE...: the report and the
// tables of the analysis window written without a window, for a folder of weekly logs. The
// options are those of "vrdtool stats" (--from, --to, --exclude, --exclude-file, --threshold,
// --periods, --penalties, --plain) and of "vrdtool assess" (--standard, --indoors, --source,
// --residual, --marks-file), so that the report states the verdict vrdtool gives.

#include <QStringList>

#include <iosfwd>
#include <string>

// True when the arguments (the program's name first) ask for --report or --xlsx.
bool IsReportCommand(const QStringList& arguments);

// Readies the program for a report without a window, before its QApplication is made: drawing
// off screen, with or without a display, and Qt's own notes kept off standard error, which holds
// the command's messages only.
void PrepareReportCommand();

// Writes what is asked for. 0 when every file opened and every output was written; 1 when a file
// failed (the outputs are still written from what could be read) or an output could not be
// written, each named on err as "vrdview: FILE: reason"; 1 without writing anything when no file
// gave a readable minute; 2 for a mistake in the options.
int RunReportCommand(const QStringList& arguments, std::ostream& err);

// The options of the command as its help lists them.
std::string ReportCommandOptionsHelp();
