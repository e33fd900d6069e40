// Psyker sanctioning outcomes and divinations: their effects, names and mottos.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "encodage.h"
#include "joueur.h"

namespace {

// Everything an outcome may change, in one list, to tell whether it changed something.
std::vector<long long> releve(const Joueur& j)
{
    std::vector<long long> v = {j.getFolie(), j.getCorruption(), j.getExperience(), j.etat.getArgent()};
    for (int k = CC; k <= SOC; ++k) {
        v.push_back(j.getCaracteristique(static_cast<caracteristique>(k)));
    }
    for (int s = 0; s < NB_COMPETENCES; ++s) {
        v.push_back(j.getCompetence(static_cast<skill>(s)));
    }
    for (int t = 0; t < NB_TALENTS; ++t) {
        v.push_back(j.getTalent(static_cast<talent>(t)));
    }
    return v;
}

}  // namespace

TEST(Assermentation, TraqueDeuxFoisAjouteVingtDeFolie)
{
    Joueur j;
    j.setFolie(7);
    j.setAssermentation(TRAQUE);
    j.setAssermentation(TRAQUE);
    EXPECT_EQ(j.getFolie(), 27u);
    EXPECT_EQ(j.getAssermentation(), TRAQUE);
    j.setAssermentation(SOUVENIRS_ABOMINABLES);
    EXPECT_EQ(j.getFolie(), 32u);
    j.setAssermentation(HORREUR);
    EXPECT_EQ(j.getFolie(), 37u);
    EXPECT_EQ(j.getAssermentation(), HORREUR);
}

TEST(Assermentation, ReconstructionCranienne)
{
    Joueur j;
    j.setCaracteristique(INT, 30);
    j.setAssermentation(RECONSTRUCTION_CRANIENNE);
    EXPECT_EQ(j.getCaracteristique(INT), 80u);
    EXPECT_EQ(j.etat.getArgent(), 50u);
    EXPECT_EQ(j.getCompetence(LOGIQUE), 40);  // INT skills follow
    EXPECT_EQ(j.getFolie(), 0u);
    j.setAssermentation(RECONSTRUCTION_CRANIENNE);  // on top of the first
    EXPECT_EQ(j.getCaracteristique(INT), 130u);
    EXPECT_EQ(j.etat.getArgent(), 100u);
}

TEST(Assermentation, MarieeAuTroneEtEffetsDeCaracteristiques)
{
    Joueur j;
    j.etat.setArgent(15);
    j.setAssermentation(MARIE_AU_TRONE);
    EXPECT_EQ(j.etat.getArgent(), 115u);
    EXPECT_EQ(j.getTalent(CHIMIOCASTRATION), TALENT_X1);
    EXPECT_EQ(j.getAssermentation(), MARIE_AU_TRONE);

    j.setAssermentation(URTICAIRE_DES_SORCIERS);
    EXPECT_EQ(j.getCaracteristique(E), 23u);
    EXPECT_EQ(j.getCompetence(RESISTANCE_AUX_INTOXICATIONS), 11);
    j.setAssermentation(HYPNO_ENDOCTRINEMENT);
    EXPECT_EQ(j.getCaracteristique(FM), 23u);
    EXPECT_EQ(j.getTalent(CHIMIOCASTRATION), TALENT_X1);  // nothing undone
    EXPECT_EQ(j.etat.getArgent(), 115u);
}

TEST(Assermentation, IssuesSansEffetNeFontQueStocker)
{
    // The six outcomes without effect, none, and values outside the enumeration.
    const int sansEffet[] = {4, 5, 6, 7, 8, 9, AUCUNE_ASSERMENTATION, 14, 100, -1};
    static_assert(DOULOUREUSE_INDUCTION_NERVEUSE == 4 && LANGUE_LIEE == 9, "the six run 4 to 9");
    for (int a : sansEffet) {
        Joueur j;
        j.setMonde(MONDE_RUCHE);
        j.setCarriere(RACAILLE);
        j.setFolie(5);
        const auto avant = releve(j);
        j.setAssermentation(static_cast<assermentation>(a));
        EXPECT_EQ(static_cast<int>(j.getAssermentation()), a);
        EXPECT_EQ(releve(j), avant) << a;
    }
}

