#include "appels_en_panne.h"

#include "pannes.h"
#include "stockage_en_panne.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>

namespace {

// The effects a line may name: an error (errno), or a signal (its number, negated).
const std::map<std::string, int> EFFETS = {
    {"ENOSPC", ENOSPC},  {"EIO", EIO},          {"EFBIG", EFBIG},    {"EDQUOT", EDQUOT},   {"EINTR", EINTR},
    {"EACCES", EACCES},  {"EROFS", EROFS},      {"ENOLCK", ENOLCK},  {"EMFILE", EMFILE},   {"ENOENT", ENOENT},
    {"SIGINT", -SIGINT}, {"SIGTERM", -SIGTERM}, {"SIGHUP", -SIGHUP}, {"SIGQUIT", -SIGQUIT}};

const char* const OPERATIONS =
    "examen ouverture ouverture_dossier etat verrouillage duplication ecriture synchronisation "
    "synchronisation_dossier troncature changement_mode fermeture fermeture_dossier suppression lecture renommage";

class StockagePosixEnPanne : public StockageEnPanne {
public:
    StockagePosixEnPanne(const std::string& description, const std::string& racine)
        : appels(description, racine), posix(appels)
    {
    }
    Stockage& stockage() override { return posix; }
    const std::string& journal() const override { return appels.journal(); }
    const std::string& horsDePortee() const override { return rien; }

private:
    AppelsEnPanne appels;
    StockagePosix posix;
    const std::string rien;
};

}  // namespace

std::unique_ptr<StockageEnPanne> stockageEnPanne(const std::string& description, const std::string& racine)
{
    return std::make_unique<StockagePosixEnPanne>(description, racine);
}

std::optional<std::string> nonExecutable(const std::string& description)
{
    lirePannes(description, OPERATIONS);
    return std::nullopt;  // every line has its meaning here
}

int numeroErreur(const std::string& nom)
{
    const auto trouve = EFFETS.find(nom);
    return trouve == EFFETS.end() || trouve->second < 0 ? 0 : trouve->second;
}

AppelsEnPanne::AppelsEnPanne(const std::string& description, std::string dossier)
    : reel(appelsPosixReels()), racine(std::move(dossier)), pannes(lirePannes(description, OPERATIONS))
{
}

void AppelsEnPanne::avant(const std::string& operation, int numero, std::function<void()> action)
{
    actions[{operation, numero}] = std::move(action);
}

bool AppelsEnPanne::passe(const std::string& operation, const std::string& cible, bool* courte,
                          const std::string& chemin)
{
    lignes += operation + " " + cible + "\n";
    const int numero = ++appels[operation];
    const auto action = actions.find({operation, numero});
    if (action != actions.end()) {
        action->second();
    }
    const auto panne = pannes[operation].find(numero);
    if (panne == pannes[operation].end()) {
        return true;
    }
    const std::string& autre = panne->second.autreProgramme;
    if (autre == "remplace") {
        std::filesystem::rename(chemin, chemin + ".ancien");
    }
    if (!autre.empty()) {
        std::filesystem::remove(chemin);
    }
    if (autre == "lien") {
        std::filesystem::create_symlink("ailleurs", chemin);
    }
    if (autre == "remplace") {
        std::ofstream{chemin};
    }
    for (const std::string& s : panne->second.signaux) {
        std::raise(-EFFETS.at(s));
    }
    if (courte != nullptr) {
        *courte = panne->second.courte;
    }
    errno = panne->second.erreur.empty() ? 0 : EFFETS.at(panne->second.erreur);
    return errno == 0;
}

std::string AppelsEnPanne::relatif(const std::string& chemin) const
{
    if (racine.empty()) {
        return chemin;
    }
    if (chemin == racine) {
        return ".";
    }
    return chemin.compare(0, racine.size() + 1, racine + "/") == 0 ? chemin.substr(racine.size() + 1) : chemin;
}

