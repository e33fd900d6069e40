#ifndef VESPERINE_ETAT_H
#define VESPERINE_ETAT_H

#include <cstdint>

// The condition of a character: wounds, fate, fortune, critical damage, money, armour.
class Etat {
public:
    Etat() = default;

    void setBlessureActuelle(unsigned int v) { blessure_actuelle = v; }
    void setBlessureMaximum(unsigned int v) { blessure_maximum = v; }
    void setDestin(unsigned int v) { destin = v; }
    void setFortune(unsigned int v) { fortune = v; }
    void setDegatCritique(unsigned int v) { degats_critiques = v; }
    void setArgent(unsigned int v) { argent = v; }

    unsigned int getBlessureActuelle() const { return blessure_actuelle; }
    unsigned int getBlessureMaximum() const { return blessure_maximum; }
    unsigned int getDestin() const { return destin; }
    unsigned int getFortune() const { return fortune; }
    unsigned int getDegatCritique() const { return degats_critiques; }
    unsigned int getArgent() const { return argent; }

private:
    std::uint32_t blessure_actuelle = 1;
    std::uint32_t blessure_maximum = 1;
    std::uint32_t destin = 0;
    std::uint32_t fortune = 0;
    std::uint32_t degats_critiques = 0;
    std::uint32_t argent = 0;
    [[maybe_unused]] std::uint32_t armure[6] = {0, 0, 0, 0, 0, 0};  // no accessor yet
};

#endif
