#include <iomanip>
#include <iterator>

#include "createur.h"
#include "des.h"
#include "tableaux.h"

namespace {

// Menu line and name shown once chosen, for answers 1 to 4 (HORS_MONDE to MONDE_SAUVAGE).
const char* const MENU_MONDES[4] = {"1)Hors-monde", "2)Monde impérial", "3)Monde ruche", "4)Monde sauvage"};
const char* const NOMS_MONDES[4] = {"Hors-monde", "Monde impérial", "Monde-ruche", "Monde sauvage"};

}  // namespace

bool Createur::etapeMonde(Passe& p)
{
    do {
        out << "CHOIX DU MONDE D'ORIGINE" << std::endl << std::endl;
        if (!menu(MENU_MONDES, std::size(MENU_MONDES), p.monde_choisi)) {
            return false;
        }
        p.world = texte(NOMS_MONDES[p.monde_choisi - 1]);
        out << std::endl << std::endl << "Monde choisi:" << p.world << std::endl << std::endl;
        out << "1)Confirmer" << std::endl << "2)Retour" << std::endl << std::endl << "Choix:";
        if (!repondre(choix, 1, 2)) {
            return false;
        }
    } while (choix == 2);
    joueur.setMonde(static_cast<monde>(p.monde_choisi - 1));
    return true;
}

bool Createur::etapeCaracteristiques(Passe& p)
{
    do {
        // Every roll starts again from what the homeworld left: rolls never add up.
        int depart[NB_CARACTERISTIQUES];
        for (int k = CC; k <= SOC; ++k) {
            depart[k] = static_cast<int>(joueur.getCaracteristique(static_cast<caracteristique>(k)));
            p.caracter[k] = depart[k];
        }
        out << std::left;  // and so it stays for the rest of the run
        out << enTeteCaracteristiques() << std::endl << ligneCaracteristiques(depart);
        out << std::endl << std::endl << "Tirage des caracteristiques:" << std::endl << std::endl;
        for (int k = CC; k <= SOC; ++k) {
            p.caracter[k] += 2 * D10();
            // The countdown shows each die as it lands, about a second apart.
            if (k < SOC) {
                out << SOC - k << '.' << std::flush;
            } else {
                out << 0 << std::flush;
            }
        }
        out << std::endl << std::endl << texte("Caracteristiques tiré:") << std::endl << std::endl;
        out << enTeteCaracteristiques() << std::endl << ligneCaracteristiques(p.caracter);
        out << std::endl << std::endl;
        if (!confirmer("2)Retirer les caractéristiques")) {
            return false;
        }
        out << std::endl;
    } while (choix == 2);
    for (int k = CC; k <= SOC; ++k) {
        joueur.setCaracteristique(static_cast<caracteristique>(k), static_cast<unsigned int>(p.caracter[k]));
    }
    return true;
}
