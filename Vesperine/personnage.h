#ifndef VESPERINE_PERSONNAGE_H
#define VESPERINE_PERSONNAGE_H

#include <cstdint>
#include <string>
#include <vector>

#include "competence.h"
#include "definition.h"
#include "etat.h"
#include "pouvoir.h"
#include "profil.h"
#include "talent.h"

// The character sheet: nine characteristics, what derives from them, one record
// for every skill, talent and psychic power of the game, the discipline flags,
// the profile and the condition.
//
// Enumerator arguments index the arrays. A value outside its enumeration (a cast
// integer) never reaches outside them: setters ignore it, getters answer a
// neutral value (0, INAPTE, SANS_TALENT, an empty string, false).
class Personnage {
public:
    // Every characteristic at 20 (nothing derived yet), then one record per
    // skill, talent and power from the catalogues: untrained, not held, and a
    // copy of each in its *_liste vector.
    Personnage();
    ~Personnage() = default;

    unsigned int getCaracteristique(caracteristique k) const;
    // Stores v, then recomputes in this order: the skills resting on k; for AG
    // the movement, then the initiative; for E the fatigue threshold.
    void setCaracteristique(caracteristique k, unsigned int v);

    // Fills the catalogue record `competences[s]` (used by the constructor): the
    // value follows the value rule unless m is outside INAPTE to MAITRE.
    void setCompetence(skill s, std::string nom, maitrise m, skillType t, caracteristique k);
    // The live skill (competences_liste[s]): sets its mastery or its type, then
    // recomputes every skill on its characteristic.
    void setCompetence(skill s, maitrise m);
    void setCompetence(skill s, skillType t);
    // Adds delta to the live skill's value; the next recomputation of the skill undoes it.
    void modifCompetence(skill s, int delta);
    int getCompetence(skill s) const;
    std::string getCompetenceNom(skill s) const;

    void setTalent(talent t, std::string nom, talent_multiple k);
    void setTalent(talent t, talent_multiple k);
    talent_multiple getTalent(talent t) const;
    std::string getTalentNom(talent t) const;

    // Fills power record p (used by the constructor), with the display name of d.
    void setPouvoir(std::string nom, pouvoir p, unsigned int seuil, action a, domaine d, maitrise m,
                    unsigned int portee);
    // Sets the power's level only while the flag of its discipline is set: 1 then, 0 (and no change) otherwise.
    int setPouvoir(pouvoir p, maitrise m);
    maitrise getPouvoir(pouvoir p) const;
    std::string getPouvoirNom(pouvoir p) const;
    std::string getPouvoirNomDomaine(pouvoir p) const;
    domaine getPouvoirDomaine(pouvoir p) const;

    void setPsyker(domaine d, bool actif);
    bool getPsyker(domaine d) const;

    // The initiative becomes the agility bonus, AG / 10.
    void UpdateInitiative();

protected:
    // Every live skill resting on k gets the value rule's value again.
    void UpdateCompetences(caracteristique k);
    // Movement bonus AG / 10, 5 from AG 60 on: half move, full move (x2), charge and run (x3).
    void UpdateDeplacement();
    // E / 10, and 1 below E 10.
    void UpdateFatigue();
    // Back to the start before a homeworld, in this order: every characteristic
    // to 20 (CC to SOC, through setCaracteristique); every skill that a homeworld
    // acts on and the catalogue has advanced (eleven) to advanced and untrained;
    // no talent held; every power of a flagged discipline untrained. Flags,
    // profile and condition stay.
    void Initialize();

    static constexpr int NB_DRAPEAUX_PSY = 10;

    std::uint32_t fatigue_totale = 0;
    std::uint32_t fatigue_actuelle = 0;
    std::uint32_t initiative = 0;
    std::uint32_t demi_deplacement = 0;
    std::uint32_t deplacement_complet = 0;
    std::uint32_t charge = 0;
    std::uint32_t course = 0;
    bool psyker[NB_DRAPEAUX_PSY] = {};
    std::uint32_t caracteristiques[NB_CARACTERISTIQUES] = {};

public:
    Talent talents[NB_TALENTS];
    std::vector<Talent> talents_liste;
    Competence competences[NB_COMPETENCES];
    std::vector<Competence> competences_liste;
    Pouvoir power[NB_POUVOIRS];
    std::vector<Pouvoir> pouvoirs_liste;
    Profil profil;
    Etat etat;

private:
    // The value rule: an untrained basic skill counts half its characteristic,
    // an untrained advanced one nothing, each degree of mastery above trained +10.
    static std::int32_t valeurCompetence(unsigned int v, maitrise m, skillType t);
    bool competenceValide(skill s) const;
};

#endif
