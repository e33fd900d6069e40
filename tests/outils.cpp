#include "outils.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#ifdef _WIN32
#include <atomic>
#include <process.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// On POSIX systems both are the bytes themselves.
std::string enUtf8(const std::filesystem::path& chemin) { return chemin.u8string(); }
std::filesystem::path depuisUtf8(const std::string& nom) { return std::filesystem::u8path(nom); }

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
        std::string& ici = vu[enUtf8(e.path().lexically_relative(racine))];
        if (std::filesystem::is_symlink(s)) {
            ici = "-> " + enUtf8(std::filesystem::read_symlink(e.path()));
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
        const std::filesystem::path chemin = racine / depuisUtf8(nom);
        std::filesystem::create_directories(chemin.parent_path());
        if (contenu == DOSSIER) {
            std::filesystem::create_directories(chemin);
        } else if (contenu == AUTRE) {
#ifndef _WIN32
            mkfifo(chemin.c_str(), 0600);
#endif
        } else if (contenu.rfind("-> ", 0) == 0) {
            std::filesystem::create_symlink(depuisUtf8(contenu.substr(3)), chemin);
        } else {
            ecrireFichier(chemin, contenu);
        }
    }
}

DossierTemporaire::DossierTemporaire()
{
#ifdef _WIN32
    // No mkdtemp: a name of this process's own, made only if it is not there yet.
    static std::atomic<unsigned> suivant{0};
    do {
        racine = std::filesystem::temp_directory_path() /
                 ("vesperine-" + std::to_string(_getpid()) + "-" + std::to_string(suivant++));
    } while (!std::filesystem::create_directory(racine));
#else
    std::string modele = (std::filesystem::temp_directory_path() / "vesperine-XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) {
        throw std::runtime_error("mkdtemp");
    }
    racine = modele;
#endif
}

DossierTemporaire::~DossierTemporaire()
{
    std::error_code ignore;
    std::filesystem::remove_all(racine, ignore);
}
