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
// the batch's dice: the same files, byte for byte. Over all of them, each menu
// and number question has had every one of its answers.
TEST(Hasard, ChaqueTirageEstUnPersonnageDuDialogue)
{
    LigneDeCommande ligne;
    ligne.hasard = ligne.avecGraine = true;
    ligne.noms = {"Kael", "Zoé", "Kael", "Dax"};
    std::map<std::string, std::set<int>> vus;
    for (ligne.graine = 0; ligne.graine < 250; ++ligne.graine) {
        const DossierTemporaire lot;
        const DossierTemporaire dialogue;
        const fs::path ici = fs::current_path();
        fs::current_path(lot.chemin());
        std::ostringstream sortie;
        std::ostringstream erreurs;
        EXPECT_EQ(creerAuHasard(ligne, sortie, erreurs, systemeFichiersReel(), nullptr), 0) << erreurs.str();
        fs::current_path(ici);

        SourceGraine des(ligne.graine);
        const SourceDesTemporaire garde(des);
        std::mt19937 generateur = generateurReponses(ligne.graine);
        for (const std::string& nom : ligne.noms) {
            const ReponsesTirees r = tirerReponses(generateur, 0, 0);
            std::istringstream entree(texteReponses(r, nom));
            EXPECT_EQ(Createur(entree, sortie, erreurs, dialogue.chemin().string()).executer(), 0);
            const std::string monde = std::to_string(r.monde);
            using Reponse = std::pair<std::string, int>;
            for (const auto& [question, reponse] : {Reponse("monde", r.monde),
                                                    {"carriere", r.carriere},
                                                    {"sexe", r.sexe},
                                                    {"stature " + monde, r.stature},
                                                    {"peau " + monde, r.peau},
                                                    {"cheveux " + monde, r.cheveux},
                                                    {"age", r.age},
                                                    {"taille", r.taille},
                                                    {"poids", r.poids}}) {
                vus[question].insert(reponse);
            }
            for (std::size_t i = 0; i < r.options.size(); ++i) {
                vus["option " + std::to_string(r.carriere) + " " + std::to_string(i)].insert(r.options[i]);
            }
        }
        EXPECT_EQ(releverDossier(lot.chemin()), releverDossier(dialogue.chemin())) << ligne.graine;
        EXPECT_EQ(releverDossier(lot.chemin()).size(), 3U) << ligne.graine;
    }
    const auto toutes = [](int min, int max) {
        std::set<int> reponses;
        for (int n = min; n <= max; ++n) {
            reponses.insert(n);
        }
        return reponses;
    };
    std::map<std::string, std::set<int>> attendu = {{"monde", toutes(1, NB_MONDES)},
                                                    {"carriere", toutes(1, NB_CARRIERES)},
                                                    {"sexe", toutes(1, NB_SEXES)},
                                                    {"age", toutes(BORNES_AGE.min, BORNES_AGE.max)},
                                                    {"taille", toutes(BORNES_TAILLE.min, BORNES_TAILLE.max)},
                                                    {"poids", toutes(BORNES_POIDS.min, BORNES_POIDS.max)}};
    for (int m = 1; m <= NB_MONDES; ++m) {
        for (const char* sorte : {"stature ", "peau ", "cheveux "}) {
            attendu[sorte + std::to_string(m)] = toutes(1, NB_APPARENCES);
        }
    }
    for (int c = 1; c <= NB_CARRIERES; ++c) {
        for (std::size_t i = 0; i < nombreOptionsCarriere(static_cast<carriere>(c - 1)); ++i) {
            attendu["option " + std::to_string(c) + " " + std::to_string(i)] =
                toutes(Createur::PREMIERE_ALTERNATIVE, Createur::SECONDE_ALTERNATIVE);
        }
    }
    EXPECT_EQ(vus, attendu);
}
