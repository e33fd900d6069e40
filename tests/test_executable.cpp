// The shipped program itself: main's wiring of the command line and the
// standard streams, the real dice and their waits, and the memory an endless
// word costs. The program's runs in the test's process are the case folders.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>

#include "encodage.h"
#include "outils.h"

namespace fs = std::filesystem;

namespace {

const std::string TRANSCRIPTS = VESPERINE_TRANSCRIPTS;

// Runs the shell command `commande` in `dossier`, where "$V" names the program;
// its exit status, or -1 when it did not exit.
int executer(const fs::path& dossier, const std::string& commande)
{
    const std::string ligne = "cd '" + dossier.string() + "' && V='" VESPERINE_EXECUTABLE "' && " + commande;
    const int statut = std::system(ligne.c_str());
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

// The program with `arguments` and the answers of transcript `cas`; screen and errors in files.
std::string avecReponses(const std::string& arguments, const std::string& cas)
{
    return "\"$V\" " + arguments + " < '" + TRANSCRIPTS + "/" + cas + "/entree.txt' > ecran 2> erreurs";
}

}  // namespace

// Answers of a transcript, with real throws: eleven one-second waits.
TEST(Executable, UnePasseAvecLesVraisDes)
{
    DossierTemporaire dossier;
    EXPECT_EQ(executer(dossier.chemin(), avecReponses("", "hors_monde_adepte_choix_1")), 0);
    EXPECT_EQ(lireFichier(dossier.chemin() / "erreurs"), "");

    // Line 5 of the sheet: each Hors-monde start value plus twice a die of ten faces.
    std::istringstream fiche(lireFichier(dossier.chemin() / "Kael.pdf"));
    std::string ligne;
    for (int i = 0; i < 5; ++i) {
        std::getline(fiche, ligne);
    }
    std::istringstream valeurs(ligne);
    for (const int depart : {20, 20, 15, 20, 20, 20, 20, 25, 20}) {
        int v = 0;
        valeurs >> v;
        EXPECT_TRUE(v - depart >= 2 && v - depart <= 20 && (v - depart) % 2 == 0) << ligne;
    }
}

// Characters drawn without --graine: the seed drawn is the first line, and given
// back with --graine it makes the same batch (no die waits: two batches of two).
TEST(Executable, LaGraineTireeRefaitLeMemeLot)
{
    const DossierTemporaire tiree;
    const DossierTemporaire donnee;
    EXPECT_EQ(executer(tiree.chemin(), "\"$V\" --hasard Kael Dax > ecran 2> erreurs"), 0);
    const std::string ecran = lireFichier(tiree.chemin() / "ecran");
    const std::string ligne = ecran.substr(0, ecran.find('\n') + 1);
    ASSERT_EQ(ligne.rfind("Graine : ", 0), 0U) << ecran;
    const std::string graine = ligne.substr(9, ligne.size() - 10);
    EXPECT_EQ(executer(donnee.chemin(), "\"$V\" --hasard --graine " + graine + " Kael Dax > ecran 2> erreurs"), 0);
    std::map<std::string, std::string> refait = releverDossier(donnee.chemin());
    refait["ecran"] = ligne + refait["ecran"];
    EXPECT_EQ(releverDossier(tiree.chemin()), refait);
}

// What the real standard streams may hold at their edges: the version on a
// seeded line, the help or the version that cannot be written whole is an error,
// and so is a printed PDF that cannot be named; an input that cannot be read
// ends the dialogue with the system's reason. The reasons are French under the
// C locale too; the command line's own edges are tests/options.txt.
TEST(Executable, BordsDeLaLigneDeCommandeEtEntreeIllisible)
{
    const std::string interrompue = " ; création interrompue, aucune fiche enregistrée.\n";
    const std::string menuMonde = lireFichier(TRANSCRIPTS + "/fin_entree_menu_monde/sortie.txt");
    const std::string annonce = "vesperine : la fiche à imprimer « K-imprimable.pdf » est écrite, mais la sortie "
                                "standard refuse de la nommer : ";
    struct Cas {
        const char* commande;  // arguments and redirections
        int statut;
        std::string ecran;
        std::string erreurs;
    };
    const Cas cas[] = {
        {"--graine 00000000001 --version", 0, "vesperine " VESPERINE_VERSION "\n", ""},
        {"--help > /dev/full", 1, "", "vesperine : impossible d'écrire l'aide : plus de place sur le disque\n"},
        {"--version >&-", 1, "", "vesperine : impossible d'écrire la version : fermé ou inutilisable\n"},
        {"< /", 1, menuMonde, "Impossible de lire l'entrée standard : c'est un dossier" + interrompue},
        {"<&-", 1, menuMonde, "Impossible de lire l'entrée standard : fermé ou inutilisable" + interrompue},
        // The PDF is written, but the line that names it is lost: an error too.
        {"--imprimer K.pdf > /dev/full", 1, "", annonce + "plus de place sur le disque\n"},
        {"--imprimer K.pdf >&-", 1, "", annonce + "fermé ou inutilisable\n"},
    };
    DossierTemporaire dossier;
    ecrireFichier(dossier.chemin() / "K.pdf",
                  versWindows1252(lireFichier(TRANSCRIPTS + "/hors_monde_adepte_choix_1/fiches/Kael.pdf")));
    for (const Cas& c : cas) {
        // The case's own redirections, inside the parentheses, win over the outer ones.
        const std::string commande = std::string("(LC_ALL=C \"$V\" ") + c.commande + ") 2> erreurs > ecran < /dev/null";
        EXPECT_EQ(executer(dossier.chemin(), commande), c.statut) << c.commande;
        EXPECT_EQ(lireFichier(dossier.chemin() / "ecran"), c.ecran) << c.commande;
        EXPECT_EQ(lireFichier(dossier.chemin() / "erreurs"), c.erreurs) << c.commande;
    }
}

// One word of 64 MiB at the homeworld question, then the input ends (status 1):
// the program keeps a bounded part of a word, so its peak memory, the largest of
// this process's children so far, grows by less than 1 MiB over a one-byte word.
TEST(Executable, UnMotDe64MioNeCoutePasPlusQuUnMotCourt)
{
    DossierTemporaire dossier;
    long pics[2] = {};
    for (const long octets : {1L, 64L << 20}) {
        const std::string mot = "head -c " + std::to_string(octets) + " /dev/zero | tr '\\0' x | ";
        EXPECT_EQ(executer(dossier.chemin(), mot + "\"$V\" > /dev/null 2>&1"), 1) << octets << " bytes";
        rusage usage = {};
        getrusage(RUSAGE_CHILDREN, &usage);
        pics[octets == 1 ? 0 : 1] = usage.ru_maxrss;
    }
    EXPECT_LT(pics[1] - pics[0], 1024) << pics[0] << " KiB, then " << pics[1] << " KiB";
}
