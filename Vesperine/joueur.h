#ifndef VESPERINE_JOUEUR_H
#define VESPERINE_JOUEUR_H

#include <cstdint>
#include <string>

#include "definition.h"
#include "personnage.h"

// The player character: the character sheet plus experience, insanity,
// corruption, homeworld, divination, psyker sanctioning and career.
class Joueur : public Personnage {
public:
    Joueur();
    void setFolie(unsigned int v);
    void setCorruption(unsigned int v);
    void setExperience(unsigned int v);
    void setMonde(monde m);
    void setDivination(divination d);
    void setAssermentation(assermentation a);
    void setCarriere(int c);
    unsigned int getExperience() const;
    unsigned int getFolie() const;
    unsigned int getCorruption() const;
    monde getMonde() const;
    divination getDivination() const;
    assermentation getAssermentation() const;
    carriere getCarriere() const;
    std::string getMonde(monde m) const;
    std::string getDivination(divination d) const;
    std::string getAssermentation(assermentation a) const;
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
