#include "tableaux.h"

#include <iomanip>
#include <sstream>

namespace {

constexpr int LARGEUR_COLONNE = 6;

}  // namespace

std::string enTeteCaracteristiques()
{
    std::ostringstream ligne;
    ligne << std::left;
    for (int k = CC; k <= SOC; ++k) {
        ligne << std::setw(LARGEUR_COLONNE) << getCaracteristiqueLabel(static_cast<caracteristique>(k));
    }
    return ligne.str();
}

std::string ligneCaracteristiques(const int valeurs[NB_CARACTERISTIQUES])
{
    std::ostringstream ligne;
    ligne << std::left;
    for (int k = CC; k <= SOC; ++k) {
        ligne << std::setw(LARGEUR_COLONNE) << valeurs[k];
    }
    return ligne.str();
}

std::string ligneCaracteristiques(const Personnage& personnage)
{
    int valeurs[NB_CARACTERISTIQUES];
    for (int k = CC; k <= SOC; ++k) {
        valeurs[k] = static_cast<int>(personnage.getCaracteristique(static_cast<caracteristique>(k)));
    }
    return ligneCaracteristiques(valeurs);
}

std::string lignesCompetences(const Personnage& personnage)
{
    std::string lignes;
    for (int s = 0; s < NB_COMPETENCES; ++s) {
        const int valeur = personnage.getCompetence(static_cast<skill>(s));
        if (valeur > 0) {
            lignes += personnage.getCompetenceNom(static_cast<skill>(s)) + ':' + std::to_string(valeur) + '\n';
        }
    }
    return lignes;
}

std::string lignesTalents(const Personnage& personnage)
{
    std::string lignes;
    for (int t = 0; t < NB_TALENTS; ++t) {
        if (personnage.getTalent(static_cast<talent>(t)) != SANS_TALENT) {
            lignes += personnage.getTalentNom(static_cast<talent>(t)) + '\n';
        }
    }
    return lignes;
}
