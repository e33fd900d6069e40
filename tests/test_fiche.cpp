// Saving the character: the sheet's bytes, its file name, failures that must
// lose nothing, and an input that ends anywhere.
#include <gtest/gtest.h>

#include <sstream>
#include <sys/stat.h>

#include "createur.h"
#include "des_scriptes.h"
#include "encodage.h"
#include "fiche.h"
#include "outils.h"

namespace fs = std::filesystem;

namespace {

const fs::path TRANSCRIPTS = VESPERINE_TRANSCRIPTS;
const std::string MENU_FIN = "1)Quitter et enregistrer personnage\n2)Recommencer personnage\n3)Quitter\n";
const std::string FIN_ENTREE = "Fin de l'entrée standard : création interrompue, aucune fiche enregistrée.\n";

struct Resultat {
    int statut;
    std::string sortie;
    std::string erreurs;
};

// Runs the dialogue of a hand-worked case (its dice) on the given answers, in `dossier`.
Resultat dialoguer(const std::string& cas, const std::string& reponses, const fs::path& dossier)
{
    DesScriptes des(DesScriptes::lire(lireFichier(TRANSCRIPTS / cas / "des.txt")));
    SourceDesTemporaire source(des);
    std::istringstream entree(reponses);
    std::ostringstream sortie;
    std::ostringstream erreurs;
    Createur createur(entree, sortie, erreurs, dossier.string());
    const int statut = createur.executer();
    return {statut, sortie.str(), erreurs.str()};
}

std::vector<std::string> fichiers(const fs::path& dossier)
{
    std::vector<std::string> noms;
    for (const auto& f : fs::directory_iterator(dossier)) {
        noms.push_back(f.path().filename().string());
    }
    return noms;
}

// This case saves "Kael.pdf" with its last answer.
const std::string CAS_KAEL = "hors_monde_adepte_choix_1";

TEST(EchecEnregistrement, ADirectoryInTheWayIsReportedAndTheMenuComesBack)
{
    DossierTemporaire dossier;
    fs::create_directory(dossier.chemin() / "Kael.pdf");
    const Resultat r =
        dialoguer(CAS_KAEL, lireFichier(TRANSCRIPTS / CAS_KAEL / "entree.txt") + "3\n", dossier.chemin());
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, lireFichier(TRANSCRIPTS / CAS_KAEL / "sortie.txt") + MENU_FIN);
    EXPECT_EQ(r.erreurs, "Impossible d'enregistrer la fiche dans « Kael.pdf » : Is a directory\n");
    EXPECT_TRUE(fs::is_empty(dossier.chemin() / "Kael.pdf"));
}

TEST(EchecEnregistrement, AFullDiskIsReportedEachTimeThenTheUserRestartsOrQuits)
{
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    DossierTemporaire dossier;
    fs::create_symlink("/dev/full", dossier.chemin() / "Kael.pdf");
    const Resultat r =
        dialoguer(CAS_KAEL, lireFichier(TRANSCRIPTS / CAS_KAEL / "entree.txt") + "1 3\n", dossier.chemin());
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, lireFichier(TRANSCRIPTS / CAS_KAEL / "sortie.txt") + MENU_FIN + MENU_FIN);
    const std::string message = "Impossible d'enregistrer la fiche dans « Kael.pdf » : No space left on device\n";
    EXPECT_EQ(r.erreurs, message + message);
}

TEST(EchecEnregistrement, ANameTooLongForTheFileSystemLeavesTheInputToEndTheRun)
{
    DossierTemporaire dossier;
    std::string reponses = lireFichier(TRANSCRIPTS / CAS_KAEL / "entree.txt");
    reponses.replace(reponses.find("Kael"), 4, std::string(300, 'K'));
    const Resultat r = dialoguer(CAS_KAEL, reponses, dossier.chemin());
    // The save fails, the menu is written again, and then the input ends.
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs, "Impossible d'enregistrer la fiche dans « " + std::string(300, 'K') +
                             ".pdf » : File name too long\n" + FIN_ENTREE);
    EXPECT_EQ(r.sortie.substr(r.sortie.size() - 2 * MENU_FIN.size() - 1), MENU_FIN + MENU_FIN + "\n");
    EXPECT_TRUE(fichiers(dossier.chemin()).empty());
}

