// The shipped program itself: main's wiring of the command line, the real dice
// and their waits. Answers of a transcript, run with real throws (eleven
// one-second waits), then with seeded dice, which must give the transcript's
// screen and sheet byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

#include "encodage.h"
#include "outils.h"

namespace fs = std::filesystem;

namespace {

const std::string TRANSCRIPTS = VESPERINE_TRANSCRIPTS;

// Runs the program in `dossier` with `arguments` and the answers of case `cas`;
// its exit status, or -1 when it did not exit.
int executer(const fs::path& dossier, const std::string& arguments, const std::string& cas)
{
    const std::string commande = "cd '" + dossier.string() + "' && '" VESPERINE_EXECUTABLE "' " + arguments + " < '" +
                                 TRANSCRIPTS + "/" + cas + "/entree.txt' > ecran 2> erreurs";
    const int statut = std::system(commande.c_str());
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

}  // namespace

TEST(Executable, UnePasseAvecLesVraisDes)
{
    DossierTemporaire dossier;
    EXPECT_EQ(executer(dossier.chemin(), "", "hors_monde_adepte_choix_1"), 0);
    EXPECT_EQ(lireFichier(dossier.chemin() / "erreurs"), "");
    ASSERT_TRUE(fs::exists(dossier.chemin() / "Kael.pdf"));

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

TEST(Executable, LigneDeCommande)
{
    DossierTemporaire dossier;
    EXPECT_EQ(executer(dossier.chemin(), "--graine 2026", "graine_2026"), 0);
    EXPECT_EQ(lireFichier(dossier.chemin() / "ecran"), lireFichier(TRANSCRIPTS + "/graine_2026/sortie.txt"));
    EXPECT_EQ(versUtf8(lireFichier(dossier.chemin() / "Kael.pdf")),
              lireFichier(TRANSCRIPTS + "/graine_2026/fiches/Kael.pdf"));  // kept in UTF-8
    EXPECT_EQ(executer(dossier.chemin(), "--version", "graine_2026"), 0);
    EXPECT_EQ(lireFichier(dossier.chemin() / "ecran"), "vesperine " VESPERINE_VERSION "\n");
    EXPECT_EQ(executer(dossier.chemin(), "--inconnue", "graine_2026"), 2);
    EXPECT_EQ(lireFichier(dossier.chemin() / "ecran"), "");
}

// What the command line and standard input may hold at their edges: every
// argument is checked before the help or the version is written, the help that
// cannot be written whole is an error, and an input that cannot be read ends the
// dialogue with the system's reason. The messages are the C locale's.
TEST(Executable, BordsDeLaLigneDeCommandeEtEntreeIllisible)
{
    const std::string usage =
        "Usage : vesperine [--graine N] [--imprimable] | --imprimer [-o SORTIE] FICHE... | --help | --version\n";
    const std::string interrompue = " ; création interrompue, aucune fiche enregistrée.\n";
    const std::string menuMonde = lireFichier(TRANSCRIPTS + "/fin_entree_menu_monde/sortie.txt");
    struct Cas {
        const char* commande;  // arguments and redirections
        int statut;
        std::string ecran;
        std::string erreurs;
    };
    const Cas cas[] = {
        {"--graine 00000000001 --version", 0, "vesperine " VESPERINE_VERSION "\n", ""},
        {"--help --nimportequoi", 2, "", "vesperine : option inconnue « --nimportequoi »\n" + usage},
        {"--version extra", 2, "", "vesperine : argument inattendu « extra »\n" + usage},
        {"--help > /dev/full", 1, "", "vesperine : impossible d'écrire l'aide : No space left on device\n"},
        {"--version >&-", 1, "", "vesperine : impossible d'écrire la version : Bad file descriptor\n"},
        {"< /", 1, menuMonde, "Impossible de lire l'entrée standard : Is a directory" + interrompue},
        {"<&-", 1, menuMonde, "Impossible de lire l'entrée standard : Bad file descriptor" + interrompue},
    };
    DossierTemporaire dossier;
    for (const Cas& c : cas) {
        // The case's own redirections, inside the parentheses, win over the outer ones.
        const std::string commande = "cd '" + dossier.chemin().string() + "' && (LC_ALL=C '" VESPERINE_EXECUTABLE "' " +
                                     c.commande + ") 2> erreurs > ecran < /dev/null";
        const int statut = std::system(commande.c_str());
        EXPECT_EQ(WIFEXITED(statut) ? WEXITSTATUS(statut) : -1, c.statut) << c.commande;
        EXPECT_EQ(lireFichier(dossier.chemin() / "ecran"), c.ecran) << c.commande;
        EXPECT_EQ(lireFichier(dossier.chemin() / "erreurs"), c.erreurs) << c.commande;
    }
}
