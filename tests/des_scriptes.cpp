#include "des_scriptes.h"

#include <sstream>

DesScriptes::DesScriptes(std::vector<Jet> j) : jets(std::move(j)) {}

std::vector<DesScriptes::Jet> DesScriptes::lire(const std::string& texte)
{
    std::vector<Jet> jets;
    std::istringstream in(texte);
    std::string mot;
    while (in >> mot) {
        const std::size_t deuxPoints = mot.find(':');
        jets.push_back({std::stoi(mot.substr(0, deuxPoints)), std::stoi(mot.substr(deuxPoints + 1))});
    }
    return jets;
}

int DesScriptes::tirage(int faces, int face)
{
    // floor(r * faces / 32768) + 1 == face for the smallest r = ceil((face - 1) * 32768 / faces)
    return ((face - 1) * 32768 + faces - 1) / faces;
}

void DesScriptes::semer(unsigned int graine)
{
    graines.push_back(graine);
    if (suivant < jets.size()) {
        courant = tirage(jets[suivant].faces, jets[suivant].face);
        ++suivant;
    } else {
        epuisee = true;
        courant = 0;
    }
}

int DesScriptes::tirer() { return courant; }
