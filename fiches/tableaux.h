#ifndef GENERATOR_TABLEAUX_H
#define GENERATOR_TABLEAUX_H

#include <string>

#include "definition.h"
#include "vue_fiche.h"

// The blocks that the screen and the character sheet share, in Windows-1252,
// each line ended by '\n'. A row of characteristics has no line end of its own.

// "CC", "CT", ... "Soc", each left-aligned in a field of 6.
std::string enTeteCaracteristiques();
// Nine values, each left-aligned in a field of 6.
std::string ligneCaracteristiques(const int valeurs[NB_CARACTERISTIQUES]);
// "Name:value" for every skill of the sheet, in its order.
std::string lignesCompetences(const Fiche& fiche);
// The name of every talent of the sheet, in its order.
std::string lignesTalents(const Fiche& fiche);

#endif
