#ifndef TESTS_DES_SCRIPTES_H
#define TESTS_DES_SCRIPTES_H

#include <ctime>
#include <string>
#include <vector>

#include "des.h"

// A dice source for tests: never waits, and shows the faces it is given, in
// order. Each face is turned into the draw that gives it on a die of N faces,
// and that draw is answered for every draw after a seed.
class DesScriptes : public SourceDes {
public:
    struct Jet {
        int faces;
        int face;
    };

    explicit DesScriptes(std::vector<Jet> jets);
    // Reads "10:7 5:2 ..." (faces of the die, then the face shown).
    static std::vector<Jet> lire(const std::string& texte);
    // The smallest draw that shows `face` on a die of `faces` faces.
    static int tirage(int faces, int face);

    void attendreUneSeconde() override { ++secondes; }
    std::time_t heure() override { return secondes; }
    void semer(unsigned int graine) override;
    int tirer() override;

    std::size_t jetsFaits() const { return suivant; }
    bool epuise() const { return epuisee; }  // more dice thrown than scripted
    std::vector<unsigned int> graines;

private:
    std::vector<Jet> jets;
    std::size_t suivant = 0;
    int courant = 0;
    bool epuisee = false;
    std::time_t secondes = 1000;
};

#endif
