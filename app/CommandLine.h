// The month from the command line: the same files the month window saves, without a window,
// a display or the single-instance lock.
#pragma once

#include <QStringList>
#include <ostream>

namespace horavela {

// Whether the first argument is an option ("-x", "--month") other than Qt's own options for
// windows ("-platform", "--style=fusion") and --tray, so the program runs the command line instead
// of its window; an option it does not know is then refused there.
bool isCommandLine(int argc, const char* const argv[]);

// Whether the window start is asked to start in the tray ("--tray" anywhere among the window's
// arguments, as the desktop's autostart entry gives it), with no window on screen.
bool startsInTray(int argc, const char* const argv[]);

// Whether the arguments ask for the month's pages, which are drawn with a QGuiApplication's fonts.
bool commandLineDrawsPages(const QStringList& arguments);

// Runs the command line on the arguments after the program's name, writing the file (when no
// --out is given), the help or the version to out, or a one-line message to err. 0 on success,
// 2 on bad input, 1 when the file or the places database cannot be written or read. Needs a
// QCoreApplication when a place is looked up by name, a QGuiApplication for a PDF.
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace horavela
