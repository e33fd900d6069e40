#include "remplacement_entier.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

#include "signaux_retenus.h"

namespace {

// What stands at `chemin`, its last component not followed: nothing for a
// regular file or nothing at all, else why it cannot be replaced.
std::optional<std::string> obstacle(SystemeFichiers& systeme, const std::string& chemin)
{
    struct stat vu = {};
    if (systeme.examiner(chemin, vu) != 0) {
        return errno == ENOENT ? std::nullopt : std::optional<std::string>(std::strerror(errno));
    }
    return S_ISREG(vu.st_mode) ? std::nullopt : std::optional<std::string>(raisonNature(vu.st_mode));
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

}  // namespace

std::optional<std::string> remplacerEntier(SystemeFichiers& systeme, const std::string& chemin,
                                           const std::string& contenu)
{
    const std::string dossier = dossierDe(chemin);
    const std::string nom = chemin.substr(chemin.rfind('/') + 1);  // npos + 1 is 0
    if (nom.empty()) {
        return raisonNature(S_IFDIR);
    }
    const SignauxRetenus retenus;
    if (auto raison = obstacle(systeme, chemin)) {
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
        std::string raison = std::strerror(erreur);
        if (systeme.supprimer(temporaire) != 0) {
            raison +=
                " ; le fichier temporaire « " + temporaire + " » n'a pas pu être supprimé : " + std::strerror(errno);
        }
        return raison;
    }
    erreur = synchroniserDossier(systeme, dossier);
    if (erreur != 0) {
        return "le fichier est écrit, mais son dossier n'a pas pu être synchronisé : " +
               std::string(std::strerror(erreur));
    }
    return std::nullopt;
}
