// The command line of the real executable: usage, version, wrong options, and
// --graine, whose dice repeat the same character everywhere without waiting.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "outils.h"
#include "source_graine.h"

namespace fs = std::filesystem;

namespace {

struct Resultat {
    int statut = -1;
    std::string sortie;
    std::string erreurs;
};

// Runs the program in `dossier` with `arguments`, answers read from `reponses`.
Resultat executer(const fs::path& dossier, const std::string& arguments, const std::string& reponses = "/dev/null")
{
    const std::string commande = "cd '" + dossier.string() + "' && '" VESPERINE_EXECUTABLE "' " + arguments + " < '" +
                                 reponses + "' > sortie.txt 2> erreurs.txt";
    const int statut = std::system(commande.c_str());
    Resultat r;
    if (WIFEXITED(statut)) {
        r.statut = WEXITSTATUS(statut);
    }
    r.sortie = lireFichier(dossier / "sortie.txt");
    r.erreurs = lireFichier(dossier / "erreurs.txt");
    return r;
}

const std::string LIGNE_USAGE = "Usage : vesperine [--graine N] | --help | --version\n";

}  // namespace

TEST(Options, AideEtVersionSurLaSortieStandard)
{
    DossierTemporaire dossier;
    for (const char* option : {"--help", "-h"}) {
        const Resultat aide = executer(dossier.chemin(), option);
        EXPECT_EQ(aide.statut, 0) << option;
        EXPECT_EQ(aide.sortie.rfind(LIGNE_USAGE, 0), 0U) << option;
        EXPECT_NE(aide.sortie.find("--graine N"), std::string::npos) << option;
        EXPECT_EQ(aide.erreurs, "") << option;
    }
    const Resultat version = executer(dossier.chemin(), "--version");
    EXPECT_EQ(version.statut, 0);
    EXPECT_EQ(version.sortie, "vesperine " VESPERINE_VERSION "\n");
    EXPECT_EQ(version.erreurs, "");
}

TEST(Options, UneLigneFausseEstRefuseeAvantLeDialogue)
{
    DossierTemporaire dossier;
    const std::pair<const char*, const char*> cas[] = {
        {"--inconnue", "vesperine : option inconnue « --inconnue »\n"},
        {"Kael", "vesperine : argument inattendu « Kael »\n"},
        {"--graine", "vesperine : l'option --graine attend un nombre entier\n"},
        {"--graine douze", "vesperine : --graine attend un nombre entier de 0 à 4294967295, pas « douze »\n"},
        {"--graine -1", "vesperine : --graine attend un nombre entier de 0 à 4294967295, pas « -1 »\n"},
        {"--graine 4294967296", "vesperine : --graine attend un nombre entier de 0 à 4294967295, pas « 4294967296 »\n"},
    };
    for (const auto& [arguments, message] : cas) {
        const Resultat r = executer(dossier.chemin(), arguments);
        EXPECT_EQ(r.statut, 2) << arguments;
        EXPECT_EQ(r.erreurs, message + LIGNE_USAGE) << arguments;
        EXPECT_EQ(r.sortie, "") << arguments;  // no banner: the dialogue never started
    }
}

// The generator's first value for its default seed 5489 is 3499211612, as the
// C++ standard fixes it; a draw keeps its top 15 bits.
TEST(Options, LaGraineTireLesQuinzeBitsDeTete)
{
    SourceGraine source(5489);
    EXPECT_EQ(source.tirer(), 26696);
}

TEST(Options, LaMemeGraineRefaitLeMemePersonnage)
{
    const std::string reponses = VESPERINE_TRANSCRIPTS "/hors_monde_adepte_choix_1/entree.txt";
    DossierTemporaire a;
    DossierTemporaire b;
    DossierTemporaire c;
    const Resultat premier = executer(a.chemin(), "--graine 2026", reponses);
    const Resultat second = executer(b.chemin(), "--graine=2026", reponses);
    const Resultat autre = executer(c.chemin(), "--graine 2027", reponses);
    for (const Resultat* r : {&premier, &second, &autre}) {
        EXPECT_EQ(r->statut, 0);
        EXPECT_EQ(r->erreurs, "");
    }
    const std::string fiche = lireFichier(a.chemin() / "Kael.pdf");
    EXPECT_EQ(premier.sortie, second.sortie);
    EXPECT_EQ(fiche, lireFichier(b.chemin() / "Kael.pdf"));
    EXPECT_NE(premier.sortie, autre.sortie);
    EXPECT_NE(fiche, lireFichier(c.chemin() / "Kael.pdf"));

    // Worked from the generator itself: each Hors-monde characteristic is its
    // start value plus twice the face of one d10, the twentieth draw of each die.
    std::mt19937 generateur(2026);
    std::ostringstream attendu;
    for (const int depart : {20, 20, 15, 20, 20, 20, 20, 25, 20}) {
        generateur.discard(19);
        const auto r = static_cast<int>(generateur() >> 17U);
        attendu << depart + 2 * (r * 10 / 32768 + 1) << ' ';
    }
    std::istringstream lignes(fiche);
    std::string ligne;
    for (int i = 0; i < 5; ++i) {
        std::getline(lignes, ligne);
    }
    std::istringstream valeurs(ligne);
    std::ostringstream lues;
    for (int v = 0; valeurs >> v;) {
        lues << v << ' ';
    }
    EXPECT_EQ(lues.str(), attendu.str());
}
