#ifndef GENERATOR_OPTIONS_H
#define GENERATOR_OPTIONS_H

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// What the command line asks for.
struct LigneDeCommande {
    // True when the program must stop at once with `statut`: after the help or
    // the version (0, or 1 when they could not be written whole), or after a
    // wrong option or argument (2).
    bool terminer = false;
    int statut = 0;
    // --graine N: the dice draw from a generator seeded once with `graine`.
    bool avecGraine = false;
    std::uint32_t graine = 0;
    // --imprimable: each saved sheet is also written as a printable PDF beside it.
    bool imprimable = false;
    // --imprimer [-o SORTIE] FICHE...: no dialogue; each sheet file of `fiches`
    // is printed, to `sortie` when given ("-" for standard output).
    bool imprimer = false;
    std::vector<std::string> fiches;
    std::optional<std::string> sortie;
    // --hasard NOM...: no dialogue; a character drawn at random for each name of
    // `noms` (pointers into argv: the names cost no copy, however many), of the
    // homeworld `monde` and the career `carriere` when not 0 (their menu numbers,
    // from --monde N and --carriere N), else drawn too.
    bool hasard = false;
    std::vector<const char*> noms;
    int monde = 0;
    int carriere = 0;
};

// Checks every argument before anything is done: an unknown option, an
// argument outside --imprimer's sheet files and --hasard's names, --graine
// without a whole number from 0 to 4294967295 (decimal digits, leading zeros
// allowed), --monde or --carriere without a number of its menu or without
// --hasard, --imprimer without a sheet file or beside --graine, --imprimable or
// --hasard, --hasard without a name or with a name that the dialogue cannot
// read back whole (estUnMot), -o without --imprimer, with an empty name or with more than one
// sheet file, writes a French message and the usage line on `erreurs`, whatever else
// the line holds. After "--" every argument is a sheet file or a name. Otherwise --help (-h) writes the
// usage text and --version the program's name and version on `sortie`, the
// first of them given; when `sortie` does not take it all, a French message on
// `erreurs` says so. Without options nothing is written and the dialogue runs
// with the real dice.
// REQUIRES: argv[0] to argv[argc - 1] are C strings, alive as long as the answer.
LigneDeCommande lireLigneDeCommande(int argc, const char* const argv[], std::ostream& sortie, std::ostream& erreurs);

#endif
