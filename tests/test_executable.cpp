// The shipped program itself: main's wiring, the real dice and their waits. One
// pass of a transcript's answers with real throws (eleven one-second waits).
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "outils.h"

namespace fs = std::filesystem;

TEST(Executable, UnePasseAvecLesVraisDes)
{
    DossierTemporaire dossier;
    const std::string commande = "cd '" + dossier.chemin().string() + "' && '" VESPERINE_EXECUTABLE "' < '" +
                                 VESPERINE_TRANSCRIPTS "/hors_monde_adepte_choix_1/entree.txt' > ecran 2> erreurs";
    const int statut = std::system(commande.c_str());
    ASSERT_TRUE(WIFEXITED(statut));
    EXPECT_EQ(WEXITSTATUS(statut), 0);
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
