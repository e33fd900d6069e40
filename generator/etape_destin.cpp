#include "catalogue.h"
#include "createur.h"
#include "des.h"

bool Createur::etapeDestin(Passe& p)
{
    do {
        ecran << std::endl << "POINTS DE DESTINS" << std::endl << std::endl;
        p.deDestin = D10();  // thrown even without a homeworld, which then gives nothing
        const EntreeMonde* origine = entreeMonde(joueur.getMonde());
        if (origine == nullptr) {
            ecran << "ERREUR";
        }
        p.destin = origine != nullptr ? origine->pointsDeDestin(p.deDestin) : 0;
        ecran << "Points de Destin du personnage:" << p.destin << std::endl << std::endl;
        if (!confirmer("2)Relancer")) {
            return false;
        }
    } while (choix == 2);
    joueur.etat.setDestin(static_cast<unsigned int>(p.destin));
    return true;
}
