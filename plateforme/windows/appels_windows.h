#ifndef PLATEFORME_WINDOWS_APPELS_WINDOWS_H
#define PLATEFORME_WINDOWS_APPELS_WINDOWS_H

#include <string>

#include <windows.h>

#include "stockage.h"

// What the pieces of the Windows storage share. Only files of plateforme/windows/
// include this header, and so <windows.h>: none of them includes the model.

// The name `chemin` (UTF-8, '/' or '\\' between components) as the wide API
// takes it, with the "\\?\" prefix of an absolute path past 260 characters so
// that the system never cuts it.
std::wstring cheminLarge(const std::string& chemin);

// The cause of the Windows error code `code` (GetLastError).
Raison raisonWindows(DWORD code);

// Why the file at `attributs` (GetFileAttributesW) cannot be written, or
// nullopt for a plain file: LIEN for any reparse point, DOSSIER.
std::optional<Cause> causeAttributs(DWORD attributs);

// The identity of the open file `fichier` (volume serial and file index);
// false with GetLastError set when it cannot be had.
bool identiteDe(HANDLE fichier, Identite& identite);

// Writes all of `contenu` to `fichier`; 0 or the error code.
DWORD ecrireTout(HANDLE fichier, const std::string& contenu);

// Opens `chemin` without following a reparse point, for `acces`, shared for
// reading and writing (and removal), with `disposition` (CreateFileW's);
// INVALID_HANDLE_VALUE with GetLastError set.
HANDLE ouvrirSansLien(const std::string& chemin, DWORD acces, DWORD disposition);

// Whether the open handle is a file on disk that is no reparse point; the
// cause otherwise (PAS_ORDINAIRE, LIEN, DOSSIER), or the system's reason.
std::optional<Raison> verifierFichier(HANDLE fichier);

#endif
