#ifndef TESTS_SYSTEME_FICHIERS_EN_PANNE_H
#define TESTS_SYSTEME_FICHIERS_EN_PANNE_H

#include <map>
#include <string>
#include <vector>

#include "systeme_fichiers.h"

// The real file system, but chosen calls go wrong as a description says, so that
// tests meet full disks, I/O errors, short writes and signals without root and
// without waiting. One fault per line: the operation, the number of its call in
// the whole run (from 1, every descriptor counted), and what happens:
//
//   ecriture 2 ENOSPC    the second write fails with ENOSPC and writes nothing
//   ecriture 1 courte    the first write writes only half its bytes (at least one)
//   fermeture 1 EIO      the first close closes, then answers EIO (as Linux does)
//   ecriture 1 SIGTERM   SIGTERM is raised at the first write, which then goes on
//
// Operations: ouverture, etat, ecriture, lecture, synchronisation, troncature,
// fermeture, suppression, renommage. A call may have several lines: its signals come first. Errors are
// named as in <cerrno> (ENOSPC, EIO, EFBIG, EDQUOT, EINTR, EACCES, EROFS);
// signals are SIGINT, SIGTERM, SIGHUP and SIGQUIT. A line that names anything
// else throws std::invalid_argument.
class SystemeFichiersEnPanne : public SystemeFichiers {
public:
    explicit SystemeFichiersEnPanne(const std::string& description);

    int ouvrir(const std::string& chemin, int drapeaux, mode_t mode) override;
    int etat(int fd, struct stat& resultat) override;
    ssize_t ecrire(int fd, const char* octets, std::size_t taille) override;
    ssize_t lire(int fd, char* octets, std::size_t taille) override;
    int synchroniser(int fd) override;
    int tronquer(int fd, off_t taille) override;
    int fermer(int fd) override;
    int supprimer(const std::string& chemin) override;
    int renommer(const std::string& de, const std::string& vers) override;

private:
    struct Effets {
        std::vector<int> signaux;
        int erreur = 0;
        bool courte = false;
    };
    // Counts a call of `operation` and raises its signals; false, with errno set,
    // when it must fail. `courte` tells whether a write must be short.
    bool passe(const std::string& operation, bool* courte = nullptr);

    SystemeFichiers& reel;
    std::map<std::string, std::map<int, Effets>> pannes;
    std::map<std::string, int> appels;
};

#endif
