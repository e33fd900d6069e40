#ifndef GENERATOR_FICHE_H
#define GENERATOR_FICHE_H

#include <string>

#include "joueur.h"
#include "vue_fiche.h"

// The text sheet, byte for byte as it is appended to its file (Windows-1252,
// '\n' line ends): profile, characteristics, skills, talents, wounds and fate
// points. The homeworld and the career are not part of it.
std::string texteFiche(const Fiche& fiche);
// The text sheet of `joueur`.
std::string texteFiche(const Joueur& joueur);

// The sheet's file name for a character name as it was typed (its UTF-8 bytes,
// so that different names give different files): each '/' and NUL byte made
// '_', a leading '.' made '_', then ".pdf". A name too long for a file name is
// cut before a whole UTF-8 character (a byte that starts none counts alone) so
// that the whole fits in 255 bytes. The result can only name a plain file of
// the directory it is opened in.
std::string nomFichierFiche(const std::string& nomTape);

#endif
