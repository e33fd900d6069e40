#ifndef TESTS_OUTILS_H
#define TESTS_OUTILS_H

#include <filesystem>
#include <string>

// Whole-file reading and writing, byte for byte.
std::string lireFichier(const std::filesystem::path& chemin);
void ecrireFichier(const std::filesystem::path& chemin, const std::string& contenu);

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
