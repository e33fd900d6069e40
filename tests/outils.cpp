#include "outils.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

std::string lireFichier(const std::filesystem::path& chemin)
{
    std::ifstream in(chemin, std::ios::binary);
    std::ostringstream tout;
    tout << in.rdbuf();
    return tout.str();
}

void ecrireFichier(const std::filesystem::path& chemin, const std::string& contenu)
{
    std::ofstream out(chemin, std::ios::binary);
    out << contenu;
}

DossierTemporaire::DossierTemporaire()
{
    std::string modele = (std::filesystem::temp_directory_path() / "vesperine-XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) {
        throw std::runtime_error("mkdtemp");
    }
    racine = modele;
}

DossierTemporaire::~DossierTemporaire()
{
    std::error_code ignore;
    std::filesystem::remove_all(racine, ignore);
}
