#include "impression.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>

#include "chargement_dessin.h"
#include "remplacement_entier.h"

namespace {

// The bytes of an open file, read through the file system's calls; `erreur`
// keeps the error of a read that failed (the stream then ends).
class TamponLecture : public std::streambuf {
public:
    TamponLecture(SystemeFichiers& s, int f) : systeme(s), fd(f) {}
    int erreur = 0;

protected:
    int_type underflow() override
    {
        for (;;) {
            const ssize_t n = systeme.lire(fd, tampon.data(), tampon.size());
            if (n > 0) {
                setg(tampon.data(), tampon.data(), tampon.data() + n);
                return traits_type::to_int_type(tampon[0]);
            }
            if (n == 0 || errno != EINTR) {
                erreur = n == 0 ? 0 : errno;
                return traits_type::eof();
            }
        }
    }

private:
    SystemeFichiers& systeme;
    int fd;
    std::array<char, 16384> tampon = {};
};

// The sheets of the file `chemin` (see lireFiches) and its identity, or why not:
// a missing file, a directory, a FIFO or a device (refused without waiting), a
// read error, or the line where reading stopped.
LectureFiches lire(SystemeFichiers& systeme, const std::string& chemin, struct stat& identite)
{
    LectureFiches lecture;
    // Without waiting for a FIFO's writer.
    const int fd = systeme.ouvrir(chemin, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0);
    if (fd < 0) {
        lecture.raison = errno == ENOENT ? "ce fichier n'existe pas" : std::strerror(errno);
        return lecture;
    }
    if (systeme.etat(fd, identite) != 0) {
        lecture.raison = std::strerror(errno);
    } else if (!S_ISREG(identite.st_mode)) {
        lecture.raison = raisonNature(identite.st_mode);
    } else {
        TamponLecture tampon(systeme, fd);
        std::istream flux(&tampon);
        lecture = lireFiches(flux);
        if (tampon.erreur != 0) {
            lecture.fiches.clear();
            lecture.raison = std::string("erreur de lecture : ") + std::strerror(tampon.erreur);
        }
    }
    systeme.fermer(fd);
    return lecture;
}

// Whether `chemin`, not followed, is the file `identite`.
bool memeFichier(SystemeFichiers& systeme, const std::string& chemin, const struct stat& identite)
{
    struct stat vu = {};
    return systeme.examiner(chemin, vu) == 0 && memeFichier(vu, identite);
}

// `imprimeur`, or when it is null the program's (see imprimeurDuProgramme).
std::optional<Imprimeur> imprimeurChoisi(const Imprimeur* imprimeur, std::string& raison)
{
    return imprimeur != nullptr ? std::optional<Imprimeur>(*imprimeur) : imprimeurDuProgramme(raison);
}

// The PDF of `fiches` in `pdf`, or the reason.
std::string dessiner(const Imprimeur& imprimeur, const std::vector<Fiche>& fiches, std::string& pdf)
{
    std::string raison;
    if (!imprimeur.dessiner(fiches, imprimeur.date, pdf, raison) && raison.empty()) {
        raison = "mémoire insuffisante";  // the module could not even say why
    }
    return raison;
}

std::string ligneAnnonce(const std::string& fichier) { return "Fiche à imprimer : « " + fichier + " »\n"; }

}  // namespace

std::string nomImprimable(const std::string& fiche)
{
    const std::string suffixe = ".pdf";
    const bool pdf =
        fiche.size() >= suffixe.size() && fiche.compare(fiche.size() - suffixe.size(), suffixe.size(), suffixe) == 0;
    return fiche.substr(0, fiche.size() - (pdf ? suffixe.size() : 0)) + "-imprimable.pdf";
}

