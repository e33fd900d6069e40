#ifndef PLATEFORME_CHARGEMENT_DESSIN_H
#define PLATEFORME_CHARGEMENT_DESSIN_H

#include <string>

#include "dessin_fiches.h"

// Where the module that draws PDFs is looked for and how it is loaded: the only
// code linked with the PDF library, loaded at the first print and kept for the
// whole process, so that the dialogue never pays for the library. It is looked
// for beside the running executable (the build tree), then where the
// installation puts it relative to the executable's directory
// (VESPERINE_MODULE_INSTALLE, e.g. "../lib/vesperine"), so that any
// installation prefix works. Answers its entry point, or nullptr with the
// reason in French in `raison`. `signature` is the program's signatureDessin.
DessinFiches chargerDessin(const std::string& signature, std::string& raison);

// The entry point of the module file `chemin`, loaded now and never unloaded
// when it is a regular file whose signature is `signature` (built from this
// version of the program); nullptr with the reason in French.
DessinFiches chargerModuleDessin(const std::string& chemin, const std::string& signature, std::string& raison);

#endif
