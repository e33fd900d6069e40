#include "ajout_entier.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>

#include "signaux_retenus.h"

namespace {

// Write only, at the end, never through a link, never waiting for a FIFO's reader.
constexpr int DRAPEAUX = O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

const char* const NON_ORDINAIRE = "ce n'est pas un fichier ordinaire";

std::string raisonOuverture(int erreur)
{
    switch (erreur) {
    case ELOOP:  // with O_NOFOLLOW: the name itself is a link
        return "c'est un lien symbolique";
    case EISDIR:
        return "c'est un dossier";
    case ENXIO:  // a FIFO without reader, a socket, a device without driver
        return NON_ORDINAIRE;
    default:
        return std::strerror(erreur);
    }
}

struct Fichier {
    int fd = -1;
    bool cree = false;  // by this save, which then removes it on failure
};

// Opens the file there is, or else creates it; a file made by someone else in
// between is opened as theirs. -1 with errno set on failure.
Fichier ouvrir(SystemeFichiers& systeme, const std::string& chemin)
{
    for (int essai = 0; essai < 2; ++essai) {
        const int fd = systeme.ouvrir(chemin, DRAPEAUX, 0);
        if (fd >= 0 || errno != ENOENT) {
            return {fd, false};
        }
        const int nouveau = systeme.ouvrir(chemin, DRAPEAUX | O_CREAT | O_EXCL, 0666);
        if (nouveau >= 0 || errno != EEXIST) {
            return {nouveau, nouveau >= 0};
        }
    }
    return {-1, false};
}

// Takes back what a failed save added: removes the file it created, or cuts the
// file back to its size `avant`. `fd` is the file still open, or -1 once closed,
// when it is opened again by its name and must still be the same file. Answers
// an empty string, or why the sheet's beginning may still be in the file.
std::string defaire(SystemeFichiers& systeme, const std::string& chemin, const Fichier& f, const struct stat& avant,
                    int fd)
{
    std::string raison;
    if (f.cree) {
        if (systeme.supprimer(chemin) != 0) {
            raison = std::strerror(errno);
        }
    } else {
        if (fd < 0) {
            fd = systeme.ouvrir(chemin, DRAPEAUX, 0);
            struct stat maintenant = {};
            if (fd < 0 || systeme.etat(fd, maintenant) != 0) {
                raison = std::strerror(errno);
            } else if (maintenant.st_dev != avant.st_dev || maintenant.st_ino != avant.st_ino) {
                raison = "un autre fichier a pris ce nom entre-temps";  // not ours to cut
            }
        }
        if (raison.empty() && (systeme.tronquer(fd, avant.st_size) != 0 || systeme.synchroniser(fd) != 0)) {
            raison = std::strerror(errno);
        }
    }
    if (fd >= 0) {
        systeme.fermer(fd);
    }
    return raison;
}

}  // namespace

std::string ajouterEntier(SystemeFichiers& systeme, const std::string& chemin, const std::string& contenu)
{
    const SignauxRetenus retenus;
    const Fichier f = ouvrir(systeme, chemin);
    if (f.fd < 0) {
        return raisonOuverture(errno);
    }
    struct stat avant = {};
    const bool lu = systeme.etat(f.fd, avant) == 0;
    if (!lu || !S_ISREG(avant.st_mode)) {
        std::string raison = lu ? NON_ORDINAIRE : std::strerror(errno);
        if (f.cree) {
            systeme.supprimer(chemin);
        }
        systeme.fermer(f.fd);
        return raison;
    }

    int fd = f.fd;
    int erreur = ecrireTout(systeme, fd, contenu);
    if (erreur == 0 && systeme.synchroniser(fd) != 0) {
        erreur = errno;
    }
    if (erreur == 0) {
        fd = -1;
        if (systeme.fermer(f.fd) == 0) {
            return {};
        }
        erreur = errno;
    }
    std::string raison = std::strerror(erreur);
    const std::string echecRetrait = defaire(systeme, chemin, f, avant, fd);
    if (!echecRetrait.empty()) {
        raison += " ; le début de fiche écrit n'a pas pu être retiré : " + echecRetrait;
    }
    return raison;
}
