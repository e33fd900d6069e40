#ifndef GENERATOR_TABLEAUX_H
#define GENERATOR_TABLEAUX_H

#include <string>

#include "definition.h"
#include "personnage.h"

// The blocks that the screen and the character sheet share, in Windows-1252,
// each line ended by '\n'. A row of characteristics has no line end of its own.

// "CC", "CT", ... "Soc", each left-aligned in a field of 6.
std::string enTeteCaracteristiques();
// Nine values, each left-aligned in a field of 6.
std::string ligneCaracteristiques(const int valeurs[NB_CARACTERISTIQUES]);
// The characteristics of the sheet, as the values above.
std::string ligneCaracteristiques(const Personnage& personnage);
// "Name:value" for every skill worth more than 0, in skill order.
std::string lignesCompetences(const Personnage& personnage);
// The name of every talent held, in talent order.
std::string lignesTalents(const Personnage& personnage);

#endif
