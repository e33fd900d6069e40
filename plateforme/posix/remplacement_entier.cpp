// The replacement of a PDF, whole (StockagePosix::remplacerPdf): written to a
// new temporary file of the same directory (".<name>.<n>.provisoire", never an
// existing one), locked by its writer for its whole life, synced, then renamed
// over the PDF, and the directory synced. The name never shows a half-written
// file. What stands at the name is looked at first: nothing, or a regular file
// that begins with "%PDF-", whose permissions the new file takes; anything else
// is refused before anything is created. After any failure before the rename
// the temporary is removed and the name is as it was; a failed sync of the
// directory after it is reported with the new file in place. A temporary whose
// writer was killed is no longer locked: the next print of the same name
// removes it. The termination signals wait until it is over (SignauxRetenus).
#include <cerrno>
#include <fcntl.h>
#include <optional>

#include "appels_posix.h"
#include "signaux_retenus.h"

namespace {

// Temporary names of one PDF: enough for several prints of it at once.
constexpr int TEMPORAIRES = 16;
// Bytes of the PDF's name kept in its temporary's, so that the whole fits in 255.
constexpr std::size_t NOM_MAX = 200;

std::string nomTemporaire(const std::string& dossier, const std::string& nom, int rang)
{
    return dossier + "/." + nom.substr(0, NOM_MAX) + "." + std::to_string(rang) + ".provisoire";
}

// What stands at `chemin`, its last component not followed: nothing for a PDF
// (its permissions in `mode`) or nothing at all, else why it cannot be replaced.
std::optional<Raison> obstacle(AppelsPosix& appels, const std::string& chemin, std::optional<mode_t>& mode)
{
    struct stat vu = {};
    if (appels.examiner(chemin, vu) != 0) {
        return errno == ENOENT ? std::nullopt : std::optional<Raison>(raisonErrno(errno));
    }
    if (!S_ISREG(vu.st_mode)) {
        return Raison{causeNature(vu.st_mode), {}};
    }
    const int fd = appels.ouvrir(chemin, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0);
    if (fd < 0) {
        return raisonErrno(errno);
    }
    std::string debut;
    const int erreur = lireJusqua(appels, fd, DEBUT_PDF.size(), debut);
    appels.fermer(fd);  // read-only: its close has nothing to report
    if (erreur != 0) {
        return raisonErrno(erreur);
    }
    if (debut != DEBUT_PDF) {
        return Raison{Cause::PAS_UN_PDF, {}};
    }
    mode = vu.st_mode & 07777;
    return std::nullopt;
}

// Why a path that ends in '/' names no file: the directory it names, or its absence.
Raison obstacleDossier(AppelsPosix& appels, const std::string& chemin)
{
    struct stat vu = {};
    if (appels.examiner(chemin.substr(0, chemin.size() - 1), vu) != 0) {
        return errno == ENOENT ? Raison{Cause::DOSSIER_ABSENT, {}} : raisonErrno(errno);
    }
    return Raison{S_ISDIR(vu.st_mode) ? Cause::DOSSIER : Cause::PAS_UN_DOSSIER, {}};
}

// Whether the name `chemin` still leads to the open file `fd`.
bool nomMeneA(AppelsPosix& appels, const std::string& chemin, int fd)
{
    struct stat nom = {};
    struct stat fichier = {};
    return appels.examiner(chemin, nom) == 0 && appels.etat(fd, fichier) == 0 && identiteDe(nom) == identiteDe(fichier);
}

// Removes the temporaries of this PDF that no writer holds any more: a print
// killed before it could remove its own.
void retirerAbandonnes(AppelsPosix& appels, const std::string& dossier, const std::string& nom)
{
    for (int rang = 0; rang < TEMPORAIRES; ++rang) {
        const std::string temporaire = nomTemporaire(dossier, nom, rang);
        struct stat vu = {};
        if (appels.examiner(temporaire, vu) != 0 || !S_ISREG(vu.st_mode)) {
            continue;
        }
        const int fd = appels.ouvrir(temporaire, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0);
        if (fd < 0) {
            continue;
        }
        if (appels.verrouiller(fd, false) == 0 && nomMeneA(appels, temporaire, fd)) {
            appels.supprimer(temporaire);  // its writer is gone: nobody else knows this name
        }
        appels.fermer(fd);
    }
}

// A new temporary file for `nom` in `dossier`, opened for writing and locked;
// its path in `temporaire`. -1 with the reason in `raison` on failure.
int creerTemporaire(AppelsPosix& appels, const std::string& dossier, const std::string& nom, std::string& temporaire,
                    Raison& raison)
{
    for (int rang = 0; rang < TEMPORAIRES; ++rang) {
        temporaire = nomTemporaire(dossier, nom, rang);
        const int fd = appels.ouvrir(temporaire, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno == EEXIST) {
            continue;  // another print's
        }
        if (fd < 0) {
            raison = errno == ENOENT ? Raison{Cause::DOSSIER_ABSENT, {}} : raisonErrno(errno);
            return -1;
        }
        // Another print may have taken it for abandoned between the creation and the lock.
        if (appels.verrouiller(fd, false) == 0 && nomMeneA(appels, temporaire, fd)) {
            return fd;
        }
        appels.fermer(fd);
    }
    raison = Raison{Cause::IMPRESSIONS_EN_COURS, {}};
    return -1;
}

}  // namespace

std::optional<Echec> StockagePosix::remplacerPdf(const std::string& chemin, const std::string& contenu)
{
    const auto echec = [](Raison r) { return std::optional<Echec>(Echec{std::move(r), Echec::Suite::AUCUNE, {}, {}}); };
    const std::string dossier = dossierDe(chemin);
    const std::string nom = chemin.substr(chemin.rfind('/') + 1);  // npos + 1 is 0
    if (nom.empty()) {
        return echec(obstacleDossier(appels, chemin));
    }
    const SignauxRetenus retenus;
    std::optional<mode_t> mode;
    if (auto raison = obstacle(appels, chemin, mode)) {
        return echec(*raison);
    }
    retirerAbandonnes(appels, dossier, nom);
    std::string temporaire;
    Raison raison;
    const int fd = creerTemporaire(appels, dossier, nom, temporaire, raison);
    if (fd < 0) {
        return echec(raison);
    }
    int erreur = mode && appels.changerMode(fd, *mode) != 0 ? errno : 0;
    if (erreur == 0) {
        erreur = ecrireTout(appels, fd, contenu);
    }
    if (erreur == 0 && appels.synchroniser(fd) != 0) {
        erreur = errno;
    }
    // Renamed while still locked, so that no other print takes it for abandoned.
    if (erreur == 0 && appels.renommer(temporaire, chemin) != 0) {
        erreur = errno;
    }
    if (erreur != 0) {
        Echec e{raisonErrno(erreur), Echec::Suite::AUCUNE, {}, {}};
        if (appels.supprimer(temporaire) != 0) {
            e.suite = Echec::Suite::TEMPORAIRE_RESTE;
            e.raisonSuite = raisonErrno(errno);
            e.temporaire = temporaire;
        }
        appels.fermer(fd);
        return e;
    }
    appels.fermer(fd);  // synced: what it could report is already on disk
    erreur = synchroniserDossier(appels, dossier);
    if (erreur != 0) {
        return Echec{raisonErrno(erreur), Echec::Suite::DOSSIER_NON_SYNCHRONISE, {}, {}};
    }
    return std::nullopt;
}
