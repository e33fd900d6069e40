#include "catalogue.h"
#include "createur.h"
#include "des.h"

bool Createur::etapeBlessures()
{
    int blessures = 0;
    do {
        ecran << std::endl << "POINTS DE BLESSURES" << std::endl << std::endl;
        // The dialogue always sets a homeworld before this step; without one the base is 0.
        const EntreeMonde* origine = entreeMonde(joueur.getMonde());
        blessures = (origine != nullptr ? origine->baseBlessures : 0) + D5();
        ecran << "Points de blessure du personnage:" << blessures << std::endl << std::endl;
        if (!confirmer("2)Relancer")) {
            return false;
        }
    } while (choix == REPETER);
    // A new character starts unhurt.
    joueur.etat.setBlessureMaximum(static_cast<unsigned int>(blessures));
    joueur.etat.setBlessureActuelle(static_cast<unsigned int>(blessures));
    return true;
}
