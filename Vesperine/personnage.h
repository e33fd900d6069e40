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
    Personnage();
    ~Personnage() = default;

    unsigned int getCaracteristique(caracteristique k) const;
    void setCaracteristique(caracteristique k, unsigned int v);

    void setCompetence(skill s, std::string nom, maitrise m, skillType t, caracteristique k);
    void setCompetence(skill s, maitrise m);
    void setCompetence(skill s, skillType t);
    void modifCompetence(skill s, int delta);
    int getCompetence(skill s) const;
    std::string getCompetenceNom(skill s) const;

    void setTalent(talent t, std::string nom, talent_multiple k);
    void setTalent(talent t, talent_multiple k);
    talent_multiple getTalent(talent t) const;
    std::string getTalentNom(talent t) const;

    void setPouvoir(std::string nom, pouvoir p, unsigned int seuil, action a, domaine d, maitrise m,
                    unsigned int portee);
    int setPouvoir(pouvoir p, maitrise m);
    maitrise getPouvoir(pouvoir p) const;
    std::string getPouvoirNom(pouvoir p) const;
    std::string getPouvoirNomDomaine(pouvoir p) const;
    domaine getPouvoirDomaine(pouvoir p) const;

    void setPsyker(domaine d, bool on);
    bool getPsyker(domaine d) const;

    void UpdateInitiative();

protected:
    void UpdateCompetences(caracteristique k);
    void UpdateDeplacement();
    void UpdateFatigue();
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
