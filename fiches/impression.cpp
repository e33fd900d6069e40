#include "impression.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "chargement_dessin.h"
#include "fiche.h"
#include "raisons.h"

namespace {

// The bytes of a string as a stream buffer, without a copy.
class TamponTexte : public std::streambuf {
public:
    explicit TamponTexte(std::string& texte) { setg(texte.data(), texte.data(), texte.data() + texte.size()); }
};

// The sheets of the file `chemin` (see lireFiches) and its identity, or why not:
// a missing file, a directory, a FIFO or a device (refused without waiting), a
// read error, or the line where reading stopped.
LectureFiches lire(Stockage& stockage, const std::string& chemin, Identite& identite)
{
    LectureFiches lecture;
    std::string contenu;
    // One byte past the limit, so that the reader sees the file is too long.
    if (const std::optional<Raison> raison = stockage.lire(chemin, TAILLE_MAX + 1, contenu, identite)) {
        lecture.raison = enFrancais(*raison);
        return lecture;
    }
    TamponTexte tampon(contenu);
    std::istream flux(&tampon);
    return lireFiches(flux);
}

// What a failed write on a stream left in errno, worded: " : <reason>", or nothing when it left none.
std::string raisonFlux(int code) { return code == 0 ? std::string() : " : " + enFrancais(raisonSysteme(code)); }

// Names the PDF written on `sortie`; false, having said why on `erreurs`, when `sortie` does not take it.
bool annoncer(const std::string& fichier, std::ostream& sortie, std::ostream& erreurs)
{
    errno = 0;
    sortie << "Fiche à imprimer : « " << fichier << " »\n" << std::flush;
    if (sortie) {
        return true;
    }
    erreurs << "vesperine : la fiche à imprimer « " << fichier
            << " » est écrite, mais la sortie standard refuse de la nommer" << raisonFlux(errno) << std::endl;
    return false;
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

}  // namespace

std::string nomImprimable(const std::string& fiche)
{
    const std::string pdf = ".pdf";
    const std::string suffixe = "-imprimable.pdf";
    const bool finPdf = fiche.size() >= pdf.size() && fiche.compare(fiche.size() - pdf.size(), pdf.size(), pdf) == 0;
    const std::string base = fiche.substr(0, fiche.size() - (finPdf ? pdf.size() : 0));
    const std::size_t debut = base.rfind('/') + 1;  // npos + 1 is 0
    return base.substr(0, debut) + debutQuiTient(base.substr(debut), NOM_FICHIER_MAX - suffixe.size()) + suffixe;
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
    const DessinFiches dessin = chargerDessin(signatureDessin(), raison);
    if (dessin == nullptr) {
        return {};
    }
    return Imprimeur{dessin, *date};
}

int imprimer(const std::vector<std::string>& fiches, const std::optional<std::string>& sortie,
             std::ostream& sortieStandard, std::ostream& erreurs, Stockage& stockage, const Imprimeur& imprimeur)
{
    int statut = 0;
    for (const std::string& fichier : fiches) {
        const std::string cible = sortie ? *sortie : nomImprimable(fichier);
        Identite identite;
        const LectureFiches lecture = lire(stockage, fichier, identite);
        std::string raison = lecture.raison;
        std::string pdf;
        if (raison.empty()) {
            raison = dessiner(imprimeur, lecture.fiches, pdf);
        }
        if (raison.empty() && cible == "-") {
            errno = 0;
            sortieStandard.write(pdf.data(), static_cast<std::streamsize>(pdf.size())).flush();
            raison = sortieStandard ? "" : "la sortie standard refuse l'écriture" + raisonFlux(errno);
        } else if (raison.empty()) {
            std::optional<std::string> echec;
            if (sortie && stockage.estLeFichier(cible, identite)) {
                echec = "ce serait écrire sur la fiche elle-même";
            } else if (const std::optional<Echec> e = stockage.remplacerPdf(cible, pdf)) {
                echec = enFrancais(*e);
            }
            if (!echec) {
                statut = annoncer(cible, sortieStandard, erreurs) ? statut : 1;
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
                     std::ostream& sortieStandard, std::ostream& erreurs, Stockage& stockage,
                     const Imprimeur* imprimeur)
{
    std::string raison;
    const std::optional<Imprimeur> choisi = imprimeurChoisi(imprimeur, raison);
    if (!choisi) {
        erreurs << "Impossible d'imprimer : " << raison << std::endl;
        return 1;
    }
    return imprimer(fiches, sortie, sortieStandard, erreurs, stockage, *choisi);
}

bool imprimerApresEnregistrement(const Fiche& fiche, const std::string& dossier, const std::string& fichier,
                                 std::ostream& sortie, std::ostream& erreurs, Stockage& stockage,
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
        const std::optional<Echec> echec = stockage.remplacerPdf(dossier.empty() ? pdf : dossier + "/" + pdf, octets);
        raison = echec ? enFrancais(*echec) : "";
    }
    if (raison.empty()) {
        return annoncer(pdf, sortie, erreurs);
    }
    erreurs << "Impossible d'écrire la fiche à imprimer « " << pdf << " » : " << raison << "\nLa fiche « " << fichier
            << " » est enregistrée ; pour l'imprimer plus tard : vesperine --imprimer « " << fichier << " »"
            << std::endl;
    return false;
}
