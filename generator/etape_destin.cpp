#include <iterator>

#include "createur.h"
#include "des.h"

namespace {

// Fate points of each homeworld for a D10 of 1 to 4, 5 to 8, 9 and 10.
const int POINTS_DE_DESTIN[][3] = {{2, 3, 3}, {2, 2, 3}, {1, 2, 3}, {1, 2, 2}};
static_assert(std::size(POINTS_DE_DESTIN) == NB_MONDES, "one row per homeworld");

// Nothing for no homeworld.
int pointsDeDestin(monde m, int de)
{
    if (!dansIntervalle(m, NB_MONDES)) {
        return 0;
    }
    if (de <= 4) {
        return POINTS_DE_DESTIN[m][0];
    }
    return POINTS_DE_DESTIN[m][de <= 8 ? 1 : 2];
}

}  // namespace

bool Createur::etapeDestin(Passe& p)
{
    do {
        ecran << std::endl << "POINTS DE DESTINS" << std::endl << std::endl;
        p.deDestin = D10();
        const monde m = joueur.getMonde();
        if (!dansIntervalle(m, NB_MONDES)) {
            ecran << "ERREUR";
        }
        p.destin = pointsDeDestin(m, p.deDestin);
        ecran << "Points de Destin du personnage:" << p.destin << std::endl << std::endl;
        if (!confirmer("2)Relancer")) {
            return false;
        }
    } while (choix == 2);
    joueur.etat.setDestin(static_cast<unsigned int>(p.destin));
    return true;
}
