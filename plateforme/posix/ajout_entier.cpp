// The append of a sheet, whole or not at all (StockagePosix::ajouterFiche):
//
// - Refused untouched: the name is looked at before anything is opened, and a
//   link, FIFO, device, socket or directory of that name is refused there. What
//   is then opened must be the regular file that was looked at; one that
//   begins as a PDF is refused once locked, before anything is written.
// - One save at a time per file: the open file is locked (flock, exclusive)
//   before its size is noted and until the save is over, and the name must still
//   lead to the locked file, so saves of several copies of this program take
//   turns. A writer that takes no lock is out of reach.
// - After a failure only this save's own bytes are taken back: the file is cut
//   back to the size noted under the lock, or removed when this save created it,
//   nothing else was added and the name still leads to it.
// - Durable: the file is synced, and so is its directory when the save created it.
// - The termination signals (SIGINT, SIGTERM, SIGHUP, SIGQUIT) are held back
//   until the save is over and then delivered, except while it waits for another
//   copy's save, before anything is written: there they end the program at once.
//   A file-size limit gives an error, not a kill.
//
// No append in place can promise more: a kill -9 or a power loss in the middle
// of the write can leave the beginning of the sheet at the end of the file.
#include <cerrno>
#include <fcntl.h>

#include "appels_posix.h"
#include "signaux_retenus.h"

namespace {

// Writes at the end, never through a link, never waiting for a FIFO's reader;
// reads too, to see whether the file is a PDF.
constexpr int DRAPEAUX = O_RDWR | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
// Tries at open, lock and check before giving up on a name that keeps changing.
constexpr int ESSAIS = 8;

// The save under way, from the open to the close: one descriptor (swapped for a
// duplicate of itself when the written one is closed), the file locked through
// it, the size noted under the lock. Unless the save is confirmed, the
// destructor takes the sheet back; the lock goes last, with the descriptor.
class AjoutProvisoire {
public:
    AjoutProvisoire(AppelsPosix& s, std::string c) : systeme(s), chemin(std::move(c)) {}
    ~AjoutProvisoire()
    {
        if (!fini) {
            defaire();
        }
        if (fd >= 0) {
            systeme.fermer(fd);
        }
    }
    AjoutProvisoire(const AjoutProvisoire&) = delete;
    AjoutProvisoire& operator=(const AjoutProvisoire&) = delete;

    // Open (creating the file if there is none), lock, check that the name still
    // leads to the locked file, note its size, and refuse a PDF. Nothing, or why
    // the save cannot be made.
    std::optional<Raison> ouvrir(const SignauxRetenus& retenus);
    // Writes everything (see ecrireTout), counting what was written; 0 or the error.
    int ecrire(const std::string& contenu);
    // Syncs the file, then its directory when the save created it; 0 or the error.
    int synchroniser();
    // Closes the written descriptor, whose close can be the one to report a failed
    // write, while a duplicate keeps the lock; on success the save is confirmed. 0 or the error.
    int confirmer();
    // Takes back what this save added; nothing, or why it could not.
    std::optional<Raison> defaire();

private:
    // Whether the locked file begins as a PDF does; 0 or the error of the read.
    int estUnPdf(bool& pdf);
    // Whether the name leads to the open file, as `nom` tells; when it does not,
    // errno is ENOENT if the name is gone, 0 if it leads elsewhere, or why it could not be looked at.
    bool nomMeneAuFichier(struct stat& nom);
    // The exclusive lock, waiting for another copy's save if need be; 0 or the error.
    int verrouiller(const SignauxRetenus& retenus);

