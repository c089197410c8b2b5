// The console of a program started from one: Windows gives a window program none of its own.
#pragma once

#include <QStringList>

namespace horavela {

// On Windows, attaches to the console of the program that started this one and sends standard
// output and error there, unless they are already redirected to a file or a pipe; then puts
// standard output in binary mode, so the bytes of a file go out exactly as made. Elsewhere
// nothing is needed.
void attachParentConsole();

// The arguments after the program's name as typed, read before any QCoreApplication exists: on
// Windows from the wide command line, so that a file name in any script arrives whole; elsewhere
// decoded from the locale's encoding.
QStringList programArguments(int argc, const char* const argv[]);

} // namespace horavela
