#include <iterator>

#include "createur.h"
#include "des.h"

namespace {

// Base of the wounds total of each homeworld; a D5 is added to it.
const int BASES_BLESSURES[] = {6, 8, 8, 9};
static_assert(std::size(BASES_BLESSURES) == NB_MONDES, "one base per homeworld");

}  // namespace

bool Createur::etapeBlessures(Passe& p)
{
    do {
        ecran << std::endl << "POINTS DE BLESSURES" << std::endl << std::endl;
        // The dialogue always sets a homeworld before this step; without one the base is 0.
        const monde m = joueur.getMonde();
        p.baseBlessures = dansIntervalle(m, NB_MONDES) ? BASES_BLESSURES[m] : 0;
        p.blessures = p.baseBlessures + D5();
        ecran << "Points de blessure du personnage:" << p.blessures << std::endl << std::endl;
        if (!confirmer("2)Relancer")) {
            return false;
        }
    } while (choix == 2);
    // A new character starts unhurt.
    joueur.etat.setBlessureMaximum(static_cast<unsigned int>(p.blessures));
    joueur.etat.setBlessureActuelle(static_cast<unsigned int>(p.blessures));
    return true;
}
