// The player record and the homeworld rules.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <tuple>

#include "encodage.h"
#include "joueur.h"

namespace {

class JoueurOuvert : public Joueur {
public:
    std::array<unsigned, 4> mouvement() const { return {demi_deplacement, deplacement_complet, charge, course}; }
    unsigned fatigue() const { return fatigue_totale; }
};

using Carac = std::array<unsigned, 9>;  // CC CT F E AG INT PER FM SOC
using Onze = std::array<int, 11>;

Carac caracteristiques(const Joueur& j)
{
    Carac c{};
    for (int k = CC; k <= SOC; ++k) {
        c[k] = j.getCaracteristique(static_cast<caracteristique>(k));
    }
    return c;
}

// Values of the eleven skills that the homeworlds act on, in enumerator order.
Onze valeursDesOnze(const Joueur& j)
{
    const skill onze[] = {ALPHABETISATION,
                          GENERAL_CREDO_IMPERIAL,
                          GENERAL_GUERRE,
                          GENERAL_IMPERIUM,
                          LANGUE_HAUT_GOTHIQUE,
                          ORIENTATION_STELLAIRE,
                          ORIENTATION_SURFACE,
                          PILOTAGE_VAISSEAUX_SPATIAUX,
                          PISTAGE,
                          SURVIE,
                          TECHNOMAITRISE};
    Onze v{};
    for (int i = 0; i < 11; ++i) {
        v[i] = j.getCompetence(onze[i]);
    }
    return v;
}

}  // namespace

TEST(Joueur, NouveauJoueur)
{
    Joueur j;
    EXPECT_EQ(j.getMonde(), AUCUN_MONDE);
    EXPECT_EQ(j.getExperience(), 400u);
    EXPECT_EQ(j.getFolie(), 0u);
    EXPECT_EQ(j.getCorruption(), 0u);
    EXPECT_EQ(j.getDivination(), AUCUNE_DIVINATION);
    EXPECT_EQ(j.getAssermentation(), AUCUNE_ASSERMENTATION);
    EXPECT_EQ(caracteristiques(j), (Carac{20, 20, 20, 20, 20, 20, 20, 20, 20}));
    j.setExperience(0);
    j.setFolie(UINT_MAX);
    j.setCorruption(77);
    EXPECT_EQ(j.getExperience(), 0u);
    EXPECT_EQ(j.getFolie(), UINT_MAX);
    EXPECT_EQ(j.getCorruption(), 77u);
}

