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

const std::string DOSSIER = "<dossier>";
const std::string AUTRE = "<autre>";

std::map<std::string, std::string> releverDossier(const std::filesystem::path& racine)
{
    std::map<std::string, std::string> vu;
    for (const auto& e : std::filesystem::recursive_directory_iterator(racine)) {
        const std::filesystem::file_status s = e.symlink_status();
        // Lexically: a link is named where it stands, not where it leads.
        std::string& ici = vu[e.path().lexically_relative(racine).string()];
        if (std::filesystem::is_symlink(s)) {
            ici = "-> " + std::filesystem::read_symlink(e.path()).string();
        } else if (std::filesystem::is_directory(s)) {
            ici = DOSSIER;
        } else if (std::filesystem::is_regular_file(s)) {
            ici = lireFichier(e.path());
        } else {
            ici = AUTRE;
        }
    }
    return vu;
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
