// The shipped program fed one endless word: what it keeps of a word is bounded,
// so its memory does not grow with the input.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Peak resident memory, in KiB, of the program that reads `octets` bytes of 'x'
// and no blank on its standard input: one word at the homeworld question, after
// which the input ends (status 1).
long picMemoire(std::size_t octets)
{
    int tube[2];
    if (pipe(tube) != 0) {
        ADD_FAILURE() << "pipe";
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(tube[0], STDIN_FILENO);
        close(tube[0]);
        close(tube[1]);
        const int nul = open("/dev/null", O_WRONLY);
        dup2(nul, STDOUT_FILENO);
        dup2(nul, STDERR_FILENO);
        execl(VESPERINE_EXECUTABLE, VESPERINE_EXECUTABLE, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tube[0]);
    const std::string bloc(1 << 16, 'x');
    for (std::size_t envoye = 0; envoye < octets;) {
        const ssize_t n = write(tube[1], bloc.data(), std::min(bloc.size(), octets - envoye));
        if (n <= 0) {
            break;  // the program is gone; its status tells why
        }
        envoye += static_cast<std::size_t>(n);
    }
    close(tube[1]);
    int statut = 0;
    rusage usage = {};
    wait4(pid, &statut, 0, &usage);
    EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 1) << octets << " bytes: status " << statut;
    return usage.ru_maxrss;
}

TEST(MotSansFin, UnMotDe64MioNeCoutePasPlusQuUnMotCourt)
{
    const auto ancien = std::signal(SIGPIPE, SIG_IGN);  // a program that left early is reported, not fatal
    const long court = picMemoire(1);
    const long grand = picMemoire(64U << 20);
    std::signal(SIGPIPE, ancien);
    // A program that kept the word would hold at least 64 MiB more.
    EXPECT_LT(grand - court, 1024) << court << " KiB, then " << grand << " KiB";
}

}  // namespace
