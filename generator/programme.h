#ifndef GENERATOR_PROGRAMME_H
#define GENERATOR_PROGRAMME_H

#include <istream>
#include <ostream>

#include "impression.h"
#include "stockage.h"

// The whole program once its process is set up (main sets the locale, the
// signals and the standard streams): reads the command line argv[0] to
// argv[argc - 1], then prints the sheet files of --imprimer, or makes the
// characters of --hasard (hasard.h), or runs the creation dialogue on `entree`
// and `sortie` with the dice of --graine or the current source, saving sheets in the current directory and, with
// --imprimable, the printable sheet beside each. Files go through `stockage`;
// PDFs are made by `imprimeur`, the program's when it is null. Answers the exit status.
// REQUIRES: argv[0] to argv[argc - 1] are C strings.
int programme(int argc, const char* const argv[], std::istream& entree, std::ostream& sortie, std::ostream& erreurs,
              Stockage& stockage, const Imprimeur* imprimeur = nullptr);

#endif
