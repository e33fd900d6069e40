// The character sheet: characteristics and what derives from them, the skill
// value rule, talents, the psychic guard, Initialize and out-of-range arguments.
#include <gtest/gtest.h>

#include <array>

#include "personnage.h"

namespace {

using Mouvement = std::array<unsigned, 4>;  // half, full, charge, run

// Exposes what the sheet keeps protected: movement, fatigue, initiative, Initialize.
class FicheOuverte : public Personnage {
public:
    using Personnage::Initialize;
    Mouvement mouvement() const { return {demi_deplacement, deplacement_complet, charge, course}; }
    unsigned fatigue() const { return fatigue_totale; }
    unsigned initiativeCourante() const { return initiative; }
};

caracteristique car(int k) { return static_cast<caracteristique>(k); }

// How many of the values 0 to n - 1 satisfy f.
template <class F> int compter(int n, F f)
{
    int c = 0;
    for (int i = 0; i < n; ++i) {
        c += f(i) ? 1 : 0;
    }
    return c;
}

int talentsTenus(const Personnage& p)
{
    return compter(NB_TALENTS, [&](int t) { return p.getTalent(static_cast<talent>(t)) != SANS_TALENT; });
}

}  // namespace

TEST(Personnage, FicheNeuve)
{
    const FicheOuverte p;
    EXPECT_EQ(compter(9, [&](int k) { return p.getCaracteristique(car(k)) == 20; }), 9);
    EXPECT_EQ(compter(NB_COMPETENCES, [&](int s) { return p.getCompetence(static_cast<skill>(s)) == 10; }), 21);
    EXPECT_EQ(compter(NB_COMPETENCES, [&](int s) { return p.getCompetence(static_cast<skill>(s)) == 0; }), 99);
    EXPECT_EQ(talentsTenus(p), 0);
    EXPECT_EQ(compter(NB_POUVOIRS, [&](int q) { return p.getPouvoir(static_cast<pouvoir>(q)) == INAPTE; }), 82);
    EXPECT_EQ(compter(10, [&](int d) { return p.getPsyker(static_cast<domaine>(d)); }), 0);
    EXPECT_EQ(p.initiativeCourante(), 0u);
    EXPECT_EQ(p.talents_liste.size(), 187u);
    EXPECT_EQ(p.competences_liste.size(), 120u);
    EXPECT_EQ(p.pouvoirs_liste.size(), 82u);
    EXPECT_EQ(p.getCompetenceNom(ACROBATIE), "Acrobatie");
    EXPECT_EQ(p.getPouvoirNomDomaine(TELEPATHIE_TERREUR), "Telepathie");
}

TEST(Personnage, RegleDeValeurPourChaqueMaitriseEtType)
{
    Personnage p;
    p.setCaracteristique(SOC, 33);  // CHARISME: basic on SOC
    p.setCaracteristique(AG, 33);   // ACROBATIE: advanced on AG
    const int attendu[4][2] = {{16, 0}, {33, 33}, {43, 43}, {53, 53}};
    for (int m : {ACQUISE, EXPERT, MAITRE, INAPTE}) {
        p.setCompetence(CHARISME, static_cast<maitrise>(m));
        p.setCompetence(ACROBATIE, static_cast<maitrise>(m));
        EXPECT_EQ(p.getCompetence(CHARISME), attendu[m][0]) << m;
        EXPECT_EQ(p.getCompetence(ACROBATIE), attendu[m][1]) << m;
    }
    p.setCaracteristique(SOC, 1);
    EXPECT_EQ(p.getCompetence(CHARISME), 0);
    p.setCaracteristique(SOC, 250);  // stored as given, never clamped
    EXPECT_EQ(p.getCaracteristique(SOC), 250u);
    EXPECT_EQ(p.getCompetence(CHARISME), 125);

    p.setCaracteristique(AG, 31);
    p.setCompetence(ACROBATIE, BASE);  // an untrained advanced skill made basic
    EXPECT_EQ(p.getCompetence(ACROBATIE), 15);
    p.setCompetence(ACROBATIE, AVANCEE);
    EXPECT_EQ(p.getCompetence(ACROBATIE), 0);
}

