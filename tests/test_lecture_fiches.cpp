// Printing, in parts that no case folder shows: the bounds of reading, the
// date, the module loaded at run time, the page limit. The print command itself,
// and sheet files read back (LF, CR LF, several sheets, every skill and talent),
// run on the case folders of tests/transcripts/.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <sstream>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "chargement_dessin.h"
#include "encodage.h"
#include "fiche.h"
#include "impression.h"
#include "outils.h"

namespace fs = std::filesystem;

namespace {

const fs::path TRANSCRIPTS = VESPERINE_TRANSCRIPTS;

LectureFiches lire(const std::string& octets)
{
    std::istringstream flux(octets);
    return lireFiches(flux);
}

// The first sheet that the transcripts save, in Windows-1252.
std::string kael() { return versWindows1252(lireFichier(TRANSCRIPTS / "hors_monde_adepte_choix_1/fiches/Kael.pdf")); }

// The sheet of a player with every skill trained and every talent, as the print case that prints it has it.
Fiche ficheComplete()
{
    return lire(
               versWindows1252(lireFichier(TRANSCRIPTS / "imprimer_toutes_competences_tous_talents/existant/Tout.pdf")))
        .fiches.at(0);
}

// Endless input: `motif` again and again; counts the bytes handed out.
class SansFin : public std::streambuf {
public:
    explicit SansFin(std::string m) : motif(std::move(m)) {}
    std::size_t servis = 0;

protected:
    int_type underflow() override
    {
        setg(motif.data(), motif.data(), motif.data() + motif.size());
        servis += motif.size();
        return traits_type::to_int_type(motif[0]);
    }

private:
    std::string motif;
};

// Whatever the input's length, reading stops at a bound, having read little more than it.
TEST(LectureFiches, BorneeQuelleQueSoitLEntree)
{
    const std::string une = kael();
    const auto lignesDe = [](const std::string& t) {
        return static_cast<std::size_t>(std::count(t.begin(), t.end(), '\n'));
    };
    SansFin fiches(une);
    std::istream flux1(&fiches);
    EXPECT_EQ(lireFiches(flux1).raison,
              "ligne " + std::to_string(FICHES_MAX * lignesDe(une) + 1) + " : plus de 500 fiches dans un même fichier");
    EXPECT_EQ(fiches.servis, (FICHES_MAX + 1) * une.size());

    const std::string grande = texteFiche(ficheComplete());
    SansFin grandes(grande);
    std::istream flux2(&grandes);
    const std::size_t entieres = TAILLE_MAX / grande.size();
    const std::string reste = grande.substr(0, TAILLE_MAX % grande.size());
    EXPECT_EQ(lireFiches(flux2).raison, "ligne " + std::to_string(entieres * lignesDe(grande) + lignesDe(reste) + 1) +
                                            " : le fichier dépasse 2 Mio");
    EXPECT_LE(grandes.servis, TAILLE_MAX + grande.size());

    SansFin ligne("Nom:");
    std::istream flux3(&ligne);
    EXPECT_EQ(lireFiches(flux3).raison, "ligne 1 : ligne de plus de 8192 octets");
    EXPECT_LE(ligne.servis, LIGNE_MAX + 4);

    EXPECT_EQ(lire(une.substr(0, une.size() - 1)).raison, "ligne 47 : la dernière ligne n'a pas de fin de ligne");
}

TEST(Impression, DateEtNomsSansPdf)
{
    std::string raison;
    EXPECT_EQ(dateImpression("1700000000", raison), 1700000000);
    EXPECT_EQ(dateImpression("253402300799", raison), 253402300799);
    for (const char* maintenant : {static_cast<const char*>(nullptr), ""}) {
        const std::time_t avant = std::time(nullptr);
        const std::optional<std::int64_t> date = dateImpression(maintenant, raison);
        EXPECT_TRUE(date && *date >= avant && *date <= std::time(nullptr));
    }
    for (const char* mauvaise : {"-1", "1e9", " 1", "0x10", "253402300800", "18446744073709551617"}) {
        EXPECT_EQ(dateImpression(mauvaise, raison), std::nullopt) << mauvaise;
    }
    EXPECT_EQ(raison, "SOURCE_DATE_EPOCH doit être un nombre de secondes depuis 1970, de 0 à 253402300799, pas « "
                      "18446744073709551617 »");
    EXPECT_EQ(nomImprimable("dos/Kael"), "dos/Kael-imprimable.pdf");
    EXPECT_EQ(nomImprimable("Kael.PDF"), "Kael.PDF-imprimable.pdf");
}

// POSIX alone: Windows has no module to load (the drawing is in the program),
// and no permission bits to keep.
#ifndef _WIN32
// The program loads the same drawing from its module; a module that is not
// there, that is a FIFO (it would hang the loader), that is no module or that
// comes from another version of the program is refused with a reason.
TEST(Impression, LeModuleDessineCommeLaBibliotheque)
{
    std::string raison;
    const DessinFiches module = chargerModuleDessin(VESPERINE_MODULE, signatureDessin(), raison);
    ASSERT_NE(module, nullptr) << raison;
    const std::vector<Fiche> fiches = lire(kael()).fiches;
    std::string parModule;
    std::string parBibliotheque;
    ASSERT_TRUE(module(fiches, 1700000000, parModule, raison)) << raison;
    ASSERT_TRUE(dessinerFiches(fiches, 1700000000, parBibliotheque, raison)) << raison;
    EXPECT_TRUE(parModule == parBibliotheque);
    const DossierTemporaire dossier;
    const std::string fifo = (dossier.chemin() / "fifo.so").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ecrireFichier(dossier.chemin() / "texte.so", "pas un module");
    const std::string ordinaire = " : ce n'est pas un fichier ordinaire";
    const std::string invalide = " impossible à charger : ce n'est pas un module de ce programme, ou une "
                                 "bibliothèque qu'il demande manque";
    const std::string autre = " : il vient d'une autre version du programme (" + signatureDessin() + ", et non 0.0.0-" +
                              std::to_string(sizeof(Fiche)) + ") ; réinstallez vesperine";
    const std::pair<std::string, std::string> refus[] = {
        {"/absent/vesperine-pdf.so", ordinaire},
        {fifo, ordinaire},
        {(dossier.chemin() / "texte.so").string(), invalide},
        {VESPERINE_MODULE, autre},
    };
    for (const auto& [chemin, fin] : refus) {
        const std::string signature =
            chemin == VESPERINE_MODULE ? "0.0.0-" + std::to_string(sizeof(Fiche)) : signatureDessin();
        EXPECT_EQ(chargerModuleDessin(chemin, signature, raison), nullptr) << chemin;
        EXPECT_EQ(raison, "module d'impression « " + chemin + " »" + fin);
    }
}

// A PDF replaced keeps who may read it: a private one stays private (POSIX
// permission bits; std::filesystem has only the read-only attribute on Windows).
TEST(Impression, UnPdfRemplaceGardeSesDroits)
{
    const DossierTemporaire dossier;
    const fs::path pdf = dossier.chemin() / "Kael-imprimable.pdf";
    ecrireFichier(pdf, "%PDF-1.4 ancien\n");
    fs::permissions(pdf, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(stockageReel().remplacerPdf(pdf.string(), "%PDF-1.4 nouveau\n").has_value());
    EXPECT_EQ(lireFichier(pdf), "%PDF-1.4 nouveau\n");
    EXPECT_EQ(fs::status(pdf).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
#endif

TEST(Impression, PasPlusDeMillePages)
{
    const std::vector<Fiche> fiches(PAGES_MAX / 4 + 1, ficheComplete());  // four pages each
    std::string pdf;
    std::string raison;
    EXPECT_FALSE(dessinerFiches(fiches, 0, pdf, raison));
    EXPECT_EQ(raison, "plus de 1000 pages à imprimer");
    EXPECT_EQ(pdf, "");
}

}  // namespace
