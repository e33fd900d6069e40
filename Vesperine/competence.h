#ifndef VESPERINE_COMPETENCE_H
#define VESPERINE_COMPETENCE_H

#include <cstdint>
#include <string>

#include "definition.h"

// One skill of a character: a plain record that only the character sheet reads or writes.
class Competence {
    friend class Personnage;

    std::string nom;
    caracteristique carac = CC;
    maitrise lv = INAPTE;
    std::int32_t valeur = 0;
    skillType type = BASE;
};

#endif
