#include "systeme_fichiers.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// NOLINTBEGIN(cppcoreguidelines-pro-type-vararg): open and fcntl are C variadic calls.
class SystemeFichiersReel : public SystemeFichiers {
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
    int fermer(int fd) override { return ::close(fd); }
    int supprimer(const std::string& chemin) override { return ::unlink(chemin.c_str()); }
    int renommer(const std::string& de, const std::string& vers) override { return ::rename(de.c_str(), vers.c_str()); }
};
// NOLINTEND(cppcoreguidelines-pro-type-vararg)

}  // namespace

SystemeFichiers& systemeFichiersReel()
{
    static SystemeFichiersReel reel;
    return reel;
}

int ecrireTout(SystemeFichiers& systeme, int fd, const std::string& contenu, std::size_t* ecrits)
{
    std::size_t fait = 0;
    int erreur = 0;
    while (fait < contenu.size() && erreur == 0) {
        const ssize_t n = systeme.ecrire(fd, contenu.data() + fait, contenu.size() - fait);
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

std::string raisonNature(mode_t mode)
{
    if (S_ISLNK(mode)) {
        return "c'est un lien symbolique";
    }
    return S_ISDIR(mode) ? "c'est un dossier" : "ce n'est pas un fichier ordinaire";
}

bool memeFichier(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

std::string dossierDe(const std::string& chemin)
{
    const std::size_t barre = chemin.rfind('/');
    if (barre == std::string::npos) {
        return ".";
    }
    return barre == 0 ? "/" : chemin.substr(0, barre);
}

int synchroniserDossier(SystemeFichiers& systeme, const std::string& dossier)
{
    const int fd = systeme.ouvrirDossier(dossier);
    if (fd < 0) {
        return errno;
    }
    const int erreur = systeme.synchroniser(fd) == 0 ? 0 : errno;
    systeme.fermer(fd);  // read-only: its close has nothing to report
    return erreur;
}