TEST(FinDeLEntree, AtEveryAnswerTheRunStopsWithStatus1AndSavesNothing)
{
    const std::string cas = "recommencer_puis_enregistrer";
    const std::string complete = lireFichier(TRANSCRIPTS / cas / "sortie.txt");
    std::istringstream mots(lireFichier(TRANSCRIPTS / cas / "entree.txt"));
    std::vector<std::string> reponses;
    for (std::string mot; mots >> mot;) {
        reponses.push_back(mot);
    }
    ASSERT_EQ(reponses.size(), 40U);
    std::string debut;
    for (std::size_t n = 0; n < reponses.size(); ++n) {
        DossierTemporaire dossier;
        const Resultat r = dialoguer(cas, debut, dossier.chemin());
        EXPECT_EQ(r.statut, 1) << n;
        EXPECT_EQ(r.erreurs, FIN_ENTREE) << n;
        // What was written is the start of the whole dialogue, then one line end.
        ASSERT_FALSE(r.sortie.empty());
        EXPECT_EQ(r.sortie.back(), '\n');
        EXPECT_EQ(complete.compare(0, r.sortie.size() - 1, r.sortie, 0, r.sortie.size() - 1), 0) << n;
        EXPECT_TRUE(fichiers(dossier.chemin()).empty()) << n;
        debut += reponses[n] + "\n";
    }
}

TEST(NomFichierFiche, StaysInTheDirectoryAndSpeaksUtf8)
{
    EXPECT_EQ(nomFichierFiche("Kael"), "Kael.pdf");
    EXPECT_EQ(nomFichierFiche("a/b"), "a_b.pdf");
    EXPECT_EQ(nomFichierFiche("../../etc/x"), ".._.._etc_x.pdf");
    EXPECT_EQ(nomFichierFiche("Zo\xE9"), "Zo\xC3\xA9.pdf");
    EXPECT_EQ(nomFichierFiche(std::string("a\0b", 3)), "a_b.pdf");
}

TEST(TexteFiche, ACharacterWithoutTalentGoesFromTheHeadingStraightToTheWounds)
{
    Joueur joueur;
    joueur.setMonde(MONDE_RUCHE);
    joueur.setCarriere(AUCUNE_CARRIERE);
    joueur.etat.setBlessureMaximum(9);
    joueur.etat.setBlessureActuelle(9);
    joueur.etat.setDestin(1);
    Passe p;
    p.nom = "Zo\xE9";
    p.sexe = "F\xE9minin";
    p.stature = "Musuculeux";
    p.peau = "Claire";
    p.cheveux = "Gris";
    p.age = 25;
    p.taille = 180;
    p.poid = 80;
    const std::string fiche = texteFiche(joueur, p);
    const std::string debut = "Nom:Zo\xE9            Sexe:F\xE9minin   Stature:Musuculeux\n"
                              "Peau:Claire  Cheveux:Gris\n"
                              "Age:25   Taille:180     Poid:80   \n"
                              "CC    CT    F     E     Ag    Int   Per   FM    Soc   \n"
                              "20    20    20    15    25    20    20    20    20    \n"
                              "\n"
                              "COMPETENCES:\n"
                              "\n"
                              "Baratin:10\n";
    EXPECT_EQ(fiche.substr(0, debut.size()), debut);
    const std::string fin = "Vigilance:10\n\n\nTALENTS:\n\n\nBlessures:9/9\n\nPoints de destins:1\n";
    ASSERT_GE(fiche.size(), fin.size());
    EXPECT_EQ(fiche.substr(fiche.size() - fin.size()), fin);
    // E 15: the one skill on it, untrained and basic, counts half.
    EXPECT_NE(fiche.find("\nResistance aux intoxications:7\n"), std::string::npos);
    // Ag 25: an untrained basic skill on it counts 12.
    EXPECT_NE(fiche.find("\nEsquive:12\n"), std::string::npos);
}

}  // namespace
