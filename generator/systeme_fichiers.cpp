#include "systeme_fichiers.h"

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
    int synchroniser(int fd) override { return ::fsync(fd); }
    int tronquer(int fd, off_t taille) override { return ::ftruncate(fd, taille); }
    int fermer(int fd) override { return ::close(fd); }
    int supprimer(const std::string& chemin) override { return ::unlink(chemin.c_str()); }
};

}  // namespace

SystemeFichiers& systemeFichiersReel()
{
    static SystemeFichiersReel reel;
    return reel;
}
