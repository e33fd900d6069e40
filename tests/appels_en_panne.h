#ifndef TESTS_APPELS_EN_PANNE_H
#define TESTS_APPELS_EN_PANNE_H

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "appels_posix.h"
#include "pannes.h"

// The real file system, but chosen calls go wrong as a description says, so that
// tests meet full disks, I/O errors, short writes and signals without root and
// without waiting. One fault per line: the operation, the number of its call in
// the whole run (from 1, every descriptor counted), and what happens:
//
//   ecriture 2 ENOSPC    the second write fails with ENOSPC and writes nothing
//   ecriture 1 courte    the first write writes only half its bytes (at least one)
//   fermeture 1 EIO      the first close closes, then answers EIO (as Linux does)
//   ecriture 1 SIGTERM   SIGTERM is raised at the first write, which then goes on
//   ouverture 1 lien     another program acts on the name just before the first open:
//                        "lien" makes it a link to "ailleurs", "supprime" removes it,
//                        "remplace" renames it to <name>.ancien and makes an empty file there
//
// Operations: examen, ouverture, etat, verrouillage, duplication, ecriture, lecture,
// synchronisation, troncature, changement_mode, fermeture, suppression, renommage, and for the directory
// synced after a creation ouverture_dossier, synchronisation_dossier and
// fermeture_dossier (its descriptor's calls count apart from the file's). A call
// may have several lines: its signals come first. Errors are named as in <cerrno>
// (ENOSPC, EIO, EFBIG, EDQUOT, EINTR, EACCES, EROFS, ENOLCK, EMFILE, ENOENT);
// signals are SIGINT, SIGTERM, SIGHUP and SIGQUIT. A line that names anything
// else throws std::invalid_argument.
//
// Every call is recorded, faulty or not, as one line of journal(): the operation,
// what it is made on (a path relative to `racine`, "." for `racine` itself; a
// descriptor is named by the path it was opened with), and for some calls more:
//   examen Kael.pdf                 ouverture Kael.pdf creation
//   verrouillage Kael.pdf attente   ecriture Kael.pdf 866
//   troncature Dax.pdf 1200         ouverture_dossier .
// The number of an error that a fault may name ("EIO" gives EIO); 0 for any other word.
int numeroErreur(const std::string& nom);

class AppelsEnPanne : public AppelsPosix {
public:
    explicit AppelsEnPanne(const std::string& description, std::string racine = std::string());

    int examiner(const std::string& chemin, struct stat& resultat) override;
    int ouvrir(const std::string& chemin, int drapeaux, mode_t mode) override;
    int ouvrirDossier(const std::string& chemin) override;
    int etat(int fd, struct stat& resultat) override;
    int verrouiller(int fd, bool attendre) override;
    int dupliquer(int fd) override;
    ssize_t ecrire(int fd, const char* octets, std::size_t taille) override;
    ssize_t lire(int fd, char* octets, std::size_t taille) override;
    int synchroniser(int fd) override;
    int tronquer(int fd, off_t taille) override;
    int changerMode(int fd, mode_t mode) override;
    int fermer(int fd) override;
    int supprimer(const std::string& chemin) override;
    int renommer(const std::string& de, const std::string& vers) override;

    // The calls received so far, one line each, every line ended by '\n'.
    const std::string& journal() const { return lignes; }
    // Runs `action` when call `numero` of `operation` comes, before the call is
    // made and before its faults: another save can be run in the middle of this one.
    void avant(const std::string& operation, int numero, std::function<void()> action);

private:
    // Records a call of `operation` on `cible`, counts it, runs its action, lets
    // another program act on `chemin` and raises its signals; false, with errno
    // set, when it must fail. `courte` tells whether a write must be short.
    bool passe(const std::string& operation, const std::string& cible, bool* courte = nullptr,
               const std::string& chemin = std::string());
    std::string relatif(const std::string& chemin) const;
    std::string nom(int fd) const;
    // The operation as counted: a directory's sync and close count apart.
    std::string surDescripteur(const char* operation, int fd) const;

    AppelsPosix& reel;
    std::string racine;
    Pannes pannes;
    std::map<std::string, int> appels;
    std::map<std::pair<std::string, int>, std::function<void()>> actions;
    std::map<int, std::string> ouverts;  // descriptor -> path it was opened with
    std::set<int> dossiers;
    std::string lignes;
};

#endif
