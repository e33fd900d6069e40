#include "systeme_fichiers.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

class SystemeFichiersReel : public SystemeFichiers {
public:
    int ouvrir(const std::string& chemin, int drapeaux, mode_t mode) override
    {
        return ::open(chemin.c_str(), drapeaux, mode);  // NOLINT(cppcoreguidelines-pro-type-vararg)
    }
    int etat(int fd, struct stat& resultat) override { return ::fstat(fd, &resultat); }
    ssize_t ecrire(int fd, const char* octets, std::size_t taille) override { return ::write(fd, octets, taille); }
    ssize_t lire(int fd, char* octets, std::size_t taille) override { return ::read(fd, octets, taille); }
    int synchroniser(int fd) override { return ::fsync(fd); }
    int tronquer(int fd, off_t taille) override { return ::ftruncate(fd, taille); }
    int fermer(int fd) override { return ::close(fd); }
    int supprimer(const std::string& chemin) override { return ::unlink(chemin.c_str()); }
    int renommer(const std::string& de, const std::string& vers) override { return ::rename(de.c_str(), vers.c_str()); }
};

}  // namespace

SystemeFichiers& systemeFichiersReel()
{
    static SystemeFichiersReel reel;
    return reel;
}

int ecrireTout(SystemeFichiers& systeme, int fd, const std::string& contenu)
{
    std::size_t fait = 0;
    while (fait < contenu.size()) {
        const ssize_t n = systeme.ecrire(fd, contenu.data() + fait, contenu.size() - fait);
        if (n < 0 && errno != EINTR) {
            return errno;
        }
        if (n == 0) {
            return EIO;  // a regular file that takes nothing would loop for ever
        }
        if (n > 0) {
            fait += static_cast<std::size_t>(n);
        }
    }
    return 0;
}