// A shift lasts until a skill resting on the same characteristic is recomputed.
TEST(Personnage, UnDecalageDureJusquAuRecalcul)
{
    Personnage p;
    p.modifCompetence(CHARISME, -5);  // SOC
    p.modifCompetence(LOGIQUE, 7);    // INT
    EXPECT_EQ(p.getCompetence(CHARISME), 5);
    EXPECT_EQ(p.getCompetence(LOGIQUE), 17);

    p.setCaracteristique(INT, 41);
    EXPECT_EQ(p.getCompetence(LOGIQUE), 20);
    EXPECT_EQ(p.getCompetence(EVALUATION), 20);
    EXPECT_EQ(p.getCompetence(CHARISME), 5);

    p.setCompetence(BARATIN, ACQUISE);  // another SOC skill: every SOC skill is recomputed
    EXPECT_EQ(p.getCompetence(CHARISME), 10);
    EXPECT_EQ(p.getCompetence(BARATIN), 20);

    p.modifCompetence(DUPERIE, 3);       // SOC
    p.setCompetence(ESCALADE, ACQUISE);  // F, AG and E leave SOC skills alone
    p.setCompetence(ACROBATIE, BASE);
    p.setCaracteristique(E, 27);
    EXPECT_EQ(p.getCompetence(DUPERIE), 13);
    EXPECT_EQ(p.getCompetence(RESISTANCE_AUX_INTOXICATIONS), 13);

    p.modifCompetence(INTRUSION, -10);  // below zero on an untrained advanced skill
    EXPECT_EQ(p.getCompetence(INTRUSION), -10);
}

TEST(Personnage, DeplacementEtFatigue)
{
    FicheOuverte p;
    const std::pair<unsigned, Mouvement> parAgilite[] = {
        {35, {3, 6, 9, 9}}, {59, {5, 10, 15, 15}}, {60, {5, 10, 15, 15}}, {75, {5, 10, 15, 15}},
        {9, {0, 0, 0, 0}},  {0, {0, 0, 0, 0}},     {10, {1, 2, 3, 3}},    {49, {4, 8, 12, 12}}};
    for (const auto& [ag, attendu] : parAgilite) {
        p.setCaracteristique(AG, ag);
        EXPECT_EQ(p.mouvement(), attendu) << "AG " << ag;
    }
    const std::pair<unsigned, unsigned> parEndurance[] = {{9, 1},  {10, 1}, {35, 3}, {0, 1},
                                                          {19, 1}, {20, 2}, {99, 9}, {120, 12}};
    for (const auto& [e, attendu] : parEndurance) {
        p.setCaracteristique(E, e);
        EXPECT_EQ(p.fatigue(), attendu) << "E " << e;
    }
    p.setCaracteristique(F, 80);  // neither depends on another characteristic
    p.setCaracteristique(PER, 80);
    EXPECT_EQ(p.mouvement(), (Mouvement{4, 8, 12, 12}));
    EXPECT_EQ(p.fatigue(), 12u);
}

// The sheet holds the current agility bonus, without the cap that movement has.
TEST(Personnage, InitiativeEstLeBonusDAgiliteCourant)
{
    FicheOuverte p;
    p.setCaracteristique(AG, 35);
    EXPECT_EQ(p.initiativeCourante(), 3u);
    p.setCaracteristique(AG, 75);
    EXPECT_EQ(p.initiativeCourante(), 7u);
    p.setCaracteristique(AG, 42);
    p.setCaracteristique(PER, 90);
    p.UpdateInitiative();
    EXPECT_EQ(p.initiativeCourante(), 4u);
    p.Initialize();
    EXPECT_EQ(p.initiativeCourante(), 2u);
}

TEST(Personnage, GardePsychiqueParDiscipline)
{
    Personnage p;
    for (int t = NIVEAU_PSY_1; t <= NIVEAU_PSY_6; ++t) {
        p.setTalent(static_cast<talent>(t), TALENT_X1);  // psychic levels open no discipline
    }
    EXPECT_EQ(p.setPouvoir(TELEPATHIE_TERREUR, ACQUISE), 0);
    EXPECT_EQ(p.getPouvoir(TELEPATHIE_TERREUR), INAPTE);

    p.setPsyker(TELEPATHIE, true);
    EXPECT_TRUE(p.getPsyker(TELEPATHIE));
    EXPECT_FALSE(p.getPsyker(BIOMANCIE));
    EXPECT_EQ(p.setPouvoir(TELEPATHIE_TERREUR, ACQUISE), 1);
    EXPECT_EQ(p.getPouvoir(TELEPATHIE_TERREUR), ACQUISE);
    EXPECT_EQ(p.setPouvoir(BIOMANCIE_BIOECLAIR, MAITRE), 0);
    EXPECT_EQ(p.getPouvoir(BIOMANCIE_BIOECLAIR), INAPTE);
    EXPECT_EQ(p.setPouvoir(TORCHE, ACQUISE), 0);  // minor powers have their own flag

    p.setPsyker(MINEUR, true);
    EXPECT_EQ(p.setPouvoir(TORCHE, EXPERT), 1);
    EXPECT_EQ(p.getPouvoir(TORCHE), EXPERT);
    p.setPsyker(TELEPATHIE, false);
    EXPECT_EQ(p.setPouvoir(TELEPATHIE_TERREUR, INAPTE), 0);
    EXPECT_EQ(p.getPouvoir(TELEPATHIE_TERREUR), ACQUISE);
}

