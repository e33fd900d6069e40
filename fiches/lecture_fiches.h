#ifndef GENERATOR_LECTURE_FICHES_H
#define GENERATOR_LECTURE_FICHES_H

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "vue_fiche.h"

// What a file of text sheets holds: the sheets in file order, or why reading stopped.
struct LectureFiches {
    std::vector<Fiche> fiches;
    std::string raison;  // empty when every sheet was read; else French, "ligne N : ..."
};

// Bounds on what is read, so that memory stays small whatever the input.
constexpr std::size_t LIGNE_MAX = 8192;                           // bytes of a line; a typed name holds at most 4096
constexpr std::size_t FICHES_MAX = 500;                           // sheets in one file
constexpr std::size_t TAILLE_MAX = std::size_t{2} * 1024 * 1024;  // bytes of one file

// Reads every sheet of `flux`, one after the other with nothing between them,
// as the program appends them: Windows-1252 text whose lines end in LF or CR LF.
// The layout is read leniently (the name is the word that "Sexe:" follows, the
// fields' padding may vary), then each sheet is accepted only if it is written
// back byte for byte by texteFiche (line ends taken as LF). Reading stops at the
// first line that is not where a sheet would have it, at a line longer than
// LIGNE_MAX, past TAILLE_MAX bytes or FICHES_MAX sheets, and when the input
// holds no sheet; the reason names that line. The homeworld and career of the
// sheets read are empty.
LectureFiches lireFiches(std::istream& flux);

#endif
