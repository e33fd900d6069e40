#ifndef VESPERINE_PROFIL_H
#define VESPERINE_PROFIL_H

#include <cstdint>
#include <ostream>
#include <string>

// The description of a character: name, sex, build, skin, hair, age, height, weight.
class Profil {
public:
    Profil() = default;
    ~Profil() = default;

    void setNom(std::string v) { nom = std::move(v); }
    void setTaille(unsigned int v) { taille = v; }
    void setSexe(std::string v) { sexe = std::move(v); }
    void setStature(std::string v) { stature = std::move(v); }
    void setPeau(std::string v) { peau = std::move(v); }
    void setCheveux(std::string v) { cheveux = std::move(v); }
    void setAge(unsigned int v) { age = v; }
    void setPoid(unsigned int v) { poid = v; }

    std::string getNom() const { return nom; }
    std::string getSexe() const { return sexe; }
    std::string getStature() const { return stature; }
    std::string getPeau() const { return peau; }
    std::string getCheveux() const { return cheveux; }
    unsigned int getAge() const { return age; }
    unsigned int getTaille() const { return taille; }
    unsigned int getPoid() const { return poid; }

    // Three lines and two empty ones, each value left-aligned in its field (name
    // 5, sex 10, skin 19, age 5, height 8, weight 5; a longer value is written
    // whole). The stream's format flags are left as they were found.
    void Afficher(std::ostream& flux) const;

private:
    std::string nom;
    std::string sexe;
    std::string stature;
    std::string peau;
    std::string cheveux;
    std::uint32_t age = 18;
    std::uint32_t taille = 150;
    std::uint32_t poid = 40;
};

#endif
