// The career rules: each career's trained skills and held talents, the reset
// that comes first, careers out of range, and the career names.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "encodage.h"
#include "joueur.h"

namespace {

using Competences = std::set<skill>;
using Talents = std::set<talent>;

// A player whose nine characteristics are all 40: a trained skill is worth 40,
// an untrained one 20 or 0, a higher mastery more.
void toutA40(Joueur& j)
{
    for (int k = CC; k <= SOC; ++k) {
        j.setCaracteristique(static_cast<caracteristique>(k), 40);
    }
}

Competences formees(const Joueur& j)
{
    Competences s;
    for (int i = 0; i < NB_COMPETENCES; ++i) {
        const int v = j.getCompetence(static_cast<skill>(i));
        EXPECT_LE(v, 40) << "mastery above trained: " << i;
        if (v == 40) {
            s.insert(static_cast<skill>(i));
        }
    }
    return s;
}

Talents detenus(const Joueur& j)
{
    Talents s;
    for (int i = 0; i < NB_TALENTS; ++i) {
        const talent_multiple k = j.getTalent(static_cast<talent>(i));
        if (k != SANS_TALENT) {
            EXPECT_EQ(k, TALENT_X1) << i;
            s.insert(static_cast<talent>(i));
        }
    }
    return s;
}

struct Carriere {
    carriere c;
    Competences competences;
    Talents talents;
};

const Carriere CARRIERES[] = {
    {ADEPTE,
     {ALPHABETISATION, GENERAL_IMPERIUM, GENERAL_TECHNOLOGIE, SCHOLASTIQUE_LEGENDES, LANGUE_BAS_GOTHIQUE,
      METIER_COPISTE, METIER_VALET},
     {FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE, FORMATION_AUX_ARMES_DE_POING_MS, QUELCONQUE, SPRINT,
      RESISTANCE_FROID, SOMMEIL_LEGER}},
    {ARBITRATOR,
     {ALPHABETISATION, GENERAL_ADEPTUS_ARBITES, GENERAL_IMPERIUM, ENQUETE, LANGUE_BAS_GOTHIQUE},
     {FORMATION_AUX_ARMES_DE_BASE_MS, FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE, RECHARGEMENT_RAPIDE,
      SUR_SES_GARDES}},
    {ASSASSIN,
     {ESQUIVE, LANGUE_BAS_GOTHIQUE, VIGILANCE},
     {AMBIDEXTRE, QUELCONQUE, FORMATION_AUX_ARMES_DE_BASE_MS, FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE,
      FORMATION_AUX_ARMES_DE_JET_PRIMITIVE, FORMATION_AUX_ARMES_DE_POING_LASER, FORMATION_AUX_ARMES_DE_POING_MS}},
    {ECCLESIASTE,
     {ALPHABETISATION, GENERAL_CREDO_IMPERIAL, EXPRESSION_ARTISTIQUE_CHANTEUR, METIER_COPISTE, LANGUE_BAS_GOTHIQUE,
      METIER_CUISINIER, METIER_VALET},
     {FORMATION_AUX_ARMES_DE_BASE_PRIMITIVE, FORMATION_AUX_ARMES_DE_JET_PRIMITIVE,
      FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE, FORMATION_AUX_ARMES_DE_POING_MS}},
    {GARDE_IMPERIAL,
     {CONDUITE_VEHICULE_TERRESTRE, NATATION, LANGUE_BAS_GOTHIQUE},
     {FORMATION_AUX_ARMES_DE_BASE_LASER, FORMATION_AUX_ARMES_DE_BASE_MS, FORMATION_AUX_ARMES_DE_BASE_PRIMITIVE,
      FORMATION_AUX_ARMES_DE_POING_LASER, FORMATION_AUX_ARMES_DE_POING_PRIMITIVE}},
    {PSYKER_IMPERIAL,
     {ALPHABETISATION, CONCENTRATION, LANGUE_BAS_GOTHIQUE, METIER_MARCHAND, METIER_VOYANT, PSYNISCIENCE},
     {FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE, FORMATION_AUX_ARMES_DE_POING_LASER,
      FORMATION_AUX_ARMES_DE_POING_MS, NIVEAU_PSY_1}},
    {RACAILLE,
     {BARATIN, CHARISME, ESQUIVE, GENERAL_IMPERIUM, DUPERIE, LANGUE_BAS_GOTHIQUE, VIGILANCE},
     {AMBIDEXTRE, QUELCONQUE, FORMATION_AUX_ARMES_DE_BASE_MS, FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE,
      FORMATION_AUX_ARMES_DE_POING_MS}},
    {TECHNOPRETRE,
     {ALPHABETISATION, LANGUAGE_SECRET_TECHNOLOGIQUE, LANGUE_BAS_GOTHIQUE, METIER_COPISTE, METIER_GRAVEUR,
      TECHNOMAITRISE},
     {FORMATION_AUX_ARMES_DE_BASE_LASER, FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE,
      FORMATION_AUX_ARMES_DE_POING_LASER, UTILISATION_D_ELECTRO_IMPLANT}}};

}  // namespace

