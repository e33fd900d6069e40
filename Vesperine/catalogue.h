#ifndef VESPERINE_CATALOGUE_H
#define VESPERINE_CATALOGUE_H

#include "definition.h"

// What the game knows of every skill, talent, power, career and divination, one row per entry in
// enumerator order. Names are written in UTF-8 here and stored by the character
// sheet as Windows-1252.

struct EntreeCompetence {
    const char* nom;
    caracteristique carac;
    skillType type;
};

struct EntreePouvoir {
    const char* nom;
    domaine ddomaine;
    unsigned seuil;
    action focalisation;
    unsigned portee;
};

// A career's starting skills (granted trained) and talents (held once), in the
// order they are granted.
struct EntreeCarriere {
    static constexpr int MAX = 8;
    int nbCompetences;
    skill competences[MAX];
    int nbTalents;
    talent talents[MAX];
};

constexpr int NB_CARRIERES = 8;
constexpr int NB_DIVINATIONS = 28;

extern const EntreeCompetence CATALOGUE_COMPETENCES[NB_COMPETENCES];
extern const char* const CATALOGUE_TALENTS[NB_TALENTS];
extern const EntreePouvoir CATALOGUE_POUVOIRS[NB_POUVOIRS];
extern const EntreeCarriere CATALOGUE_CARRIERES[NB_CARRIERES];
// The motto of every divination, MUTATION_EXTERIEURE to COMMENT_SERVIR, with its marks.
extern const char* const CATALOGUE_DIVINATIONS[NB_DIVINATIONS];

#endif
