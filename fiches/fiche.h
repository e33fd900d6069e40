#ifndef GENERATOR_FICHE_H
#define GENERATOR_FICHE_H

#include <cstddef>
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
// Windows names the same files with more rules (RegleNoms::WINDOWS): each of
// \ : * ? " < > | and each control byte is made '_' too (no path, drive or
// stream can be named), and a name whose part before the first '.' is a
// device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, CONIN$, CONOUT$, in
// any case) gets a '_' after that part ("CON_.pdf"). The rule of the system
// the program is built for is the default.
enum class RegleNoms { POSIX, WINDOWS };
#ifdef _WIN32
constexpr RegleNoms REGLE_NOMS_SYSTEME = RegleNoms::WINDOWS;
#else
constexpr RegleNoms REGLE_NOMS_SYSTEME = RegleNoms::POSIX;
#endif
std::string nomFichierFiche(const std::string& nomTape, RegleNoms regle = REGLE_NOMS_SYSTEME);

// The most bytes of a file name on the usual file systems.
constexpr std::size_t NOM_FICHIER_MAX = 255;

// The longest start of `nom` made of whole UTF-8 characters (a byte that starts
// none counts alone) that holds in `place` bytes.
std::string debutQuiTient(const std::string& nom, std::size_t place);

#endif