TEST(Personnage, TalentsEtFormesCatalogue)
{
    Personnage p;
    static_assert(TALENT_X12 == 12, "thirteen multiplicities, the number in the name is the value");
    p.setTalent(AMBIDEXTRE, TALENT_X12);
    EXPECT_EQ(p.getTalent(AMBIDEXTRE), TALENT_X12);
    p.setTalent(SPRINT, "Course folle", TALENT_X2);
    EXPECT_EQ(p.getTalentNom(SPRINT), "Course folle");
    EXPECT_EQ(p.getTalent(SPRINT), TALENT_X2);

    p.setPouvoir("Essai", TORCHE, 12, REACTION, PYROMANCIE, INAPTE, 3);
    EXPECT_EQ(p.getPouvoirNom(TORCHE), "Essai");
    EXPECT_EQ(p.getPouvoirDomaine(TORCHE), PYROMANCIE);
    EXPECT_EQ(p.getPouvoirNomDomaine(TORCHE), "Pyromancie");
    p.setPsyker(PYROMANCIE, true);  // the guard follows the new discipline
    EXPECT_EQ(p.setPouvoir(TORCHE, ACQUISE), 1);

    p.setPouvoir("Hors discipline", RUSE, 5, DEMI_ACTION, static_cast<domaine>(7), INAPTE, 0);
    EXPECT_EQ(p.getPouvoirNomDomaine(RUSE), "");
    EXPECT_EQ(p.setPouvoir(RUSE, ACQUISE), 0);
    p.setPsyker(static_cast<domaine>(7), true);  // flags 6 to 9 exist, without a discipline
    EXPECT_TRUE(p.getPsyker(static_cast<domaine>(7)));
    EXPECT_EQ(p.setPouvoir(RUSE, ACQUISE), 1);

    Personnage copie = p;  // a copy shares nothing with its source
    copie.setTalent(SPRINT, "Autre", TALENT_X1);
    copie.setCompetence(ACROBATIE, ACQUISE);
    EXPECT_EQ(p.getTalentNom(SPRINT), "Course folle");
    EXPECT_EQ(p.getCompetence(ACROBATIE), 0);
    EXPECT_EQ(copie.getCompetence(ACROBATIE), 20);
}

TEST(Personnage, InitializeRemetLaFicheAuDepart)
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
    FicheOuverte p;
    for (int k = CC; k <= SOC; ++k) {
        p.setCaracteristique(car(k), 40 + static_cast<unsigned>(k));
    }
    for (skill s : onze) {
        p.setCompetence(s, BASE);
        p.setCompetence(s, ACQUISE);
    }
    p.setCompetence(CHARISME, EXPERT);  // not one of the eleven: kept
    p.setCompetence(ACROBATIE, BASE);   // likewise
    p.modifCompetence(DUPERIE, 9);
    p.setTalent(QUELCONQUE, TALENT_X1);
    p.setTalent(NIVEAU_PSY_2, TALENT_X3);
    p.setPsyker(BIOMANCIE, true);
    p.setPouvoir(BIOMANCIE_BIOECLAIR, ACQUISE);
    p.setPsyker(DIVINATION, true);
    p.setPouvoir(DIVINATION_APERCU, MAITRE);
    p.setPsyker(DIVINATION, false);  // Initialize is refused this power: it stays
    p.profil.setNom("Ilse");
    p.etat.setArgent(70);

    p.Initialize();

    EXPECT_EQ(compter(9, [&](int k) { return p.getCaracteristique(car(k)) == 20; }), 9);
    for (skill s : onze) {
        EXPECT_EQ(p.getCompetence(s), 0) << s;
    }
    EXPECT_EQ(p.getCompetence(CHARISME), 30);
    EXPECT_EQ(p.getCompetence(ACROBATIE), 10);
    EXPECT_EQ(p.getCompetence(DUPERIE), 10);
    EXPECT_EQ(talentsTenus(p), 0);
    EXPECT_EQ(p.getPouvoir(BIOMANCIE_BIOECLAIR), INAPTE);
    EXPECT_EQ(p.getPouvoir(DIVINATION_APERCU), MAITRE);
    EXPECT_TRUE(p.getPsyker(BIOMANCIE));
    EXPECT_FALSE(p.getPsyker(DIVINATION));
    EXPECT_EQ(p.mouvement(), (Mouvement{2, 4, 6, 6}));
    EXPECT_EQ(p.fatigue(), 2u);
    EXPECT_EQ(p.profil.getNom(), "Ilse");
    EXPECT_EQ(p.etat.getArgent(), 70u);
}

