// The process on Windows: the standard streams in binary mode (the program's
// bytes are the same as on Linux when redirected), and the console in UTF-8,
// the program's own encoding, when a stream is one.
#include "processus.h"

#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <io.h>

#include <windows.h>

void preparerProcessus()
{
    for (FILE* flux : {stdin, stdout, stderr}) {
        _setmode(_fileno(flux), _O_BINARY);
    }
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}
