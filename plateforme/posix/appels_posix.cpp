#include "appels_posix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// NOLINTBEGIN(cppcoreguidelines-pro-type-vararg): open and fcntl are C variadic calls.
class AppelsPosixReels : public AppelsPosix {
public:
    int examiner(const std::string& chemin, struct stat& resultat) override
    {
        return ::fstatat(AT_FDCWD, chemin.c_str(), &resultat, AT_SYMLINK_NOFOLLOW);
    }
    int ouvrir(const std::string& chemin, int drapeaux, mode_t mode) override
    {
        return ::open(chemin.c_str(), drapeaux, mode);
    }
    int ouvrirDossier(const std::string& chemin) override
    {
        return ::open(chemin.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    int etat(int fd, struct stat& resultat) override { return ::fstat(fd, &resultat); }
    int verrouiller(int fd, bool attendre) override { return ::flock(fd, LOCK_EX | (attendre ? 0 : LOCK_NB)); }
    int dupliquer(int fd) override { return ::fcntl(fd, F_DUPFD_CLOEXEC, 0); }
    ssize_t ecrire(int fd, const char* octets, std::size_t taille) override { return ::write(fd, octets, taille); }
    ssize_t lire(int fd, char* octets, std::size_t taille) override { return ::read(fd, octets, taille); }
    int synchroniser(int fd) override { return ::fsync(fd); }
    int tronquer(int fd, off_t taille) override { return ::ftruncate(fd, taille); }
    int changerMode(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
    int fermer(int fd) override { return ::close(fd); }
    int supprimer(const std::string& chemin) override { return ::unlink(chemin.c_str()); }
    int renommer(const std::string& de, const std::string& vers) override { return ::rename(de.c_str(), vers.c_str()); }
};
// NOLINTEND(cppcoreguidelines-pro-type-vararg)

}  // namespace

AppelsPosix& appelsPosixReels()
{
    static AppelsPosixReels reels;
    return reels;
}

Stockage& stockageReel()
{
    static StockagePosix reel(appelsPosixReels());
    return reel;
}

Raison raisonErrno(int erreur)
{
    switch (erreur) {
    case ENOENT:
        return {Cause::ABSENT, {}};
    case ENOTDIR:
        return {Cause::PAS_UN_DOSSIER, {}};
    case ELOOP:
        return {Cause::LIEN, {}};
    case EISDIR:
        return {Cause::DOSSIER, {}};
    case ENXIO:  // a FIFO without reader, a socket, a device without driver
    case ENODEV:
        return {Cause::PAS_ORDINAIRE, {}};
    case ENOSPC:
        return {Cause::PLUS_DE_PLACE, {}};
    case EDQUOT:
        return {Cause::QUOTA, {}};
    case EFBIG:
        return {Cause::TROP_GROS, {}};
    case EROFS:
        return {Cause::LECTURE_SEULE, {}};
    case EACCES:
    case EPERM:
        return {Cause::PERMISSION, {}};
    case EIO:
        return {Cause::ENTREE_SORTIE, {}};
    case ENOMEM:
        return {Cause::MEMOIRE, {}};
    case ENAMETOOLONG:
        return {Cause::NOM_TROP_LONG, {}};
    case ENOLCK:
        return {Cause::VERROU_IMPOSSIBLE, {}};
    case EMFILE:
    case ENFILE:
        return {Cause::TROP_DE_FICHIERS, {}};
    case EBUSY:
    case ETXTBSY:
        return {Cause::OCCUPE, {}};
    case EBADF:
    case EPIPE:
        return {Cause::FERME, {}};
    case 0:
        return {Cause::AUTRE, {}};
    default:
        return {Cause::AUTRE, std::strerror(erreur)};
    }
}

Raison raisonSysteme(int code) { return raisonErrno(code); }

int ecrireTout(AppelsPosix& appels, int fd, const std::string& contenu, std::size_t* ecrits)
{
    std::size_t fait = 0;
    int erreur = 0;
    while (fait < contenu.size() && erreur == 0) {
        const ssize_t n = appels.ecrire(fd, contenu.data() + fait, contenu.size() - fait);
        if (n > 0) {
            fait += static_cast<std::size_t>(n);
        } else if (n == 0) {
            erreur = EIO;  // a regular file that takes nothing would loop for ever
        } else if (errno != EINTR) {
            erreur = errno;
        }
    }
    if (ecrits != nullptr) {
        *ecrits = fait;
    }
    return erreur;
}

int lireJusqua(AppelsPosix& appels, int fd, std::size_t taille, std::string& octets)
{
    octets.clear();
    char tampon[16384];
    while (octets.size() < taille) {
        const ssize_t n = appels.lire(fd, tampon, std::min(sizeof tampon, taille - octets.size()));
        if (n > 0) {
            octets.append(tampon, static_cast<std::size_t>(n));
        } else if (n == 0) {
            return 0;
        } else if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

Cause causeNature(mode_t mode)
{
    if (S_ISLNK(mode)) {
        return Cause::LIEN;
    }
    return S_ISDIR(mode) ? Cause::DOSSIER : Cause::PAS_ORDINAIRE;
}

Identite identiteDe(const struct stat& vu)
{
    return {static_cast<std::uint64_t>(vu.st_dev), static_cast<std::uint64_t>(vu.st_ino)};
}

std::string dossierDe(const std::string& chemin)
{
    const std::size_t barre = chemin.rfind('/');
    if (barre == std::string::npos) {
        return ".";
    }
    return barre == 0 ? "/" : chemin.substr(0, barre);
}

int synchroniserDossier(AppelsPosix& appels, const std::string& dossier)
{
    const int fd = appels.ouvrirDossier(dossier);
    if (fd < 0) {
        return errno;
    }
    const int erreur = appels.synchroniser(fd) == 0 ? 0 : errno;
    appels.fermer(fd);  // read-only: its close has nothing to report
    return erreur;
}