    AppelsPosix& systeme;
    const std::string chemin;
    int fd = -1;
    struct stat fichier = {};  // what fd is: its device and inode
    bool cree = false;         // by this save
    bool verrouille = false;   // the size below is noted under the lock
    off_t avant = 0;
    off_t ecrit = 0;
    bool fini = false;  // confirmed or taken back
};

std::optional<Raison> AjoutProvisoire::ouvrir(const SignauxRetenus& retenus)
{
    for (int essai = 0; essai < ESSAIS; ++essai) {
        if (fd >= 0) {
            systeme.fermer(fd);  // the name led elsewhere: this file is not ours to touch
            fd = -1;
        }
        struct stat vu = {};
        const bool existe = systeme.examiner(chemin, vu) == 0;
        if (!existe && errno != ENOENT) {
            return raisonErrno(errno);
        }
        if (existe && !S_ISREG(vu.st_mode)) {
            return Raison{causeNature(vu.st_mode), {}};  // refused before anything is opened
        }
        fd = existe ? systeme.ouvrir(chemin, DRAPEAUX, 0) : systeme.ouvrir(chemin, DRAPEAUX | O_CREAT | O_EXCL, 0666);
        if (fd < 0) {
            if (errno == (existe ? ENOENT : EEXIST)) {
                continue;  // removed, or made, since it was looked at
            }
            return raisonErrno(errno);
        }
        cree = !existe;
        if (systeme.etat(fd, fichier) != 0) {
            cree = false;  // a file that cannot be told from another is left alone
            return raisonErrno(errno);
        }
        if (!S_ISREG(fichier.st_mode) || (existe && identiteDe(vu) != identiteDe(fichier))) {
            cree = false;
            continue;  // something else took the name between the look and the open
        }
        if (const int erreur = verrouiller(retenus)) {
            return raisonErrno(erreur);
        }
        // Another copy may have removed, while this one waited, a file it had
        // created and could not fill; or anyone may have renamed this one.
        struct stat nom = {};
        if (nomMeneAuFichier(nom)) {
            verrouille = true;
            avant = nom.st_size;
            bool pdf = false;
            if (const int erreur = estUnPdf(pdf)) {
                return raisonErrno(erreur);
            }
            if (pdf) {
                fini = true;  // nothing written, nothing to take back: the PDF is not touched
                return Raison{Cause::UN_PDF, {}};
            }
            return std::nullopt;
        }
        if (errno != 0 && errno != ENOENT) {
            return raisonErrno(errno);
        }
        cree = false;  // the file this try made, if any, is no longer at the name
    }
    return Raison{Cause::NOM_INSTABLE, {}};
}

int AjoutProvisoire::estUnPdf(bool& pdf)
{
    pdf = false;
    if (avant < static_cast<off_t>(DEBUT_PDF.size())) {
        return 0;  // too short to be one: no read
    }
    std::string debut;
    const int erreur = lireJusqua(systeme, fd, DEBUT_PDF.size(), debut);
    pdf = debut == DEBUT_PDF;
    return erreur;
}

bool AjoutProvisoire::nomMeneAuFichier(struct stat& nom)
{
    if (systeme.examiner(chemin, nom) != 0) {
        return false;
    }
    errno = 0;
    return identiteDe(nom) == identiteDe(fichier);
}

int AjoutProvisoire::verrouiller(const SignauxRetenus& retenus)
{
    if (systeme.verrouiller(fd, false) == 0) {
        return 0;
    }
    if (errno != EWOULDBLOCK) {
        return errno;
    }
    // Another copy is saving to this file. Nothing of this save is written yet:
    // the wait may be ended by a termination signal, which ends the program.
    const SignauxRetenus::Lacher pendantLAttente(retenus);
    while (systeme.verrouiller(fd, true) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

int AjoutProvisoire::ecrire(const std::string& contenu)
{
    std::size_t fait = 0;
    const int erreur = ecrireTout(systeme, fd, contenu, &fait);
    ecrit = static_cast<off_t>(fait);
    return erreur;
}

int AjoutProvisoire::synchroniser()
{
    if (systeme.synchroniser(fd) != 0) {
        return errno;
    }
    if (!cree) {
        return 0;
    }
    // The new entry itself must outlive a power loss.
    return synchroniserDossier(systeme, dossierDe(chemin));
}

int AjoutProvisoire::confirmer()
{
    const int verrou = systeme.dupliquer(fd);
    if (verrou < 0) {
        return errno;
    }
    const int ferme = systeme.fermer(fd);
    const int erreur = errno;
    fd = verrou;
    if (ferme != 0) {
        return erreur;
    }
    fini = true;
    return 0;
}

std::optional<Raison> AjoutProvisoire::defaire()
{
    fini = true;
    if (fd < 0) {
        return std::nullopt;  // nothing was opened
    }
    struct stat nom = {};
    if (!verrouille) {
        // Nothing was written: only a file this save created, still empty, goes.
        if (cree && nomMeneAuFichier(nom) && nom.st_size == 0) {
            systeme.supprimer(chemin);
        }
        return std::nullopt;
    }
    if (cree && avant == 0 && nomMeneAuFichier(nom) && nom.st_size == ecrit) {
        if (systeme.supprimer(chemin) != 0) {
            return raisonErrno(errno);
        }
        return std::nullopt;
    }
    if (systeme.tronquer(fd, avant) != 0 || systeme.synchroniser(fd) != 0) {
        return raisonErrno(errno);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Echec> StockagePosix::ajouterFiche(const std::string& chemin, const std::string& contenu)
{
    const SignauxRetenus retenus;
    AjoutProvisoire ajout(appels, chemin);
    if (auto refus = ajout.ouvrir(retenus)) {
        return Echec{*refus, Echec::Suite::AUCUNE, {}, {}};
    }
    int erreur = ajout.ecrire(contenu);
    if (erreur == 0) {
        erreur = ajout.synchroniser();
    }
    if (erreur == 0) {
        erreur = ajout.confirmer();
    }
    if (erreur == 0) {
        return std::nullopt;
    }
    Echec echec{raisonErrno(erreur), Echec::Suite::AUCUNE, {}, {}};
    if (const std::optional<Raison> reste = ajout.defaire()) {
        echec.suite = Echec::Suite::DEBUT_NON_RETIRE;
        echec.raisonSuite = *reste;
    }
    return echec;
}
