#include <iterator>

#include "createur.h"
#include "noms_affiches.h"
#include "table.h"

namespace {

// Menu label and name shown once chosen, HORS_MONDE to MONDE_SAUVAGE: the
// dialogue's own spellings, not Joueur::getMonde's.
const char* const LIBELLES_MONDES[] = {"Hors-monde", "Monde impérial", "Monde ruche", "Monde sauvage"};
const char* const NOMS_MONDES[] = {"Hors-monde", "Monde impérial", "Monde-ruche", "Monde sauvage"};
static_assert(std::size(LIBELLES_MONDES) == NB_MONDES, "one menu label per homeworld");
static_assert(std::size(NOMS_MONDES) == NB_MONDES, "one name per homeworld");

}  // namespace

const char* nomMondeAffiche(monde m) { return nomIndexe(NOMS_MONDES, m, ""); }

bool Createur::etapeMonde()
{
    int reponse = 0;  // 1 to NB_MONDES, in `monde` order
    do {
        ecran << "CHOIX DU MONDE D'ORIGINE" << std::endl << std::endl;
        if (!menu(LIBELLES_MONDES, std::size(LIBELLES_MONDES), reponse)) {
            return false;
        }
        const char* nom = nomMondeAffiche(static_cast<monde>(reponse - 1));
        ecran << std::endl << std::endl << "Monde choisi:" << texte(nom) << std::endl << std::endl;
        ecran << "1)Confirmer" << std::endl << "2)Retour" << std::endl << std::endl << "Choix:";
        if (!repondre(choix, CONFIRMER, REPETER)) {
            return false;
        }
    } while (choix == REPETER);
    joueur.setMonde(static_cast<monde>(reponse - 1));
    return true;
}
