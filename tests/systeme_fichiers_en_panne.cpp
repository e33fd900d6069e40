#include "systeme_fichiers_en_panne.h"

#include <cerrno>
#include <csignal>
#include <sstream>
#include <stdexcept>

namespace {

const std::map<std::string, int> ERREURS = {{"ENOSPC", ENOSPC}, {"EIO", EIO},     {"EFBIG", EFBIG},
                                            {"EDQUOT", EDQUOT}, {"EINTR", EINTR}, {"EACCES", EACCES},
                                            {"EROFS", EROFS}};
const std::map<std::string, int> SIGNAUX = {
    {"SIGINT", SIGINT}, {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGQUIT", SIGQUIT}};
const char* const OPERATIONS[] = {"ouverture",  "etat",      "ecriture",   "synchronisation",
                                  "troncature", "fermeture", "suppression"};

}  // namespace

SystemeFichiersEnPanne::SystemeFichiersEnPanne(const std::string& description) : reel(systemeFichiersReel())
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
        bool connue = false;
        for (const char* o : OPERATIONS) {
            connue = connue || operation == o;
        }
        if (!connue || !(mots >> numero >> effet) || numero < 1) {
            throw std::invalid_argument("panne illisible : " + ligne);
        }
        Effets& e = pannes[operation][numero];
        if (effet == "courte" && operation == "ecriture") {
            e.courte = true;
        } else if (ERREURS.count(effet) != 0) {
            e.erreur = ERREURS.at(effet);
        } else if (SIGNAUX.count(effet) != 0) {
            e.signaux.push_back(SIGNAUX.at(effet));
        } else {
            throw std::invalid_argument("effet inconnu : " + ligne);
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