TEST(Carriere, CompetencesEtTalentsDeChaqueCarriere)
{
    for (const Carriere& attendu : CARRIERES) {
        Joueur j;
        toutA40(j);
        j.setCarriere(attendu.c);
        EXPECT_EQ(j.getCarriere(), attendu.c);
        EXPECT_EQ(formees(j), attendu.competences) << attendu.c;
        EXPECT_EQ(detenus(j), attendu.talents) << attendu.c;
        for (int k = CC; k <= SOC; ++k) {
            EXPECT_EQ(j.getCaracteristique(static_cast<caracteristique>(k)), 40u);
        }
        for (int d = MINEUR; d <= TELEPATHIE; ++d) {
            EXPECT_FALSE(j.getPsyker(static_cast<domaine>(d))) << attendu.c;
        }
    }
}

TEST(Carriere, AssassinSurUnePersonneNeuve)
{
    Joueur j;
    j.setCarriere(2);
    EXPECT_EQ(j.getCarriere(), ASSASSIN);
    EXPECT_EQ(j.getCompetence(ESQUIVE), 20);
    EXPECT_EQ(j.getCompetence(LANGUE_BAS_GOTHIQUE), 20);
    EXPECT_EQ(j.getCompetence(VIGILANCE), 20);
    EXPECT_EQ(j.getCompetence(CHARISME), 10);
    EXPECT_EQ(detenus(j).size(), 7u);
}

TEST(Carriere, HorsBornesNeLaisseRien)
{
    for (int c : {8, -1, 9, 100, INT_MIN}) {
        Joueur j;
        toutA40(j);
        j.setCarriere(RACAILLE);
        j.setCompetence(LOGIQUE, MAITRE);
        j.setCarriere(c);
        EXPECT_EQ(static_cast<int>(j.getCarriere()), c);
        EXPECT_TRUE(formees(j).empty()) << c;
        EXPECT_TRUE(detenus(j).empty()) << c;
        EXPECT_EQ(j.getCompetence(LOGIQUE), 20) << c;
    }
}

TEST(Carriere, UneCarriereRemplaceLaPrecedente)
{
    Joueur j;
    toutA40(j);
    j.setCarriere(GARDE_IMPERIAL);
    EXPECT_EQ(j.getCompetence(NATATION), 40);
    j.setCarriere(ADEPTE);
    EXPECT_EQ(j.getCompetence(NATATION), 20);
    EXPECT_EQ(formees(j), CARRIERES[ADEPTE].competences);
    EXPECT_EQ(detenus(j), CARRIERES[ADEPTE].talents);

    // The choices of the career step and anything granted elsewhere go too.
    j.setCarriere(RACAILLE);
    j.setTalent(QUELCONQUE, SANS_TALENT);
    j.setCompetence(CHARISME, INAPTE);
    j.setCompetence(LOGIQUE, EXPERT);
    j.setTalent(CHIMIOCASTRATION, TALENT_X1);
    j.setCarriere(RACAILLE);
    EXPECT_EQ(formees(j), CARRIERES[RACAILLE].competences);
    EXPECT_EQ(detenus(j), CARRIERES[RACAILLE].talents);
}

TEST(Carriere, LesTypesDuMondeEtLeResteSontGardes)
{
    Joueur j;
    j.setMonde(MONDE_SAUVAGE);
    j.setPsyker(TELEKINESIE, true);
    j.setPouvoir(TELEKINESIE_JET, ACQUISE);
    j.setFolie(4);
    j.setCarriere(ADEPTE);
    EXPECT_EQ(j.getCompetence(SURVIE), 10);  // basic and untrained, INT 20
    EXPECT_EQ(j.getCompetence(ORIENTATION_SURFACE), 10);
    EXPECT_EQ(j.getCompetence(PISTAGE), 10);
    EXPECT_EQ(j.getCaracteristique(F), 25u);
    EXPECT_EQ(j.getMonde(), MONDE_SAUVAGE);
    EXPECT_EQ(j.getPouvoir(TELEKINESIE_JET), ACQUISE);
    EXPECT_TRUE(j.getPsyker(TELEKINESIE));
    EXPECT_EQ(j.getFolie(), 4u);

    j.setCarriere(TECHNOPRETRE);
    EXPECT_EQ(j.getCompetence(SURVIE), 10);
    EXPECT_EQ(j.getCompetence(TECHNOMAITRISE), 20);  // trained, recomputed from INT
}

TEST(Carriere, NomsDesCarrieres)
{
    Joueur j;
    j.setCarriere(ASSASSIN);
    const char* const noms[] = {"Adepte",         "Arbitrator",      "Assassin", "Ecclesiaste",
                                "Garde imperial", "Psyker imperial", "Racaille", "Technoprêtre"};
    for (int c = ADEPTE; c <= TECHNOPRETRE; ++c) {
        EXPECT_EQ(j.getCarriere(static_cast<carriere>(c)), versWindows1252(noms[c])) << c;
    }
    for (int c : {8, 9, -1, 1000}) {
        EXPECT_EQ(j.getCarriere(static_cast<carriere>(c)), "Aucune carriere") << c;
    }
    EXPECT_EQ(j.getCarriere(TECHNOPRETRE), "Technopr\xEAtre");
}
