#ifndef GENERATOR_SYSTEME_FICHIERS_H
#define GENERATOR_SYSTEME_FICHIERS_H

#include <cstddef>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

// The file-system calls a save or a print makes. Each does what its POSIX namesake does and
// answers the same way: -1 with errno set on failure. A write may also write
// fewer bytes than asked (a short write), which is no failure by itself. Tests
// put in their own, which fails chosen calls and records every call.
class SystemeFichiers {
public:
    SystemeFichiers() = default;
    virtual ~SystemeFichiers() = default;
    SystemeFichiers(const SystemeFichiers&) = delete;
    SystemeFichiers& operator=(const SystemeFichiers&) = delete;

    // fstatat without following a link: what the name itself is.
    virtual int examiner(const std::string& chemin, struct stat& resultat) = 0;
    virtual int ouvrir(const std::string& chemin, int drapeaux, mode_t mode) = 0;  // open
    // open read-only as a directory, to sync it with `synchroniser`.
    virtual int ouvrirDossier(const std::string& chemin) = 0;
    virtual int etat(int fd, struct stat& resultat) = 0;  // fstat
    // flock(LOCK_EX), waiting for the lock, or LOCK_EX | LOCK_NB when `attendre` is false.
    virtual int verrouiller(int fd, bool attendre) = 0;
    virtual int dupliquer(int fd) = 0;                                           // fcntl(F_DUPFD_CLOEXEC)
    virtual ssize_t ecrire(int fd, const char* octets, std::size_t taille) = 0;  // write
    virtual ssize_t lire(int fd, char* octets, std::size_t taille) = 0;          // read
    virtual int synchroniser(int fd) = 0;                                        // fsync
    virtual int tronquer(int fd, off_t taille) = 0;                              // ftruncate
    // close: the descriptor is gone even when this fails.
    virtual int fermer(int fd) = 0;
    virtual int supprimer(const std::string& chemin) = 0;                      // unlink
    virtual int renommer(const std::string& de, const std::string& vers) = 0;  // rename
};

// Writes all of `contenu` to `fd`, going on after short writes and
// interruptions (EINTR); 0, or the error number of the write that failed. The
// bytes written, all or some, are counted in `*ecrits` when it is given.
int ecrireTout(SystemeFichiers& systeme, int fd, const std::string& contenu, std::size_t* ecrits = nullptr);

// Why a name that is not a regular file (of file type `mode`, as examiner or
// etat tell) cannot be written: « c'est un lien symbolique », « c'est un
// dossier », or « ce n'est pas un fichier ordinaire ».
std::string raisonNature(mode_t mode);

// Whether two identities (as examiner or etat give them) are one file: the same
// device and inode.
bool memeFichier(const struct stat& a, const struct stat& b);

// The directory that holds the entry `chemin`: "." for a bare name.
std::string dossierDe(const std::string& chemin);

// Syncs the directory `dossier`, so that an entry made or renamed in it
// outlives a power loss; 0 or the error number.
int synchroniserDossier(SystemeFichiers& systeme, const std::string& dossier);

// The real calls, one object for the whole program.
SystemeFichiers& systemeFichiersReel();

#endif
