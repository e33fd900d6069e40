#include "createur.h"
#include "des.h"
#include "tableaux.h"

bool Createur::etapeCaracteristiques()
{
    int tirage[NB_CARACTERISTIQUES] = {};  // the roll being shown
    do {
        // Every roll starts again from what the homeworld left: rolls never add up.
        int depart[NB_CARACTERISTIQUES];
        for (int k = CC; k <= SOC; ++k) {
            depart[k] = static_cast<int>(joueur.getCaracteristique(static_cast<caracteristique>(k)));
            tirage[k] = depart[k];
        }
        ecran << enTeteCaracteristiques() << std::endl << ligneCaracteristiques(depart);
        ecran << std::endl << std::endl << "Tirage des caracteristiques:" << std::endl << std::endl;
        for (int k = CC; k <= SOC; ++k) {
            tirage[k] += 2 * D10();
            // The countdown shows each die as it lands, about a second apart.
            if (k < SOC) {
                ecran << SOC - k << '.' << std::flush;
            } else {
                ecran << 0 << std::flush;
            }
        }
        ecran << std::endl << std::endl << texte("Caracteristiques tiré:") << std::endl << std::endl;
        ecran << enTeteCaracteristiques() << std::endl << ligneCaracteristiques(tirage);
        ecran << std::endl << std::endl;
        if (!confirmer("2)Retirer les caractéristiques")) {
            return false;
        }
        ecran << std::endl;
    } while (choix == REPETER);
    for (int k = CC; k <= SOC; ++k) {
        joueur.setCaracteristique(static_cast<caracteristique>(k), static_cast<unsigned int>(tirage[k]));
    }
    return true;
}
