#include <clocale>
#include <csignal>
#include <exception>
#include <iostream>
#include <new>

#include "programme.h"

namespace {

// The process around the program: the system's messages in the user's
// language, the signals and the standard streams; then the program itself on
// the terminal, the current directory and the real file system.
int lancer(int argc, char* argv[])
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
    return programme(argc, argv, std::cin, std::cout, std::cerr, systemeFichiersReel());
}

}  // namespace

// No exception leaves the program: one that nothing else caught (memory
// exhausted, a library failure) ends it with a French message and status 1.
// A save under way has taken its sheet back by then.
int main(int argc, char* argv[])
{
    const char* const FIN = " ; création interrompue, aucune fiche enregistrée.";
    try {
        return lancer(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "vesperine : mémoire insuffisante" << FIN << std::endl;
    } catch (const std::exception& e) {
        std::cerr << "vesperine : erreur inattendue (" << e.what() << ")" << FIN << std::endl;
    } catch (...) {
        std::cerr << "vesperine : erreur inattendue" << FIN << std::endl;
    }
    return 1;
}
