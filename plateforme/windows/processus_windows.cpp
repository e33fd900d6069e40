// The process on Windows: the standard streams in binary mode (the program's
// bytes are the same as on Linux when redirected), a console read and written
// as UTF-16, and the command line taken wide.
#include "processus.h"

#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <io.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include "appels_windows.h"
#include "console_windows.h"

void preparerProcessus()
{
    for (FILE* flux : {stdin, stdout, stderr}) {
        _setmode(_fileno(flux), _O_BINARY);
    }
    // A console that some other code writes to by bytes still shows UTF-8 right.
    SetConsoleOutputCP(CP_UTF8);
    brancherConsoles();
}

std::vector<std::string> argumentsDuProcessus(int argc, char* argv[])
{
    int nombre = 0;
    LPWSTR* larges = CommandLineToArgvW(GetCommandLineW(), &nombre);
    if (larges == nullptr || nombre != argc) {
        if (larges != nullptr) {
            LocalFree(static_cast<HLOCAL>(larges));
        }
        return {argv, argv + argc};  // the two parsings disagree: keep the C runtime's
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < nombre; ++i) {
        arguments.push_back(versUtf8(larges[i]));
    }
    LocalFree(static_cast<HLOCAL>(larges));
    return arguments;
}
