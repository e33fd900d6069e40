#include "processus.h"

#include <cerrno>
#include <clocale>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

void preparerProcessus()
{
    // The system's words for an error code the program does not word itself,
    // in the user's language and encoding. The C++ streams keep the classic
    // locale: nothing else changes.
    std::setlocale(LC_MESSAGES, "");
    std::setlocale(LC_CTYPE, "");
    // Past a file-size limit a write fails (EFBIG) instead of killing the
    // program: a save reports it, and a screen redirected to a file goes quiet.
    std::signal(SIGXFSZ, SIG_IGN);
    // A standard stream closed by the caller stays unusable, and no file the
    // program opens takes its number: the dialogue would be written into a sheet.
    // /dev/null opened the other way round makes every use of it fail (EBADF).
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): open is a C variadic call.
            open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        }
    }
}

std::vector<std::string> argumentsDuProcessus(int argc, char* argv[]) { return {argv, argv + argc}; }
