#ifndef GENERATOR_CHARGEMENT_DESSIN_H
#define GENERATOR_CHARGEMENT_DESSIN_H

#include <string>

#include "dessin_fiches.h"

// The module that draws PDFs (vesperine-pdf.so, the only code linked with the
// PDF library), loaded at the first call and kept for the whole process, so
// that the dialogue never pays for the library. It is looked for beside the
// running executable (the build tree), then where the installation puts it
// relative to the executable's directory (VESPERINE_MODULE_INSTALLE, e.g.
// "../lib/vesperine"), so that it is found under any installation prefix.
// Answers its entry point, or nullptr with the reason in French in `raison`.
DessinFiches chargerDessin(std::string& raison);

// The entry point of the module file `chemin`, loaded now and never unloaded;
// nullptr with the reason in French.
DessinFiches chargerModuleDessin(const std::string& chemin, std::string& raison);

#endif
