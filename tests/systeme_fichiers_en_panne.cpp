#include "systeme_fichiers_en_panne.h"

#include <cerrno>
#include <csignal>
#include <sstream>
#include <stdexcept>

namespace {

// The effects a line may name: an error (errno), or a signal (its number, negated).
const std::map<std::string, int> EFFETS = {{"ENOSPC", ENOSPC},  {"EIO", EIO},         {"EFBIG", EFBIG},
                                           {"EDQUOT", EDQUOT},  {"EINTR", EINTR},     {"EACCES", EACCES},
                                           {"EROFS", EROFS},    {"SIGINT", -SIGINT},  {"SIGTERM", -SIGTERM},
                                           {"SIGHUP", -SIGHUP}, {"SIGQUIT", -SIGQUIT}};

// The operations that a line may name, none called yet.
const std::map<std::string, int> AUCUN_APPEL = {{"ouverture", 0},       {"etat", 0},       {"ecriture", 0},
                                                {"synchronisation", 0}, {"troncature", 0}, {"fermeture", 0},
                                                {"suppression", 0}};

}  // namespace

SystemeFichiersEnPanne::SystemeFichiersEnPanne(const std::string& description)
    : reel(systemeFichiersReel()), appels(AUCUN_APPEL)
{
    std::istringstream lignes(description);
    for (std::string ligne; std::getline(lignes, ligne);) {
        std::istringstream mots(ligne);
        std::string operation;
        int numero = 0;
        std::string effet;
        if (!(mots >> operation)) {
            continue;  // an empty line
        }
        if (appels.count(operation) == 0 || !(mots >> numero >> effet) || numero < 1 ||
            (EFFETS.count(effet) == 0 && !(effet == "courte" && operation == "ecriture"))) {
            throw std::invalid_argument("panne illisible : " + ligne);
        }
        Effets& e = pannes[operation][numero];
        const int valeur = effet == "courte" ? 0 : EFFETS.at(effet);
        e.courte = e.courte || effet == "courte";
        if (valeur < 0) {
            e.signaux.push_back(-valeur);
        } else if (valeur > 0) {
            e.erreur = valeur;
        }
    }
}

bool SystemeFichiersEnPanne::passe(const std::string& operation, bool* courte)
{
    const int numero = ++appels[operation];
    const auto panne = pannes[operation].find(numero);
    if (panne == pannes[operation].end()) {
        return true;
    }
    for (const int s : panne->second.signaux) {
        std::raise(s);
    }
    if (courte != nullptr) {
        *courte = panne->second.courte;
    }
    errno = panne->second.erreur;
    return panne->second.erreur == 0;
}

int SystemeFichiersEnPanne::ouvrir(const std::string& chemin, int drapeaux, mode_t mode)
{
    return passe("ouverture") ? reel.ouvrir(chemin, drapeaux, mode) : -1;
}

int SystemeFichiersEnPanne::etat(int fd, struct stat& resultat) { return passe("etat") ? reel.etat(fd, resultat) : -1; }

ssize_t SystemeFichiersEnPanne::ecrire(int fd, const char* octets, std::size_t taille)
{
    bool courte = false;
    if (!passe("ecriture", &courte)) {
        return -1;
    }
    return reel.ecrire(fd, octets, courte && taille > 1 ? taille / 2 : taille);
}

int SystemeFichiersEnPanne::synchroniser(int fd) { return passe("synchronisation") ? reel.synchroniser(fd) : -1; }

int SystemeFichiersEnPanne::tronquer(int fd, off_t taille)
{
    return passe("troncature") ? reel.tronquer(fd, taille) : -1;
}

int SystemeFichiersEnPanne::fermer(int fd)
{
    const bool reussit = passe("fermeture");
    const int erreur = errno;
    const int resultat = reel.fermer(fd);  // closed, failure or not
    if (!reussit) {
        errno = erreur;
        return -1;
    }
    return resultat;
}

int SystemeFichiersEnPanne::supprimer(const std::string& chemin)
{
    return passe("suppression") ? reel.supprimer(chemin) : -1;
}