TEST(Assermentation, NomsDesIssues)
{
    Joueur j;
    j.setAssermentation(TRAQUE);
    const char* const noms[] = {"Reconstruction crânienne",
                                "Traqué",
                                "Souvenirs abominables",
                                "L'horreur! L'horreur!",
                                "Douloureuse induction nerveuse",
                                "Imlants dentaires",
                                "Rupture du nerf optique",
                                "Dévotion hurlante",
                                "Irradience",
                                "Langue liée",
                                "Mariée au Trône",
                                "Urticaire des soricers",
                                "Hypno-endoctrinement",
                                "Aucune assermentation"};
    for (int a = 0; a <= AUCUNE_ASSERMENTATION; ++a) {
        EXPECT_EQ(j.getAssermentation(static_cast<assermentation>(a)), versWindows1252(noms[a])) << a;
    }
    EXPECT_EQ(j.getAssermentation(TRAQUE), "Traqu\xE9");
    EXPECT_EQ(j.getAssermentation(MARIE_AU_TRONE), "Mari\351e au Tr\364ne");  // octal Windows-1252 bytes
    for (int a : {14, 500, -1}) {
        EXPECT_EQ(j.getAssermentation(static_cast<assermentation>(a)), "Aucune assermentation") << a;
    }
}

TEST(Divination, StockeeSansAutreEffet)
{
    Joueur j;
    j.setMonde(MONDE_SAUVAGE);
    j.setCarriere(ASSASSIN);
    const auto avant = releve(j);
    j.setDivination(VIOLENCE);
    EXPECT_EQ(j.getDivination(), VIOLENCE);
    EXPECT_EQ(releve(j), avant);
    EXPECT_EQ(j.getAssermentation(), AUCUNE_ASSERMENTATION);
    j.setDivination(static_cast<divination>(40));
    EXPECT_EQ(static_cast<int>(j.getDivination()), 40);
    j.setDivination(COMMENT_SERVIR);
    EXPECT_EQ(j.getDivination(), COMMENT_SERVIR);
}

// Every motto: "<<", a French sentence of 22 to 112 characters (Windows-1252
// bytes) with no space against the marks and no final full stop, ">>".
TEST(Divination, DevisesDansLeursBornes)
{
    Joueur j;
    j.setDivination(GUERRE);  // the naming operation ignores the stored value
    EXPECT_EQ(j.getDivination(VIOLENCE), "<<La violence r\xE9sout tout>>");
    EXPECT_EQ(j.getDivination(VIOLENCE), versWindows1252("<<La violence résout tout>>"));
    std::set<std::string> toutes;
    for (int d = MUTATION_EXTERIEURE; d <= COMMENT_SERVIR; ++d) {
        const std::string m = j.getDivination(static_cast<divination>(d));
        toutes.insert(m);
        ASSERT_GE(m.size(), 26u) << d;
        EXPECT_EQ(m.substr(0, 2), "<<") << d;
        EXPECT_EQ(m.substr(m.size() - 2), ">>") << d;
        const std::string texte = m.substr(2, m.size() - 4);
        EXPECT_GE(texte.size(), 22u) << d << " " << texte;
        EXPECT_LE(texte.size(), 112u) << d << " " << texte;
        EXPECT_NE(texte.front(), ' ') << d;
        EXPECT_NE(texte.back(), ' ') << d;
        EXPECT_NE(texte.back(), '.') << d << " " << texte;
        EXPECT_EQ(texte.find('\xC3'), std::string::npos) << d << " stored as UTF-8";
        EXPECT_EQ(texte.find(">>"), std::string::npos) << d;
    }
    EXPECT_EQ(toutes.size(), 28u);
    // The madmen's motto is two sentences.
    const std::string fous = j.getDivination(SEUL_LES_FOUS);
    EXPECT_LT(fous.find_first_of(".!?"), fous.size() - 3) << fous;

    EXPECT_EQ(j.getDivination(AUCUNE_DIVINATION), "Aucune divination");
    for (int d : {29, -1, 1000}) {
        EXPECT_EQ(j.getDivination(static_cast<divination>(d)), "Erreur") << d;
    }
}
