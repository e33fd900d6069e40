#ifndef GENERATOR_QUESTIONS_H
#define GENERATOR_QUESTIONS_H

#include <cstddef>

#include "definition.h"

// What the creation dialogue takes for an answer where the model holds no count
// of it. The steps read these, and so does whoever answers in the player's place
// (hasard.h). The homeworld, career and looks menus have NB_MONDES, NB_CARRIERES
// and NB_APPARENCES options; confirmations, option picks and the end menu are
// answered with Createur's named answers.

// A number question's smallest and largest answers.
struct Bornes {
    int min;
    int max;
};
constexpr Bornes BORNES_AGE = {17, 70};
constexpr Bornes BORNES_TAILLE = {155, 210};  // cm
constexpr Bornes BORNES_POIDS = {45, 120};    // kg

constexpr int NB_SEXES = 2;  // "1)Masculin", "2)Feminin"

// The number of option picks that career c asks, one after the other
// (etape_carriere.cpp); 0 for AUCUNE_CARRIERE and any value outside the enumeration.
std::size_t nombreOptionsCarriere(carriere c);

#endif
