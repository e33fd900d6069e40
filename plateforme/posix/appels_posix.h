#ifndef PLATEFORME_POSIX_APPELS_POSIX_H
#define PLATEFORME_POSIX_APPELS_POSIX_H

#include <cstddef>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

#include "stockage.h"

// The system calls that the POSIX storage makes. Each does what its namesake
// does and answers the same way: -1 with errno set on failure. A write may also
// write fewer bytes than asked (a short write), which is no failure by itself.
// Tests put in their own, which fails chosen calls and records every call.
class AppelsPosix {
public:
    AppelsPosix() = default;
    virtual ~AppelsPosix() = default;
    AppelsPosix(const AppelsPosix&) = delete;
    AppelsPosix& operator=(const AppelsPosix&) = delete;

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
    virtual int changerMode(int fd, mode_t mode) = 0;                            // fchmod
    // close: the descriptor is gone even when this fails.
    virtual int fermer(int fd) = 0;
    virtual int supprimer(const std::string& chemin) = 0;                      // unlink
    virtual int renommer(const std::string& de, const std::string& vers) = 0;  // rename
};

// The real calls, one object for the whole program.
AppelsPosix& appelsPosixReels();

// The storage of stockage.h made of `appels`.
class StockagePosix : public Stockage {
public:
    explicit StockagePosix(AppelsPosix& a) : appels(a) {}
    std::optional<Echec> ajouterFiche(const std::string& chemin, const std::string& contenu) override;
    std::optional<Echec> remplacerPdf(const std::string& chemin, const std::string& contenu) override;
    std::optional<Raison> lire(const std::string& chemin, std::size_t tailleMax, std::string& contenu,
                               Identite& identite) override;
    bool estLeFichier(const std::string& chemin, const Identite& identite) override;

private:
    AppelsPosix& appels;
};

// What the pieces of the POSIX storage share.

// The cause of errno value `erreur`.
Raison raisonErrno(int erreur);

// Writes all of `contenu` to `fd`, going on after short writes and
// interruptions (EINTR); 0, or the error number of the write that failed. The
// bytes written, all or some, are counted in `*ecrits` when it is given.
int ecrireTout(AppelsPosix& appels, int fd, const std::string& contenu, std::size_t* ecrits = nullptr);

// Reads from `fd` up to `taille` bytes into `octets`, going on after short
// reads and interruptions until the end of the file; 0 or the error number.
int lireJusqua(AppelsPosix& appels, int fd, std::size_t taille, std::string& octets);

// Why a name of file type `mode` (as examiner or etat tell) that is not a
// regular file cannot be written: LIEN, DOSSIER or PAS_ORDINAIRE.
Cause causeNature(mode_t mode);

// The identity of the file that `vu` describes.
Identite identiteDe(const struct stat& vu);

// The directory that holds the entry `chemin`: "." for a bare name.
std::string dossierDe(const std::string& chemin);

// Syncs the directory `dossier`, so that an entry made or renamed in it
// outlives a power loss; 0 or the error number.
int synchroniserDossier(AppelsPosix& appels, const std::string& dossier);

#endif
