#ifndef VESPERINE_CATALOGUE_H
#define VESPERINE_CATALOGUE_H

#include "definition.h"
#include "table.h"

// What the game knows of every skill, talent, power, homeworld and career: one
// row per enumerator, in enumerator order, each row beginning with its own key.
// Each table is defined in its catalogue_*.cpp, where the compiler checks that
// it has one row per enumerator and row i for key i; elsewhere it is read by
// index, 0 to NB_... - 1. Names are written in UTF-8 here and stored by the
// character sheet as Windows-1252.

struct EntreeCompetence {
    skill cle;
    const char* nom;
    caracteristique carac;
    skillType type;
};

struct EntreeTalent {
    talent cle;
    const char* nom;
};

struct EntreePouvoir {
    pouvoir cle;
    const char* nom;
    domaine ddomaine;
    unsigned seuil;
    action focalisation;
    unsigned portee;
};

// A change of a characteristic or of a skill's value by `delta`.
struct ModificationCaracteristique {
    caracteristique carac;
    int delta;
};
struct ModificationCompetence {
    skill competence;
    int delta;
};

// What a homeworld does to a sheet that Initialize has just reset, in this
// order: its characteristic changes, the skills it makes basic, then the shifts
// of skill values (these last only until the skill is next recomputed).
struct EntreeMonde {
    static constexpr std::size_t MAX = 5;
    monde cle;
    ListeCourte<ModificationCaracteristique, MAX> caracteristiques;
    ListeCourte<skill, MAX> competencesDeBase;
    ListeCourte<ModificationCompetence, MAX> decalages;
};

// A career's starting skills (granted trained) and talents (held once), in the
// order they are granted.
struct EntreeCarriere {
    static constexpr std::size_t MAX = 8;
    carriere cle;
    ListeCourte<skill, MAX> competences;
    ListeCourte<talent, MAX> talents;
};

extern const EntreeCompetence CATALOGUE_COMPETENCES[];  // NB_COMPETENCES rows
extern const EntreeTalent CATALOGUE_TALENTS[];          // NB_TALENTS rows
extern const EntreePouvoir CATALOGUE_POUVOIRS[];        // NB_POUVOIRS rows
extern const EntreeMonde CATALOGUE_MONDES[];            // NB_MONDES rows
extern const EntreeCarriere CATALOGUE_CARRIERES[];      // NB_CARRIERES rows

// True for a skill that some homeworld makes basic or shifts.
bool estCompetenceDesMondes(skill s);

#endif
