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

// The five looks of one kind (stature, skin or hair) that a homeworld offers,
// in menu order: as the menu lists them, and as the profile keeps them. The two
// spellings differ for a few looks; each is the game's own.
constexpr std::size_t NB_APPARENCES = 5;
struct Apparences {
    const char* libelles[NB_APPARENCES];
    const char* textes[NB_APPARENCES];
};

// A homeworld. What it does to a sheet that Initialize has just reset, in this
// order: its characteristic changes, the skills it makes basic, then the shifts
// of skill values (these last only until the skill is next recomputed). Then
// what the creation rolls and chooses from: wounds, fate points, looks.
struct EntreeMonde {
    static constexpr std::size_t MAX = 5;
    monde cle;
    ListeCourte<ModificationCaracteristique, MAX> caracteristiques;
    ListeCourte<skill, MAX> competencesDeBase;
    ListeCourte<ModificationCompetence, MAX> decalages;
    int baseBlessures;  // the wounds are this plus a D5
    int destin[3];      // fate points for a D10 of 1 to 4, of 5 to 8, of 9 or 10
    Apparences statures;
    Apparences peaux;
    Apparences cheveux;

    // The fate points for the D10 `de`.
    constexpr int pointsDeDestin(int de) const
    {
        if (de <= 4) {
            return destin[0];
        }
        return de <= 8 ? destin[1] : destin[2];
    }
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

// The row of homeworld m; nullptr for AUCUN_MONDE and any value outside the enumeration.
const EntreeMonde* entreeMonde(monde m);

// True for a skill that some homeworld makes basic or shifts.
bool estCompetenceDesMondes(skill s);

#endif
