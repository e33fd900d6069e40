#include <clocale>
#include <csignal>
#include <iostream>

#include "createur.h"

// The creation dialogue on the terminal, with the real dice; sheets are written
// in the current directory.
int main()
{
    // The system's reasons for a failed save, in the user's language and
    // encoding. The C++ streams keep the classic locale: nothing else changes.
    std::setlocale(LC_MESSAGES, "");
    std::setlocale(LC_CTYPE, "");
    // Past a file-size limit a write fails (EFBIG) instead of killing the
    // program: a save reports it, and a screen redirected to a file goes quiet.
    std::signal(SIGXFSZ, SIG_IGN);
    // The streams buffer on their own: a word of a gigabyte is read in seconds, not
    // one C library call per byte.
    std::ios::sync_with_stdio(false);
    Createur createur(std::cin, std::cout, std::cerr, ".");
    return createur.executer();
}
