#include "outils.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

std::string lireFichier(const std::filesystem::path& chemin)
{
    std::ifstream in(chemin, std::ios::binary);
    if (!in || std::filesystem::is_directory(chemin)) {
        throw std::runtime_error("cannot read " + chemin.string());
    }
    return {std::istreambuf_iterator<char>(in), {}};
}

void ecrireFichier(const std::filesystem::path& chemin, const std::string& contenu)
{
    std::ofstream out(chemin, std::ios::binary);
    out << contenu;
}

void incompris(const std::filesystem::path& fichier, int ligne, const std::string& texte)
{
    const std::string ou = fichier.string() + (ligne > 0 ? ":" + std::to_string(ligne) : "");
    throw std::runtime_error(ou + ": not understood: «" + texte + "»");
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

void ecrireArbre(const std::filesystem::path& racine, const std::map<std::string, std::string>& arbre)
{
    for (const auto& [nom, contenu] : arbre) {
        std::filesystem::create_directories((racine / nom).parent_path());
        if (contenu == DOSSIER) {
            std::filesystem::create_directories(racine / nom);
        } else if (contenu == AUTRE) {
            mkfifo((racine / nom).c_str(), 0600);
        } else if (contenu.rfind("-> ", 0) == 0) {
            std::filesystem::create_symlink(contenu.substr(3), racine / nom);
        } else {
            ecrireFichier(racine / nom, contenu);
        }
    }
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
