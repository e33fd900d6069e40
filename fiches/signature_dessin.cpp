#include "dessin_fiches.h"

#ifndef VESPERINE_VERSION
#error "VESPERINE_VERSION must name the program's version"
#endif

std::string signatureDessin() { return VESPERINE_VERSION "-" + std::to_string(sizeof(Fiche)); }
