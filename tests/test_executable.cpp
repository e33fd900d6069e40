// The shipped program itself, with its real dice (eleven one-second throws):
// one full pass that saves, and the sheet must say what the screen said.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "encodage.h"
#include "outils.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> lignes(const std::string& texte)
{
    std::vector<std::string> resultat;
    std::istringstream in(texte);
    for (std::string ligne; std::getline(in, ligne);) {
        resultat.push_back(ligne);
    }
    return resultat;
}

// The lines from the one after `debut` up to the first empty one.
std::vector<std::string> bloc(const std::vector<std::string>& texte, std::size_t debut)
{
    std::vector<std::string> resultat;
    for (std::size_t i = debut + 1; i < texte.size() && !texte[i].empty(); ++i) {
        resultat.push_back(texte[i]);
    }
    return resultat;
}

std::size_t position(const std::vector<std::string>& texte, const std::string& ligne, std::size_t depuis = 0)
{
    for (std::size_t i = depuis; i < texte.size(); ++i) {
        if (texte[i] == ligne) {
            return i;
        }
    }
    ADD_FAILURE() << "no line " << ligne;
    return texte.size();
}

TEST(Executable, AFullPassWithRealDiceSavesWhatTheSummaryShows)
{
    DossierTemporaire dossier;
    // Homeworld 1 (Hors-monde) confirmed, the roll confirmed, career 1 (Adepte)
    // confirmed, its five picks, wounds, fate; then the profile and a save.
    ecrireFichier(dossier.chemin() / "reponses.txt", "1 1 1 1 1 1 1 1 1 1 1 1\nR\xC3\xA9"
                                                     "el\n1 1 1 1 25 180 80 1\n1\n");
    const std::string commande = "cd '" + dossier.chemin().string() +
                                 "' && '" VESPERINE_EXECUTABLE "' < reponses.txt > ecran.txt 2> erreurs.txt";
    const int statut = std::system(commande.c_str());
    ASSERT_TRUE(WIFEXITED(statut));
    EXPECT_EQ(WEXITSTATUS(statut), 0);
    EXPECT_EQ(lireFichier(dossier.chemin() / "erreurs.txt"), "");
    ASSERT_TRUE(fs::exists(dossier.chemin() / "R\xC3\xA9"
                                              "el.pdf"));

    const auto ecran = lignes(lireFichier(dossier.chemin() / "ecran.txt"));
    const auto fiche = lignes(versUtf8(lireFichier(dossier.chemin() / "R\xC3\xA9"
                                                                      "el.pdf")));
    const std::string enTete = "CC    CT    F     E     Ag    Int   Per   FM    Soc   ";

    // The summary is the last characteristics table on screen.
    std::size_t tableau = ecran.size();
    for (std::size_t i = 0; i < ecran.size(); ++i) {
        if (ecran[i] == enTete) {
            tableau = i;
        }
    }
    ASSERT_LT(tableau + 4, ecran.size());
    ASSERT_GE(fiche.size(), 8U);
    EXPECT_EQ(fiche[3], enTete);
    EXPECT_EQ(fiche[4], ecran[tableau + 1]);

    // Each Hors-monde value is its start value plus twice a die of ten faces.
    std::istringstream valeurs(fiche[4]);
    const int depart[9] = {20, 20, 15, 20, 20, 20, 20, 25, 20};
    for (const int d : depart) {
        int v = 0;
        valeurs >> v;
        EXPECT_TRUE(v - d >= 2 && v - d <= 20 && (v - d) % 2 == 0) << v;
    }

    // Two empty lines after the values, then the skills, an empty line, the talents.
    const auto skillsEcran = bloc(ecran, tableau + 3);
    const auto talentsEcran = bloc(ecran, tableau + 4 + skillsEcran.size());
    EXPECT_GE(skillsEcran.size(), 21U);  // at least every basic skill
    EXPECT_EQ(bloc(fiche, position(fiche, "COMPETENCES:") + 1), skillsEcran);
    EXPECT_EQ(bloc(fiche, position(fiche, "TALENTS:") + 1), talentsEcran);
    EXPECT_EQ(talentsEcran, (std::vector<std::string>{"Formation aux armes de corps \xC3\xA0 corps(Primitive)",
                                                      "Quelconque", "Resistance(Froid)"}));

    // The wounds and fate lines close both the summary and the sheet.
    const std::size_t blessures = tableau + 6 + skillsEcran.size() + talentsEcran.size();
    ASSERT_LT(blessures + 2, ecran.size());
    EXPECT_EQ(ecran[blessures].rfind("Blessures:", 0), 0U);
    EXPECT_EQ(fiche[fiche.size() - 3], ecran[blessures]);
    EXPECT_EQ(fiche.back(), ecran[blessures + 2]);
    EXPECT_EQ(fiche.back().rfind("Points de destins:", 0), 0U);
}

}  // namespace
