#ifndef VESPERINE_TALENT_H
#define VESPERINE_TALENT_H

#include <string>

#include "definition.h"

// One talent of a character: a plain record that only the character sheet reads or writes.
class Talent {
    friend class Personnage;

    std::string nom;
    talent_multiple possede = SANS_TALENT;
};

#endif