// A cast integer outside an enumeration is ignored by setters and answered with a
// neutral value by getters; the entries at both ends of every array stay as they were.
TEST(Personnage, ArgumentsHorsEnumeration)
{
    Personnage p;
    for (int v : {-1, 9, 500}) {
        p.setCaracteristique(car(v), 99);
        EXPECT_EQ(p.getCaracteristique(car(v)), 0u) << v;
    }
    for (int v : {-1, 10, 500}) {
        p.setPsyker(static_cast<domaine>(v), true);
        EXPECT_FALSE(p.getPsyker(static_cast<domaine>(v))) << v;
    }
    for (int v : {-1, 120, 500}) {
        const auto s = static_cast<skill>(v);
        p.setCompetence(s, MAITRE);
        p.setCompetence(s, BASE);
        p.modifCompetence(s, 40);
        EXPECT_EQ(p.getCompetence(s), 0) << v;
        EXPECT_EQ(p.getCompetenceNom(s), "") << v;
    }
    for (int v : {-1, 187, 500}) {
        const auto t = static_cast<talent>(v);
        p.setTalent(t, TALENT_X1);
        p.setTalent(t, "Intrus", TALENT_X1);
        EXPECT_EQ(p.getTalent(t), SANS_TALENT) << v;
        EXPECT_EQ(p.getTalentNom(t), "") << v;
    }
    p.setPsyker(BIOMANCIE, true);
    for (int v : {-1, 82, 500}) {
        const auto q = static_cast<pouvoir>(v);
        p.setPouvoir("Intrus", q, 5, DEMI_ACTION, BIOMANCIE, ACQUISE, 0);
        EXPECT_EQ(p.setPouvoir(q, ACQUISE), 0) << v;
        EXPECT_EQ(p.getPouvoir(q), INAPTE) << v;
        EXPECT_EQ(p.getPouvoirNom(q), "") << v;
        EXPECT_EQ(p.getPouvoirNomDomaine(q), "") << v;
        EXPECT_EQ(p.getPouvoirDomaine(q), MINEUR) << v;
    }
    EXPECT_EQ(p.getCaracteristique(CC) + p.getCaracteristique(SOC), 40u);
    EXPECT_EQ(p.getCompetence(ACROBATIE) + p.getCompetence(VIGILANCE), 10);
    EXPECT_EQ(talentsTenus(p), 0);
    EXPECT_EQ(p.getTalentNom(AGILITE_FELINE), "Agilite feline");
    EXPECT_EQ(p.getTalentNom(VOIX_TROUBLANTE), "Voix troublante");
    EXPECT_EQ(p.getPouvoirNom(AFFAIBLISSEMENT_DU_VOILE), "Affaiblissement du voile");
    EXPECT_EQ(p.getPouvoirNom(TELEPATHIE_TERREUR), "Terreur");
    EXPECT_EQ(compter(NB_POUVOIRS, [&](int q) { return p.getPouvoir(static_cast<pouvoir>(q)) == INAPTE; }), 82);
}

TEST(Personnage, LibellesDesCaracteristiquesEtDisciplines)
{
    const char* const labels[] = {"CC", "CT", "F", "E", "Ag", "Int", "Per", "FM", "Soc"};
    for (int k = CC; k <= SOC; ++k) {
        EXPECT_EQ(getCaracteristiqueLabel(car(k)), labels[k]);
    }
    const char* const noms[] = {"Mineur", "Biomancie", "Divination", "Pyromancie", "Telekinesie", "Telepathie"};
    for (int d = MINEUR; d <= TELEPATHIE; ++d) {
        EXPECT_EQ(getDomaineNom(static_cast<domaine>(d)), noms[d]);
    }
    EXPECT_EQ(getCaracteristiqueLabel(car(9)) + getCaracteristiqueLabel(car(-1)), "");
    EXPECT_EQ(getDomaineNom(static_cast<domaine>(6)) + getDomaineNom(static_cast<domaine>(-1)), "");
}
