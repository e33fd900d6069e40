#include "catalogue.h"
#include "createur.h"
#include "des.h"

bool Createur::etapeDestin()
{
    int destin = 0;
    do {
        ecran << std::endl << "POINTS DE DESTINS" << std::endl << std::endl;
        const int de = D10();  // thrown even without a homeworld, which then gives nothing
        const EntreeMonde* origine = entreeMonde(joueur.getMonde());
        if (origine == nullptr) {
            ecran << "ERREUR";
        }
        destin = origine != nullptr ? origine->pointsDeDestin(de) : 0;
        ecran << "Points de Destin du personnage:" << destin << std::endl << std::endl;
        if (!confirmer("2)Relancer")) {
            return false;
        }
    } while (choix == REPETER);
    joueur.etat.setDestin(static_cast<unsigned int>(destin));
    return true;
}