std::string AppelsEnPanne::nom(int fd) const
{
    const auto trouve = ouverts.find(fd);
    return trouve == ouverts.end() ? "fd" + std::to_string(fd) : relatif(trouve->second);
}

std::string AppelsEnPanne::surDescripteur(const char* operation, int fd) const
{
    return dossiers.count(fd) != 0 ? std::string(operation) + "_dossier" : operation;
}

int AppelsEnPanne::examiner(const std::string& chemin, struct stat& resultat)
{
    return passe("examen", relatif(chemin)) ? reel.examiner(chemin, resultat) : -1;
}

int AppelsEnPanne::ouvrir(const std::string& chemin, int drapeaux, mode_t mode)
{
    const std::string cible = relatif(chemin) + ((drapeaux & O_CREAT) != 0 ? " creation" : "");
    const int fd = passe("ouverture", cible, nullptr, chemin) ? reel.ouvrir(chemin, drapeaux, mode) : -1;
    if (fd >= 0) {
        ouverts[fd] = chemin;
    }
    return fd;
}

int AppelsEnPanne::ouvrirDossier(const std::string& chemin)
{
    const int fd = passe("ouverture_dossier", relatif(chemin)) ? reel.ouvrirDossier(chemin) : -1;
    if (fd >= 0) {
        ouverts[fd] = chemin;
        dossiers.insert(fd);
    }
    return fd;
}

int AppelsEnPanne::etat(int fd, struct stat& resultat) { return passe("etat", nom(fd)) ? reel.etat(fd, resultat) : -1; }

int AppelsEnPanne::verrouiller(int fd, bool attendre)
{
    const auto chemin = ouverts.find(fd);
    return passe("verrouillage", nom(fd) + (attendre ? " attente" : ""), nullptr,
                 chemin == ouverts.end() ? "" : chemin->second)
               ? reel.verrouiller(fd, attendre)
               : -1;
}

int AppelsEnPanne::dupliquer(int fd)
{
    const int copie = passe("duplication", nom(fd)) ? reel.dupliquer(fd) : -1;
    if (copie >= 0) {
        ouverts[copie] = ouverts[fd];
    }
    return copie;
}

ssize_t AppelsEnPanne::ecrire(int fd, const char* octets, std::size_t taille)
{
    bool courte = false;
    if (!passe("ecriture", nom(fd) + " " + std::to_string(taille), &courte)) {
        return -1;
    }
    return reel.ecrire(fd, octets, courte && taille > 1 ? taille / 2 : taille);
}

int AppelsEnPanne::synchroniser(int fd)
{
    return passe(surDescripteur("synchronisation", fd), nom(fd)) ? reel.synchroniser(fd) : -1;
}

ssize_t AppelsEnPanne::lire(int fd, char* octets, std::size_t taille)
{
    return passe("lecture", nom(fd)) ? reel.lire(fd, octets, taille) : -1;
}

int AppelsEnPanne::tronquer(int fd, off_t taille)
{
    return passe("troncature", nom(fd) + " " + std::to_string(taille)) ? reel.tronquer(fd, taille) : -1;
}

int AppelsEnPanne::changerMode(int fd, mode_t mode)
{
    return passe("changement_mode", nom(fd)) ? reel.changerMode(fd, mode) : -1;
}

int AppelsEnPanne::fermer(int fd)
{
    const bool reussit = passe(surDescripteur("fermeture", fd), nom(fd));
    const int erreur = errno;
    ouverts.erase(fd);
    dossiers.erase(fd);
    const int resultat = reel.fermer(fd);  // closed, failure or not
    if (!reussit) {
        errno = erreur;
        return -1;
    }
    return resultat;
}

int AppelsEnPanne::supprimer(const std::string& chemin)
{
    return passe("suppression", relatif(chemin)) ? reel.supprimer(chemin) : -1;
}

int AppelsEnPanne::renommer(const std::string& de, const std::string& vers)
{
    return passe("renommage", relatif(de) + " " + relatif(vers)) ? reel.renommer(de, vers) : -1;
}
