#include <clocale>
#include <csignal>
#include <iostream>
#include <optional>

#include "createur.h"
#include "options.h"
#include "source_graine.h"

// The creation dialogue on the terminal, with the real dice unless --graine is
// given; sheets are written in the current directory.
int main(int argc, char* argv[])
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
    const LigneDeCommande ligne = lireLigneDeCommande(argc, argv, std::cout, std::cerr);
    if (ligne.terminer) {
        return ligne.statut;
    }
    std::optional<SourceGraine> graine;
    if (ligne.avecGraine) {
        utiliserSourceDes(graine.emplace(ligne.graine));
    }
    Createur createur(std::cin, std::cout, std::cerr, ".");
    return createur.executer();
}