TEST(Monde, CaracteristiquesEtCompetencesDeDepart)
{
    const std::tuple<monde, Carac, Onze> cas[] = {
        {HORS_MONDE, {20, 20, 15, 20, 20, 20, 20, 25, 20}, {0, 0, 0, 0, 0, 10, 0, 10, 0, 0, 0}},
        {MONDE_IMPERIAL, {20, 20, 20, 20, 20, 20, 20, 23, 20}, {10, 10, 10, 10, 10, 0, 0, 0, 0, 0, 0}},
        {MONDE_RUCHE, {20, 20, 20, 15, 25, 20, 20, 20, 20}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {MONDE_SAUVAGE, {20, 20, 25, 25, 20, 20, 20, 15, 15}, {0, 0, 0, 0, 0, 0, 10, 0, 10, 10, -10}}};
    for (const auto& [m, carac, onze] : cas) {
        Joueur j;
        j.setMonde(m);
        EXPECT_EQ(j.getMonde(), m);
        EXPECT_EQ(caracteristiques(j), carac) << m;
        EXPECT_EQ(valeursDesOnze(j), onze) << m;
        for (int s = INTERDITE_ADEPTUS_MECHANICUS; s <= INTERDITE_XENOS; ++s) {
            EXPECT_EQ(j.getCompetence(static_cast<skill>(s)), 0) << m << " " << s;
        }
        EXPECT_EQ(j.getExperience() + j.getFolie() + j.getCorruption(), 400u);
    }
}

TEST(Monde, ValeursDerivees)
{
    JoueurOuvert horsMonde;
    horsMonde.setMonde(HORS_MONDE);
    EXPECT_EQ(horsMonde.getCompetence(ESCALADE), 7);  // F 15

    JoueurOuvert ruche;
    ruche.setMonde(MONDE_RUCHE);
    EXPECT_EQ(ruche.mouvement(), (std::array<unsigned, 4>{2, 4, 6, 6}));  // AG 25
    EXPECT_EQ(ruche.fatigue(), 1u);                                       // E 15
    EXPECT_EQ(ruche.getCompetence(ESQUIVE), 12);
    EXPECT_EQ(ruche.getCompetence(RESISTANCE_AUX_INTOXICATIONS), 7);

    JoueurOuvert sauvage;
    sauvage.setMonde(MONDE_SAUVAGE);
    EXPECT_EQ(sauvage.fatigue(), 2u);
    EXPECT_EQ(sauvage.getCompetence(CHARISME), 7);
    EXPECT_EQ(sauvage.getCompetence(RESISTANCE_AUX_INTOXICATIONS), 22);  // 12, shifted by +10
    // Both shifts go when their skills are recomputed, as the characteristics step does.
    sauvage.setCaracteristique(INT, 34);
    sauvage.setCaracteristique(E, 31);
    EXPECT_EQ(sauvage.getCompetence(TECHNOMAITRISE), 0);
    EXPECT_EQ(sauvage.getCompetence(RESISTANCE_AUX_INTOXICATIONS), 15);
    EXPECT_EQ(sauvage.getCompetence(SURVIE), 17);  // still basic
}

TEST(Monde, RejouerUnMondeNeCumulePas)
{
    Joueur j;
    j.setMonde(MONDE_RUCHE);
    j.setMonde(MONDE_RUCHE);
    EXPECT_EQ(j.getCaracteristique(E), 15u);
    EXPECT_EQ(j.getCaracteristique(AG), 25u);

    j.setMonde(MONDE_SAUVAGE);
    j.setMonde(MONDE_SAUVAGE);
    EXPECT_EQ(caracteristiques(j), (Carac{20, 20, 25, 25, 20, 20, 20, 15, 15}));
    EXPECT_EQ(j.getCompetence(TECHNOMAITRISE), -10);
    EXPECT_EQ(j.getCompetence(RESISTANCE_AUX_INTOXICATIONS), 22);

    j.setMonde(HORS_MONDE);  // the wild world's basic skills are advanced again
    EXPECT_EQ(caracteristiques(j), (Carac{20, 20, 15, 20, 20, 20, 20, 25, 20}));
    EXPECT_EQ(valeursDesOnze(j), (Onze{0, 0, 0, 0, 0, 10, 0, 10, 0, 0, 0}));
    EXPECT_EQ(j.getCompetence(RESISTANCE_AUX_INTOXICATIONS), 10);
}

TEST(Monde, AucunMondeEtHorsBornesNeFontQueStocker)
{
    Joueur j;
    j.setMonde(HORS_MONDE);
    j.setCarriere(ADEPTE);
    for (int v : {4, 5, 7, -1}) {  // AUCUN_MONDE, then values outside the enumeration
        j.setMonde(static_cast<monde>(v));
        EXPECT_EQ(j.getMonde(), v);
        EXPECT_EQ(j.getCaracteristique(F), 15u) << v;
        EXPECT_EQ(j.getCaracteristique(FM), 25u) << v;
        EXPECT_EQ(valeursDesOnze(j), (Onze{20, 0, 0, 20, 0, 10, 0, 10, 0, 0, 0})) << v;  // career kept too
        EXPECT_EQ(j.getTalent(SPRINT), TALENT_X1) << v;
    }
}

// Choosing a homeworld starts the sheet anew: trained skills outside the eleven
// keep their mastery; the eleven and every talent are cleared; the rest stays.
TEST(Monde, UnMondeRemetLaFicheAZero)
{
    Joueur j;
    j.setCaracteristique(INT, 44);
    j.setCarriere(ADEPTE);
    j.setPsyker(BIOMANCIE, true);
    j.setFolie(3);
    j.profil.setNom("Kael");
    j.etat.setDestin(2);
    j.setMonde(MONDE_IMPERIAL);

    EXPECT_EQ(j.getCaracteristique(INT), 20u);
    EXPECT_EQ(j.getCompetence(ALPHABETISATION), 10);  // one of the eleven, now basic and untrained
    EXPECT_EQ(j.getCompetence(GENERAL_IMPERIUM), 10);
    EXPECT_EQ(j.getCompetence(GENERAL_TECHNOLOGIE), 20);  // still trained, from INT 20
    EXPECT_EQ(j.getCompetence(METIER_COPISTE), 20);
    for (int t = 0; t < NB_TALENTS; ++t) {
        EXPECT_EQ(j.getTalent(static_cast<talent>(t)), SANS_TALENT) << t;
    }
    EXPECT_TRUE(j.getPsyker(BIOMANCIE));
    EXPECT_EQ(j.getFolie(), 3u);
    EXPECT_EQ(j.getCarriere(), ADEPTE);
    EXPECT_EQ(j.profil.getNom(), "Kael");
    EXPECT_EQ(j.etat.getDestin(), 2u);
}

TEST(Monde, NomsDesMondes)
{
    Joueur j;
    j.setMonde(MONDE_RUCHE);  // the name depends on the argument only
    EXPECT_EQ(j.getMonde(HORS_MONDE), "Hors-Monde");
    EXPECT_EQ(j.getMonde(MONDE_IMPERIAL), "Monde imperial");
    EXPECT_EQ(j.getMonde(MONDE_RUCHE), "Monde-Ruche");
    EXPECT_EQ(j.getMonde(MONDE_SAUVAGE), "Monde sauvage");
    const std::string aucun = "Aucun monde s\351l\351ctionn\351";  // Windows-1252 bytes, in octal
    EXPECT_EQ(versWindows1252("Aucun monde séléctionné"), aucun);
    for (int v : {4, 5, 100, -1}) {
        EXPECT_EQ(j.getMonde(static_cast<monde>(v)), aucun) << v;
    }
}
