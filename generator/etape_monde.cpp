#include <iterator>

#include "createur.h"

namespace {

// Menu label and name shown once chosen, HORS_MONDE to MONDE_SAUVAGE: the
// dialogue's own spellings, not Joueur::getMonde's.
const char* const LIBELLES_MONDES[] = {"Hors-monde", "Monde impérial", "Monde ruche", "Monde sauvage"};
const char* const NOMS_MONDES[] = {"Hors-monde", "Monde impérial", "Monde-ruche", "Monde sauvage"};
static_assert(std::size(LIBELLES_MONDES) == NB_MONDES, "one menu label per homeworld");
static_assert(std::size(NOMS_MONDES) == NB_MONDES, "one name per homeworld");

}  // namespace

bool Createur::etapeMonde(Passe& p)
{
    do {
        ecran << "CHOIX DU MONDE D'ORIGINE" << std::endl << std::endl;
        if (!menu(LIBELLES_MONDES, std::size(LIBELLES_MONDES), p.monde_choisi)) {
            return false;
        }
        p.nomMonde = texte(NOMS_MONDES[p.monde_choisi - 1]);
        ecran << std::endl << std::endl << "Monde choisi:" << p.nomMonde << std::endl << std::endl;
        ecran << "1)Confirmer" << std::endl << "2)Retour" << std::endl << std::endl << "Choix:";
        if (!repondre(choix, 1, 2)) {
            return false;
        }
    } while (choix == 2);
    joueur.setMonde(static_cast<monde>(p.monde_choisi - 1));
    return true;
}
