#include <clocale>
#include <csignal>
#include <exception>
#include <iostream>
#include <new>
#include <optional>

#include "createur.h"
#include "impression.h"
#include "options.h"
#include "source_graine.h"

namespace {

// The creation dialogue on the terminal, with the real dice unless --graine is
// given; sheets are written in the current directory. Or, with --imprimer, the
// printable sheets of sheet files. The exit status.
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
    const LigneDeCommande ligne = lireLigneDeCommande(argc, argv, std::cout, std::cerr);
    if (ligne.terminer) {
        return ligne.statut;
    }
    if (ligne.imprimer) {
        return commandeImprimer(ligne.fiches, ligne.sortie, std::cout, std::cerr);
    }
    std::optional<SourceGraine> graine;
    if (ligne.avecGraine) {
        utiliserSourceDes(graine.emplace(ligne.graine));
    }
    Createur createur(std::cin, std::cout, std::cerr, ".");
    if (ligne.imprimable) {
        // The PDF's line names the file as it was typed: it goes out as it is, not through the console.
        createur.apresEnregistrement([](const Fiche& fiche, const std::string& fichier) {
            return imprimerApresEnregistrement(fiche, ".", fichier, std::cout, std::cerr, systemeFichiersReel());
        });
    }
    return createur.executer();
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
