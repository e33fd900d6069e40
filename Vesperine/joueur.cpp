#include "joueur.h"

#include <iterator>

#include "catalogue.h"
#include "encodage.h"

namespace {

// The player rules' own homeworld names; the creation dialogue spells them its own way.
const char* const NOMS_MONDES[] = {"Hors-Monde", "Monde imperial", "Monde-Ruche", "Monde sauvage"};
static_assert(std::size(NOMS_MONDES) == NB_MONDES, "one name per homeworld");

}  // namespace

Joueur::Joueur() = default;

void Joueur::setFolie(unsigned int v) { folie = v; }
void Joueur::setCorruption(unsigned int v) { corruption = v; }
void Joueur::setExperience(unsigned int v) { experience = v; }

unsigned int Joueur::getExperience() const { return experience; }
unsigned int Joueur::getFolie() const { return folie; }
unsigned int Joueur::getCorruption() const { return corruption; }
monde Joueur::getMonde() const { return monde_natale; }

void Joueur::ajouterCaracteristique(caracteristique k, int delta)
{
    setCaracteristique(k, getCaracteristique(k) + static_cast<unsigned int>(delta));
}

void Joueur::setMonde(monde m)
{
    monde_natale = m;
    const EntreeMonde* e = entreeMonde(m);
    if (e == nullptr) {
        return;  // no homeworld: the sheet keeps what it has
    }
    Initialize();
    for (const ModificationCaracteristique& c : e->caracteristiques) {
        ajouterCaracteristique(c.carac, c.delta);
    }
    for (const skill s : e->competencesDeBase) {
        setCompetence(s, BASE);
    }
    // These shifts last only until the next recomputation of the skill: the
    // characteristics roll wipes them.
    for (const ModificationCompetence& d : e->decalages) {
        modifCompetence(d.competence, d.delta);
    }
}

std::string Joueur::getMonde(monde m) const
{
    return versWindows1252(nomIndexe(NOMS_MONDES, m, "Aucun monde séléctionné"));
}
