#include "remplacement_entier.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "signaux_retenus.h"

namespace {

// What stands at `chemin`, its last component not followed: an empty string
// for a regular file or nothing, else why it cannot be replaced.
std::string obstacle(SystemeFichiers& systeme, const std::string& chemin)
{
    const int fd = systeme.ouvrir(chemin, O_PATH | O_NOFOLLOW | O_CLOEXEC, 0);
    if (fd < 0) {
        return errno == ENOENT ? std::string() : std::strerror(errno);
    }
    struct stat s = {};
    std::string raison;
    if (systeme.etat(fd, s) != 0) {
        raison = std::strerror(errno);
    } else if (S_ISLNK(s.st_mode)) {
        raison = "c'est un lien symbolique";
    } else if (S_ISDIR(s.st_mode)) {
        raison = "c'est un dossier";
    } else if (!S_ISREG(s.st_mode)) {
        raison = "ce n'est pas un fichier ordinaire";
    }
    systeme.fermer(fd);
    return raison;
}

// A new file beside `nom` in `dossier`, opened for writing; its path in `temporaire`. -1 with errno set on failure.
int creerTemporaire(SystemeFichiers& systeme, const std::string& dossier, const std::string& nom,
                    std::string& temporaire)
{
    constexpr std::size_t NOM_MAX = 200;  // bytes of `nom` kept, so that the name fits in 255
    for (int essai = 0; essai < 100; ++essai) {
        temporaire =
            dossier + "/." + nom.substr(0, NOM_MAX) + "." + std::to_string(getpid()) + "-" + std::to_string(essai);
        const int fd =
            systeme.ouvrir(temporaire, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Syncs the directory, so that the rename outlives a crash; 0 or the error.
int synchroniserDossier(SystemeFichiers& systeme, const std::string& dossier)
{
    const int fd = systeme.ouvrir(dossier, O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) {
        return errno;
    }
    const int erreur = systeme.synchroniser(fd) == 0 ? 0 : errno;
    systeme.fermer(fd);
    return erreur;
}

}  // namespace

std::string remplacerEntier(SystemeFichiers& systeme, const std::string& chemin, const std::string& contenu)
{
    const std::size_t barre = chemin.rfind('/');
    const std::string dossier = barre == std::string::npos ? "." : barre == 0 ? "/" : chemin.substr(0, barre);
    const std::string nom = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
    if (nom.empty()) {
        return "c'est un dossier";
    }
    const SignauxRetenus retenus;
    std::string raison = obstacle(systeme, chemin);
    if (!raison.empty()) {
        return raison;
    }
    std::string temporaire;
    const int fd = creerTemporaire(systeme, dossier, nom, temporaire);
    if (fd < 0) {
        return std::strerror(errno);
    }
    int erreur = ecrireTout(systeme, fd, contenu);
    if (erreur == 0 && systeme.synchroniser(fd) != 0) {
        erreur = errno;
    }
    if (systeme.fermer(fd) != 0 && erreur == 0) {
        erreur = errno;
    }
    if (erreur == 0 && systeme.renommer(temporaire, chemin) != 0) {
        erreur = errno;
    }
    if (erreur != 0) {
        raison = std::strerror(erreur);
        if (systeme.supprimer(temporaire) != 0) {
            raison +=
                " ; le fichier temporaire « " + temporaire + " » n'a pas pu être supprimé : " + std::strerror(errno);
        }
        return raison;
    }
    erreur = synchroniserDossier(systeme, dossier);
    return erreur == 0 ? std::string()
                       : "le fichier est écrit, mais son dossier n'a pas pu être synchronisé : " +
                             std::string(std::strerror(erreur));
}
