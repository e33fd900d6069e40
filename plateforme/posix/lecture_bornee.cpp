// The bounded read of a file and the identity of a name, for the print.
#include <cerrno>
#include <fcntl.h>

#include "appels_posix.h"

std::optional<Raison> StockagePosix::lire(const std::string& chemin, std::size_t tailleMax, std::string& contenu,
                                          Identite& identite)
{
    contenu.clear();
    // Without waiting for a FIFO's writer.
    const int fd = appels.ouvrir(chemin, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0);
    if (fd < 0) {
        return raisonErrno(errno);
    }
    std::optional<Raison> raison;
    struct stat vu = {};
    if (appels.etat(fd, vu) != 0) {
        raison = raisonErrno(errno);
    } else if (!S_ISREG(vu.st_mode)) {
        raison = Raison{causeNature(vu.st_mode), {}};
    } else if (const int erreur = lireJusqua(appels, fd, tailleMax, contenu)) {
        contenu.clear();
        raison = raisonErrno(erreur);
    }
    identite = identiteDe(vu);
    appels.fermer(fd);
    return raison;
}

bool StockagePosix::estLeFichier(const std::string& chemin, const Identite& identite)
{
    struct stat vu = {};
    return appels.examiner(chemin, vu) == 0 && identiteDe(vu) == identite;
}
