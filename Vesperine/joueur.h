#ifndef VESPERINE_JOUEUR_H
#define VESPERINE_JOUEUR_H

#include <cstdint>
#include <string>

#include "definition.h"
#include "personnage.h"

// The player character: the character sheet plus experience, insanity,
// corruption, homeworld, divination, psyker sanctioning and career.
//
// The rule operations change the sheet only through Personnage's operations; a
// characteristic change is read, add, write back. The naming operations take
// their value as argument and ignore the stored one; they answer Windows-1252.
// Any value is accepted and stored as it is; one outside the enumeration has no effect.
class Joueur : public Personnage {
public:
    // Experience 400, insanity and corruption 0, no homeworld, divination or
    // sanctioning; the career is set by setCarriere.
    Joueur();
    void setFolie(unsigned int v);
    void setCorruption(unsigned int v);
    void setExperience(unsigned int v);
    // Stores m. For one of the four homeworlds, in this order: Initialize, its
    // characteristic changes, the skills it makes basic, then its shifts of skill
    // values (lost at the skill's next recomputation); see CATALOGUE_MONDES. Any
    // other value leaves the sheet as it is, an earlier homeworld's effects included.
    void setMonde(monde m);
    // Stores d; nothing else.
    void setDivination(divination d);
    // Stores a, then adds the outcome's effects to what earlier outcomes left
    // (insanity, money, characteristics, a talent); most outcomes have none.
    void setAssermentation(assermentation a);
    // Stores c as it is, then in this order: no talent held, every skill
    // untrained (types kept: a skill the homeworld made basic stays basic), and
    // for a career 0 to NB_CARRIERES - 1 its skills trained and its talents held
    // once, both members of every option pick included (see CATALOGUE_CARRIERES).
    void setCarriere(int c);
    unsigned int getExperience() const;
    unsigned int getFolie() const;
    unsigned int getCorruption() const;
    monde getMonde() const;
    divination getDivination() const;
    assermentation getAssermentation() const;
    carriere getCarriere() const;
    // "Hors-Monde"... or "Aucun monde séléctionné".
    std::string getMonde(monde m) const;
    // The motto with its marks; "Aucune divination" for AUCUNE_DIVINATION, "Erreur" outside the enumeration.
    std::string getDivination(divination d) const;
    // The outcome's name, or "Aucune assermentation".
    std::string getAssermentation(assermentation a) const;
    // "Adepte"... or "Aucune carriere".
    std::string getCarriere(carriere c) const;
    ~Joueur() = default;

private:
    // A characteristic change: read, add, write back.
    void ajouterCaracteristique(caracteristique k, int delta);

    std::uint32_t experience = 400;
    std::uint32_t folie = 0;
    std::uint32_t corruption = 0;
    monde monde_natale = AUCUN_MONDE;
    divination tarot = AUCUNE_DIVINATION;
    assermentation assermentation_psy = AUCUNE_ASSERMENTATION;
    carriere plan = AUCUNE_CARRIERE;  // set for real by setCarriere
};

#endif
