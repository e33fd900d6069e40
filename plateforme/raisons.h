#ifndef PLATEFORME_RAISONS_H
#define PLATEFORME_RAISONS_H

#include <string>

#include "stockage.h"

// The French words of each cause, whatever the process's locale: the system's
// own text only for AUTRE, a code that the program does not know.
std::string enFrancais(const Raison& raison);

// The French words of a failed operation: its reason, then what failed after it.
std::string enFrancais(const Echec& echec);

#endif
