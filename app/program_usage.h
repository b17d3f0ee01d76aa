#pragma once
// vrdview --help and vrdview --version: answered on standard output before any window or display
// is needed.

#include <QStringList>

#include <iosfwd>
#include <optional>

// The exit status when the arguments (the program's name first) ask for the help (-h, --help) or
// the version (--version), after printing it on out; nullopt when they ask for neither.
std::optional<int> AnswerHelpOrVersion(const QStringList& arguments, std::ostream& out);
