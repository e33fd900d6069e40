#ifndef GENERATOR_HASARD_H
#define GENERATOR_HASARD_H

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "impression.h"
#include "options.h"
#include "stockage.h"

// Characters drawn at random for the game master (--hasard). Every answer a
// player would give is drawn, evenly among those the dialogue takes, and the
// dialogue itself (Createur) makes and saves the character from them, its
// screen unseen: its rules, its dice and its save are the only ones.

// One character's answers, as the dialogue's menus number them (from 1).
struct ReponsesTirees {
    int monde = 0;             // 1 to NB_MONDES
    int carriere = 0;          // 1 to NB_CARRIERES
    std::vector<int> options;  // each option pick of the career, in order: Createur's PREMIERE or SECONDE_ALTERNATIVE
    int sexe = 0;              // 1 to NB_SEXES
    int stature = 0;           // 1 to NB_APPARENCES, in the homeworld's menus
    int peau = 0;
    int cheveux = 0;
    int age = 0;  // within BORNES_AGE, BORNES_TAILLE and BORNES_POIDS (questions.h)
    int taille = 0;
    int poids = 0;
};

// A whole number from `min` to `max`, each as likely, from `generateur`'s next
// outputs: the reduction is this one's, the same with every standard library
// (std::uniform_int_distribution is not). REQUIRES: min <= max.
int tirerEntre(std::mt19937& generateur, int min, int max);

// Every answer of one character, drawn in the order the dialogue asks them; the
// homeworld `monde` and the career `carriere` are kept when not 0.
// REQUIRES: monde from 0 to NB_MONDES, carriere from 0 to NB_CARRIERES.
ReponsesTirees tirerReponses(std::mt19937& generateur, int monde, int carriere);

// The answers as typed into the dialogue for the name `nom`, one step a line:
// each step confirmed at once, then the end menu's save and, should the save
// fail (the menu comes back), its quit.
std::string texteReponses(const ReponsesTirees& reponses, const std::string& nom);

// The generator of a batch's answers for the seed `graine`: std::mt19937 seeded
// through std::seed_seq, apart from the dice, which are SourceGraine(graine), as
// in the dialogue with --graine.
std::mt19937 generateurReponses(std::uint32_t graine);

// The batch of --hasard: without --graine the seed is drawn from the system's
// random source and written first ("Graine : N"); then for each name of
// `ligne.noms`, in order, the character of tirerReponses made and saved by the
// dialogue in the current directory through `stockage`, and one line on `sortie`
// ("Kael : Hors-monde, Adepte, fiche « Kael.pdf »"); with --imprimable its
// printable sheet beside it, by `imprimeur` (the program's when null). A failure
// is said on `erreurs` by the dialogue or the print, and the batch goes on with
// the next name. Answers 0, or 1 when anything failed.
// REQUIRES: ligne.hasard, and its names each estUnMot.
int creerAuHasard(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs, Stockage& stockage,
                  const Imprimeur* imprimeur);

#endif
