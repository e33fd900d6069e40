#ifndef GENERATOR_FICHE_H
#define GENERATOR_FICHE_H

#include <string>

#include "joueur.h"

struct Passe;

// The character sheet, in Windows-1252, as it is appended to its file.
std::string texteFiche(const Joueur& joueur, const Passe& p);

// The sheet's file name for a character name (Windows-1252): the name in UTF-8
// with each '/' (and NUL byte) made '_', then ".pdf". It can only name a file
// of the directory it is opened in.
std::string nomFichierFiche(const std::string& nom);

// Appends `contenu` to the file in one write and checks that it reached it.
// On failure answers the system's reason; on success an empty string.
std::string ajouterAuFichier(const std::string& chemin, const std::string& contenu);

#endif
