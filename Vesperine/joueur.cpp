#include "joueur.h"

#include "encodage.h"

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
    switch (m) {
    case HORS_MONDE:
        Initialize();
        ajouterCaracteristique(F, -5);
        ajouterCaracteristique(FM, +5);
        setCompetence(ORIENTATION_STELLAIRE, BASE);
        setCompetence(PILOTAGE_VAISSEAUX_SPATIAUX, BASE);
        break;
    case MONDE_IMPERIAL:
        Initialize();
        setCompetence(ALPHABETISATION, BASE);
        setCompetence(LANGUE_HAUT_GOTHIQUE, BASE);
        setCompetence(GENERAL_CREDO_IMPERIAL, BASE);
        setCompetence(GENERAL_GUERRE, BASE);
        setCompetence(GENERAL_IMPERIUM, BASE);
        ajouterCaracteristique(FM, +3);
        break;
    case MONDE_RUCHE:
        Initialize();
        ajouterCaracteristique(E, -5);
        ajouterCaracteristique(AG, +5);
        break;
    case MONDE_SAUVAGE:
        Initialize();
        ajouterCaracteristique(F, +5);
        ajouterCaracteristique(E, +5);
        ajouterCaracteristique(FM, -5);
        ajouterCaracteristique(SOC, -5);
        setCompetence(ORIENTATION_SURFACE, BASE);
        setCompetence(PISTAGE, BASE);
        setCompetence(SURVIE, BASE);
        // These shifts last only until the next recomputation of the skill:
        // the characteristics roll wipes them.
        modifCompetence(TECHNOMAITRISE, -10);
        modifCompetence(RESISTANCE_AUX_INTOXICATIONS, +10);
        break;
    default:  // no homeworld: the sheet keeps what it has
        break;
    }
}

std::string Joueur::getMonde(monde m) const
{
    switch (m) {
    case HORS_MONDE:
        return "Hors-Monde";
    case MONDE_IMPERIAL:
        return "Monde imperial";
    case MONDE_RUCHE:
        return "Monde-Ruche";
    case MONDE_SAUVAGE:
        return "Monde sauvage";
    default:
        return versWindows1252("Aucun monde séléctionné");
    }
}
