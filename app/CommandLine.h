// The month from the command line: the same files the month window saves, without a window,
// a display or the single-instance lock.
#pragma once

#include <QStringList>
#include <ostream>

namespace horavela {

// Whether the first argument is one of the command line's options, so the program runs the
// command line instead of its window.
bool isCommandLine(int argc, const char* const argv[]);

// Runs the command line on the arguments after the program's name, writing the file (when no
// --out is given) or the help to out and a one-line message to err. 0 on success, 2 on bad
// input, 1 when the file or the places database cannot be written or read. Needs a
// QCoreApplication when a place is looked up by name.
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace horavela
