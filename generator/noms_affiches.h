#ifndef GENERATOR_NOMS_AFFICHES_H
#define GENERATOR_NOMS_AFFICHES_H

#include "definition.h"

// The names that the creation dialogue shows for a homeworld and a career once
// chosen, in UTF-8 ("Monde impérial", "Garde impérial"), for any view of the
// character that must show what the dialogue showed. They are spelled
// differently from Joueur::getMonde and getCarriere on purpose. Each answers ""
// for the none value and for any value outside its enumeration.
const char* nomMondeAffiche(monde m);        // etape_monde.cpp
const char* nomCarriereAffiche(carriere c);  // etape_carriere.cpp

#endif
