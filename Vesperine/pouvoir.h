#ifndef VESPERINE_POUVOIR_H
#define VESPERINE_POUVOIR_H

#include <cstdint>
#include <string>

#include "definition.h"

// One psychic power of a character: a plain record that only the character sheet reads or writes.
class Pouvoir {
    friend class Personnage;

    std::string nom;
    std::string nom_domaine;
    std::uint32_t seuil = 0;
    action focalisation = DEMI_ACTION;
    domaine ddomaine = MINEUR;
    maitrise level = INAPTE;
    std::uint32_t portee = 0;  // a bare number; 0 for a power without range
};

#endif
