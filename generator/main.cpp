#include <iostream>
#include <optional>

#include "createur.h"
#include "options.h"
#include "source_graine.h"

// The creation dialogue on the terminal, with the real dice unless --graine is
// given; sheets are written in the current directory.
int main(int argc, char* argv[])
{
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
