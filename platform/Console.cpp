#include "platform/Console.h"

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace horavela {

#ifdef _WIN32

namespace {

// A handle that already leads somewhere (a file, a pipe) was redirected by the caller.
bool redirected(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void attachParentConsole() {
    const bool outRedirected = redirected(STD_OUTPUT_HANDLE);
    const bool errRedirected = redirected(STD_ERROR_HANDLE);
    if ((!outRedirected || !errRedirected) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        // Where the console cannot be opened the stream stays unusable: writing to it fails,
        // and the command line reports that by its exit status.
        if (!outRedirected)
            static_cast<void>(std::freopen("CONOUT$", "w", stdout));
        if (!errRedirected)
            static_cast<void>(std::freopen("CONOUT$", "w", stderr));
    }
    _setmode(_fileno(stdout), _O_BINARY);
}

QStringList programArguments(int, const char* const[]) {
    int count = 0;
    LPWSTR* typed = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    for (int n = 1; typed != nullptr && n < count; ++n)
        arguments.append(QString::fromWCharArray(typed[n]));
    LocalFree(typed);
    return arguments;
}

#else

void attachParentConsole() {}

QStringList programArguments(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int n = 1; n < argc && argv[n] != nullptr; ++n)
        arguments.append(QString::fromLocal8Bit(argv[n]));
    return arguments;
}

#endif

} // namespace horavela
