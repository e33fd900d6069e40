// Characters drawn at random (--hasard): each is a character of the dialogue,
// and every answer of every question is drawn. The batches' lines, options and
// failures are case folders.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "catalogue.h"
#include "createur.h"
#include "hasard.h"
#include "outils.h"
#include "questions.h"
#include "source_graine.h"

namespace fs = std::filesystem;

// For each seed, a batch of four names (one twice: two sheets in one file), and
// the same answers typed into the dialogue one character after the other with
// the batch's dice: the same files, byte for byte. Over all of them, every
// question has had every one of its answers (each career's picks, each
// homeworld's looks), and nothing else.
TEST(Hasard, ChaqueTirageEstUnPersonnageDuDialogue)
{
    LigneDeCommande ligne;
    ligne.hasard = ligne.avecGraine = true;
    ligne.noms = {"Kael", "Zoé", "Kael", "Dax"};
    std::map<std::string, std::set<int>> vus;    // the answers drawn to each question
    std::map<std::string, std::size_t> nombres;  // and how many it has
    const auto noter = [&](const std::string& question, int reponse, int min, int max) {
        EXPECT_TRUE(reponse >= min && reponse <= max) << question << " " << reponse;
        vus[question].insert(reponse);
        nombres[question] = static_cast<std::size_t>(max - min + 1);
    };
    for (ligne.graine = 0; ligne.graine < 250; ++ligne.graine) {
        const DossierTemporaire lot;
        const DossierTemporaire dialogue;
        const fs::path ici = fs::current_path();
        fs::current_path(lot.chemin());
        std::ostringstream sortie;
        std::ostringstream erreurs;
        EXPECT_EQ(creerAuHasard(ligne, sortie, erreurs, stockageReel(), nullptr), 0) << erreurs.str();
        fs::current_path(ici);

        SourceGraine des(ligne.graine);
        const SourceDesTemporaire garde(des);
        std::mt19937 generateur = generateurReponses(ligne.graine);
        for (const char* nom : ligne.noms) {
            const ReponsesTirees r = tirerReponses(generateur, 0, 0);
            std::istringstream entree(texteReponses(r, nom));
            EXPECT_EQ(Createur(entree, sortie, erreurs, dialogue.chemin().string()).executer(), 0);
            const std::string monde = " " + std::to_string(r.monde);
            noter("monde", r.monde, 1, NB_MONDES);
            noter("carriere", r.carriere, 1, NB_CARRIERES);
            for (std::size_t i = 0; i < r.options.size(); ++i) {
                noter("option " + std::to_string(r.carriere) + " " + std::to_string(i), r.options[i],
                      Createur::PREMIERE_ALTERNATIVE, Createur::SECONDE_ALTERNATIVE);
            }
            noter("sexe", r.sexe, 1, NB_SEXES);
            noter("stature" + monde, r.stature, 1, NB_APPARENCES);
            noter("peau" + monde, r.peau, 1, NB_APPARENCES);
            noter("cheveux" + monde, r.cheveux, 1, NB_APPARENCES);
            noter("age", r.age, BORNES_AGE.min, BORNES_AGE.max);
            noter("taille", r.taille, BORNES_TAILLE.min, BORNES_TAILLE.max);
            noter("poids", r.poids, BORNES_POIDS.min, BORNES_POIDS.max);
        }
        EXPECT_EQ(releverDossier(lot.chemin()), releverDossier(dialogue.chemin())) << ligne.graine;
        EXPECT_EQ(releverDossier(lot.chemin()).size(), 3U) << ligne.graine;
    }
    for (const auto& [question, reponses] : vus) {
        EXPECT_EQ(reponses.size(), nombres[question]) << question;
    }
}
