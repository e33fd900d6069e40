#include "createur.h"
#include "des.h"

namespace {

// Base of the wounds total; a D5 is added to it.
int baseBlessures(monde m)
{
    switch (m) {
    case HORS_MONDE:
        return 6;
    case MONDE_IMPERIAL:
    case MONDE_RUCHE:
        return 8;
    case MONDE_SAUVAGE:
        return 9;
    default:  // the dialogue always sets a homeworld before this step
        return 0;
    }
}

// Fate points for a D10 thrown on a homeworld: die 1 to 4, 5 to 8, 9 and 10.
// Nothing for no homeworld.
int pointsDeDestin(monde m, int de)
{
    static const int TABLE[4][3] = {{2, 3, 3}, {2, 2, 3}, {1, 2, 3}, {1, 2, 2}};
    if (!dansIntervalle(m, AUCUN_MONDE)) {
        return 0;
    }
    const int colonne = de <= 4 ? 0 : (de <= 8 ? 1 : 2);
    return TABLE[m][colonne];
}

}  // namespace

bool Createur::etapeBlessures(Passe& p)
{
    do {
        out << std::endl << "POINTS DE BLESSURES" << std::endl << std::endl;
        p.modificateursB = baseBlessures(joueur.getMonde());
        p.total = p.modificateursB + D5();
        out << "Points de blessure du personnage:" << p.total << std::endl << std::endl;
        if (!confirmer("2)Relancer")) {
            return false;
        }
    } while (choix == 2);
    // A new character starts unhurt.
    joueur.etat.setBlessureMaximum(static_cast<unsigned int>(p.total));
    joueur.etat.setBlessureActuelle(static_cast<unsigned int>(p.total));
    return true;
}

bool Createur::etapeDestin(Passe& p)
{
    do {
        out << std::endl << "POINTS DE DESTINS" << std::endl << std::endl;
        p.dice = D10();
        const monde m = joueur.getMonde();
        if (!dansIntervalle(m, AUCUN_MONDE)) {
            out << "ERREUR";
        }
        p.Destiny = pointsDeDestin(m, p.dice);
        out << "Points de Destin du personnage:" << p.Destiny << std::endl << std::endl;
        if (!confirmer("2)Relancer")) {
            return false;
        }
    } while (choix == 2);
    joueur.etat.setDestin(static_cast<unsigned int>(p.Destiny));
    return true;
}
