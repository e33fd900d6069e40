#include "programme.h"

#include <optional>

#include "createur.h"
#include "hasard.h"
#include "options.h"
#include "source_graine.h"

int programme(int argc, const char* const argv[], std::istream& entree, std::ostream& sortie, std::ostream& erreurs,
              Stockage& stockage, const Imprimeur* imprimeur)
{
    const LigneDeCommande ligne = lireLigneDeCommande(argc, argv, sortie, erreurs);
    if (ligne.terminer) {
        return ligne.statut;
    }
    if (ligne.imprimer) {
        return commandeImprimer(ligne.fiches, ligne.sortie, sortie, erreurs, stockage, imprimeur);
    }
    if (ligne.hasard) {
        return creerAuHasard(ligne, sortie, erreurs, stockage, imprimeur);
    }
    std::optional<SourceGraine> graine;
    std::optional<SourceDesTemporaire> desSemes;
    if (ligne.avecGraine) {
        desSemes.emplace(graine.emplace(ligne.graine));
    }
    Createur createur(entree, sortie, erreurs, ".", stockage);
    if (ligne.imprimable) {
        // The PDF's line names the file as it was typed: it goes out as it is, not through the console.
        createur.apresEnregistrement([&](const Fiche& fiche, const std::string& fichier) {
            return imprimerApresEnregistrement(fiche, ".", fichier, sortie, erreurs, stockage, imprimeur);
        });
    }
    return createur.executer();
}
