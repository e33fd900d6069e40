#ifndef TESTS_PANNES_H
#define TESTS_PANNES_H

#include <map>
#include <set>
#include <string>
#include <vector>

// A fault description read, for the fakes of either system (appels_en_panne.h
// tells the lines). No system header: each fake gives the names their meaning.

// What happens at one call.
struct Panne {
    std::vector<std::string> signaux;  // "SIGTERM", in the order of the lines
    std::string erreur;                // "ENOSPC"; empty for none
    bool courte = false;               // a write writes half its bytes
    std::string autreProgramme;        // "lien", "supprime" or "remplace"; empty for none
};

// Operation, then call number (from 1), then what happens there.
using Pannes = std::map<std::string, std::map<int, Panne>>;

// The error and signal names a line may give.
extern const std::set<std::string> ERREURS;
extern const std::set<std::string> SIGNAUX;

// Reads `description`, whose operations must be among `operations` (blank
// separated); a line that names anything else throws std::invalid_argument.
Pannes lirePannes(const std::string& description, const std::string& operations);

#endif