std::optional<std::int64_t> dateImpression(const char* sourceDateEpoch, std::string& raison)
{
    if (sourceDateEpoch == nullptr || *sourceDateEpoch == '\0') {
        return static_cast<std::int64_t>(std::time(nullptr));
    }
    constexpr std::int64_t DATE_MAX = 253402300799;  // 9999-12-31 23:59:59 UTC
    std::int64_t date = 0;
    for (const char* c = sourceDateEpoch; *c != '\0'; ++c) {
        if (*c >= '0' && *c <= '9') {
            date = date * 10 + (*c - '0');
        }
        if (*c < '0' || *c > '9' || date > DATE_MAX) {
            raison = std::string("SOURCE_DATE_EPOCH doit être un nombre de secondes depuis 1970, de 0 à ") +
                     std::to_string(DATE_MAX) + ", pas « " + sourceDateEpoch + " »";
            return {};
        }
    }
    return date;
}

std::optional<Imprimeur> imprimeurDuProgramme(std::string& raison)
{
    const std::optional<std::int64_t> date = dateImpression(std::getenv("SOURCE_DATE_EPOCH"), raison);
    if (!date) {
        return {};
    }
    const DessinFiches dessin = chargerDessin(raison);
    if (dessin == nullptr) {
        return {};
    }
    return Imprimeur{dessin, *date};
}

int imprimer(const std::vector<std::string>& fiches, const std::optional<std::string>& sortie,
             std::ostream& sortieStandard, std::ostream& erreurs, SystemeFichiers& systeme, const Imprimeur& imprimeur)
{
    int statut = 0;
    for (const std::string& fichier : fiches) {
        const std::string cible = sortie ? *sortie : nomImprimable(fichier);
        struct stat identite = {};
        const LectureFiches lecture = lire(systeme, fichier, identite);
        std::string raison = lecture.raison;
        std::string pdf;
        if (raison.empty()) {
            raison = dessiner(imprimeur, lecture.fiches, pdf);
        }
        if (raison.empty() && cible == "-") {
            sortieStandard.write(pdf.data(), static_cast<std::streamsize>(pdf.size())).flush();
            raison = sortieStandard ? "" : "la sortie standard refuse l'écriture";
        } else if (raison.empty()) {
            const std::optional<std::string> echec =
                sortie && memeFichier(systeme, cible, identite)
                    ? std::optional<std::string>("ce serait écrire sur la fiche elle-même")
                    : remplacerEntier(systeme, cible, pdf);
            if (!echec) {
                sortieStandard << ligneAnnonce(cible) << std::flush;
            } else {
                raison = "écriture de « ";
                raison.append(cible).append(" » impossible : ").append(*echec);
            }
        }
        if (!raison.empty()) {
            erreurs << "Impossible d'imprimer « " << fichier << " » : " << raison << std::endl;
            statut = 1;
        }
    }
    return statut;
}

int commandeImprimer(const std::vector<std::string>& fiches, const std::optional<std::string>& sortie,
                     std::ostream& sortieStandard, std::ostream& erreurs, SystemeFichiers& systeme,
                     const Imprimeur* imprimeur)
{
    std::string raison;
    const std::optional<Imprimeur> choisi = imprimeurChoisi(imprimeur, raison);
    if (!choisi) {
        erreurs << "Impossible d'imprimer : " << raison << std::endl;
        return 1;
    }
    return imprimer(fiches, sortie, sortieStandard, erreurs, systeme, *choisi);
}

bool imprimerApresEnregistrement(const Fiche& fiche, const std::string& dossier, const std::string& fichier,
                                 std::ostream& sortie, std::ostream& erreurs, SystemeFichiers& systeme,
                                 const Imprimeur* imprimeur)
{
    const std::string pdf = nomImprimable(fichier);
    std::string raison;
    const std::optional<Imprimeur> choisi = imprimeurChoisi(imprimeur, raison);
    std::string octets;
    if (choisi) {
        raison = dessiner(*choisi, {fiche}, octets);
    }
    if (raison.empty()) {
        raison = remplacerEntier(systeme, dossier.empty() ? pdf : dossier + "/" + pdf, octets).value_or("");
    }
    if (raison.empty()) {
        sortie << ligneAnnonce(pdf) << std::flush;
        return true;
    }
    erreurs << "Impossible d'écrire la fiche à imprimer « " << pdf << " » : " << raison << "\nLa fiche « " << fichier
            << " » est enregistrée ; pour l'imprimer plus tard : vesperine --imprimer « " << fichier << " »"
            << std::endl;
    return false;
}
