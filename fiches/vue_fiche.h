#ifndef GENERATOR_VUE_FICHE_H
#define GENERATOR_VUE_FICHE_H

#include <string>
#include <vector>

#include "definition.h"
#include "joueur.h"

// What one character sheet shows, as plain data: the text sheet's content,
// plus the homeworld and career, which a text sheet does not hold. Texts are
// Windows-1252, as the sheet stores them; numbers as the sheet writes them.
struct Fiche {
    struct Competence {
        std::string nom;
        int valeur = 0;  // above 0: the sheet lists no other
    };

    std::string nom;
    std::string sexe;
    std::string stature;
    std::string peau;
    std::string cheveux;
    unsigned int age = 0;
    unsigned int taille = 0;
    unsigned int poid = 0;
    std::string monde;     // the dialogue's name of the homeworld; empty when unknown
    std::string carriere;  // the dialogue's name of the career; empty when unknown
    int caracteristiques[NB_CARACTERISTIQUES] = {};
    std::vector<Competence> competences;  // in sheet order
    std::vector<std::string> talents;     // in sheet order
    unsigned int blessuresActuelles = 0;
    unsigned int blessuresMaximum = 0;
    unsigned int destin = 0;
};

// The sheet of `joueur`: its profile and condition, its characteristics, every
// skill worth more than 0 and every talent held, in catalogue order; `monde` and
// `carriere` are the names the dialogue showed (Windows-1252), or empty.
Fiche ficheDuJoueur(const Joueur& joueur, std::string monde, std::string carriere);

#endif
