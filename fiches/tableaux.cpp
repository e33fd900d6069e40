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

std::string lignesCompetences(const Fiche& fiche)
{
    std::string lignes;
    for (const Fiche::Competence& c : fiche.competences) {
        lignes += c.nom + ':' + std::to_string(c.valeur) + '\n';
    }
    return lignes;
}

std::string lignesTalents(const Fiche& fiche)
{
    std::string lignes;
    for (const std::string& nom : fiche.talents) {
        lignes += nom + '\n';
    }
    return lignes;
}
