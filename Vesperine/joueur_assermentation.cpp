#include <iterator>

#include "encodage.h"
#include "joueur.h"
#include "table.h"

namespace {

const char* const NOMS_ASSERMENTATIONS[] = {"Reconstruction crânienne",
                                            "Traqué",
                                            "Souvenirs abominables",
                                            "L'horreur! L'horreur!",
                                            "Douloureuse induction nerveuse",
                                            "Imlants dentaires",
                                            "Rupture du nerf optique",
                                            "Dévotion hurlante",
                                            "Irradience",
                                            "Langue liée",
                                            "Mariée au Trône",
                                            "Urticaire des soricers",
                                            "Hypno-endoctrinement"};
static_assert(std::size(NOMS_ASSERMENTATIONS) == NB_ASSERMENTATIONS, "one name per outcome");

}  // namespace

void Joueur::setAssermentation(assermentation a)
{
    assermentation_psy = a;
    // Each outcome adds to what earlier ones left.
    switch (a) {
    case RECONSTRUCTION_CRANIENNE:
        ajouterCaracteristique(INT, +50);
        etat.setArgent(etat.getArgent() + 50);
        break;
    case TRAQUE:
        setFolie(getFolie() + 10);
        break;
    case SOUVENIRS_ABOMINABLES:
    case HORREUR:
        setFolie(getFolie() + 5);
        break;
    case MARIE_AU_TRONE:
        etat.setArgent(etat.getArgent() + 100);
        setTalent(CHIMIOCASTRATION, TALENT_X1);
        break;
    case URTICAIRE_DES_SORCIERS:
        ajouterCaracteristique(E, +3);
        break;
    case HYPNO_ENDOCTRINEMENT:
        ajouterCaracteristique(FM, +3);
        break;
    default:  // the other outcomes leave no mark on the sheet
        break;
    }
}

assermentation Joueur::getAssermentation() const { return assermentation_psy; }

std::string Joueur::getAssermentation(assermentation a) const
{
    return versWindows1252(nomIndexe(NOMS_ASSERMENTATIONS, a, "Aucune assermentation"));
}
