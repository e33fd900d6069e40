#ifndef TESTS_OUTILS_H
#define TESTS_OUTILS_H

#include <filesystem>
#include <map>
#include <string>

// Whole-file reading and writing, byte for byte. A file that cannot be read
// throws std::runtime_error.
std::string lireFichier(const std::filesystem::path& chemin);
void ecrireFichier(const std::filesystem::path& chemin, const std::string& contenu);

// A path as the UTF-8 bytes that the cases' files name it by, and back (on
// Windows std::filesystem would go through the ANSI code page instead).
std::string enUtf8(const std::filesystem::path& chemin);
std::filesystem::path depuisUtf8(const std::string& nom);

// A word or a line of a test's data file that its reader does not know: throws
// std::runtime_error "file:line: not understood: «texte»" (without a line when
// `ligne` is 0: a file name), which fails the test.
[[noreturn]] void incompris(const std::filesystem::path& fichier, int ligne, const std::string& texte);

// Everything under `racine`, by relative path, links and FIFOs neither followed
// nor read: a file's bytes, DOSSIER for a directory, "-> target" for a link,
// AUTRE for anything else.
extern const std::string DOSSIER;
extern const std::string AUTRE;
std::map<std::string, std::string> releverDossier(const std::filesystem::path& racine);
// Makes under `racine` what such a map holds: files, directories, links, and a
// FIFO for AUTRE (none on Windows).
void ecrireArbre(const std::filesystem::path& racine, const std::map<std::string, std::string>& arbre);

// A fresh empty directory, removed with everything in it at the end of its scope.
class DossierTemporaire {
public:
    DossierTemporaire();
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;
    const std::filesystem::path& chemin() const { return racine; }

private:
    std::filesystem::path racine;
};

#endif
