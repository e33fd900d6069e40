// The three catalogues as a fresh sheet carries them: counts, enumerator order,
// names (stored as Windows-1252), and what each entry rests on.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "catalogue.h"
#include "encodage.h"
#include "personnage.h"

namespace {

// Names are written here in UTF-8 and compared with what the sheet stores.
std::string w(const char* utf8) { return versWindows1252(utf8); }

}  // namespace

static_assert(VIGILANCE == 119 && NB_COMPETENCES == 120, "skills run 0 to 119");
static_assert(VOIX_TROUBLANTE == 186 && NB_TALENTS == 187, "talents run 0 to 186");
static_assert(TELEPATHIE_TERREUR == 81 && NB_POUVOIRS == 82, "powers run 0 to 81");
static_assert(CONDUITE_VEHICULE_ANTIGRAV == 12 && PAIR_HORS_MONDE == 124 && BIOMANCIE_ACCROISSEMENT_SENSORIEL == 32,
              "enumerators keep their table order");

TEST(Catalogues, NomsDesCompetences)
{
    Personnage p;
    ASSERT_EQ(p.competences_liste.size(), 120u);
    const std::pair<skill, const char*> noms[] = {
        {ACROBATIE, "Acrobatie"},
        {CODE_SECRET_SOCIETE_SECRETE, "Code secret(Societe secrete)"},
        {CONDUITE_VEHICULE_ANTIGRAV, "Conduite(Véhicule antigrav)"},
        {CONDUITE_MARCHEURS, "Conduite(Marcheurs)"},
        {CONDUITE_VEHICULE_TERRESTRE, "Conduite(Véhicule terrestre)"},
        {GENERAL_TECHNOLOGIE, "Connaissance general(Technologie)"},
        {INTERDITE_XENOS, "Connaissance interdite(Xenos)"},
        {SCHOLASTIQUE_ARCHAIQUE, "Connaissance Scholastique(Archaïque)"},
        {SCHOLASTIQUE_CREDO_IMPERIAL, "Connaissance Scholastique(Credo imperiale)"},
        {LANGUAGE_SECRET_TECHNOLOGIQUE, "Langage secret(Technologie)"},
        {LANGUE_DIALECTE_SPATIAL, "Langue(Dialecte spatiale)"},
        {METIER_ARMURIER, "Metier(Armurerie)"},
        {METIER_MACON, "Metier(Maçon)"},
        {PILOTAGE_VAISSEAUX_SPATIAUX, "Pilotage(Vaisseaux spatiaux)"},
        {RESISTANCE_AUX_INTOXICATIONS, "Resistance aux intoxications"},
        {VIGILANCE, "Vigilance"}};
    for (const auto& [s, nom] : noms) {
        EXPECT_EQ(p.getCompetenceNom(s), w(nom)) << s;
    }
    EXPECT_EQ(p.getCompetenceNom(CONDUITE_VEHICULE_ANTIGRAV), "Conduite(V\xE9hicule antigrav)");
    EXPECT_EQ(p.getCompetenceNom(METIER_MACON), "Metier(Ma\xE7on)");
    std::set<std::string> tous;
    for (int s = 0; s < NB_COMPETENCES; ++s) {
        tous.insert(p.getCompetenceNom(static_cast<skill>(s)));
    }
    EXPECT_EQ(tous.size(), 120u);
}

// Type and characteristic of every skill, read back from the sheet: untrained at
// 20, a basic skill is worth 10; trained, with each characteristic at its own
// value, a skill is worth its characteristic.
TEST(Catalogues, CaracteristiqueEtTypeDesCompetences)
{
    Personnage p;
    std::set<skill> base;
    for (int s = 0; s < NB_COMPETENCES; ++s) {
        if (p.getCompetence(static_cast<skill>(s)) == 10) {
            base.insert(static_cast<skill>(s));
        }
    }
    EXPECT_EQ(base, (std::set<skill>{BARATIN,       CHARISME,
                                     COMMANDEMENT,  CONTORSIONNISTE,
                                     DEGUISEMENT,   DEPLACEMENT_SILENCIEUX,
                                     DISSIMULATION, DUPERIE,
                                     ENQUETE,       ESCALADE,
                                     ESQUIVE,       EVALUATION,
                                     FOUILLE,       INTIMIDATION,
                                     JEU,           LOGIQUE,
                                     MARCHANDAGE,   NATATION,
                                     PSYCHOLOGIE,   RESISTANCE_AUX_INTOXICATIONS,
                                     VIGILANCE}));

    for (int k = CC; k <= SOC; ++k) {
        p.setCaracteristique(static_cast<caracteristique>(k), 30 + 2 * static_cast<unsigned>(k));
    }
    std::map<int, std::set<skill>> parCarac;
    for (int s = 0; s < NB_COMPETENCES; ++s) {
        p.setCompetence(static_cast<skill>(s), ACQUISE);
        parCarac[(p.getCompetence(static_cast<skill>(s)) - 30) / 2].insert(static_cast<skill>(s));
    }
    EXPECT_EQ(parCarac[INT].size(), 70u);
    EXPECT_EQ(parCarac.count(CC) + parCarac.count(CT), 0u);
    const std::map<int, std::set<skill>> autres = {
        {F,
         {ESCALADE, INTIMIDATION, METIER_ARMURIER, METIER_FERMIER, METIER_FORGERON, METIER_MINEUR, METIER_PROSPECTEUR,
          METIER_TANNEUR, NATATION}},
        {E, {RESISTANCE_AUX_INTOXICATIONS}},
        {AG,
         {ACROBATIE, CONDUITE_VEHICULE_ANTIGRAV, CONDUITE_MARCHEURS, CONDUITE_VEHICULE_TERRESTRE, CONTORSIONNISTE,
          DEPLACEMENT_SILENCIEUX, DISSIMULATION, ESCAMOTAGE, ESQUIVE, FILATURE, INTRUSION, METIER_ARTISTE,
          METIER_CARTOGRAPHE, METIER_GRAVEUR, METIER_MACON, PILOTAGE_VAISSEAUX_CIVIL, PILOTAGE_VAISSEAUX_MILITAIRE,
          PILOTAGE_VAISSEAUX_SPATIAUX}},
        {PER, {FOUILLE, LECTURE_SUR_LES_LEVRES, PISTAGE, PSYCHOLOGIE, PSYNISCIENCE, VIGILANCE}},
        {FM, {CONCENTRATION, INTERROGATOIRE}},
        {SOC,
         {BARATIN, CHARISME, COMMANDEMENT, DEGUISEMENT, DUPERIE, ENQUETE, EXPRESSION_ARTISTIQUE_CHANTEUR,
          EXPRESSION_ARTISTIQUE_CONTEUR, EXPRESSION_ARTISTIQUE_DANSEUR, EXPRESSION_ARTISTIQUE_MUSICIEN, MARCHANDAGE,
          METIER_MARCHAND, METIER_VALET, METIER_VOYANT}}};
    for (const auto& [k, competences] : autres) {
        EXPECT_EQ(parCarac[k], competences) << k;
    }
}

TEST(Catalogues, NomsDesTalents)
{
    Personnage p;
    ASSERT_EQ(p.talents_liste.size(), 187u);
    const std::pair<talent, const char*> noms[] = {
        {AGILITE_FELINE, "Agilite feline"},
        {COMBAT_A_DEUX_ARMES_CORPS_A_CORPS, "Combat à deux armes(Corps à corps)"},
        {CONSTITUTION_SOLIDE_I, "Constitution solide"},
        {DISCIPLINE, "Discipline()"},
        {FOI_INEBRANLABLE, "Foi inébranlable"},
        {FORMATION_AUX_ARMES_DE_BASE_LANCE_FLAMME, "Formation aux armes de base(Lance-flamme)"},
        {FORMATION_AUX_ARMES_DE_BASE_LANCEURS, "Formation aux armes de base(Lanceurs)"},
        {FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_TRONCONNEUSES, "Formation aux armes de corps à corps(Tronçonneuses)"},
        {FORMATION_AUX_ARMES_DE_POING_MS, "Formation aux armes de poing(Munition Solide)"},
        {FORMATION_AUX_ARMES_LOURDES_LANCE_FLAMMES, "Formation aux armes lourdes(Lance-flammes)"},
        {MAITRE_D_ARMES, "Maitre d'amres"},
        {NERF_DACIER, "Nerf d'acier"},
        {NIVEAU_PSY_6, "Niveau psy 6"},
        {PAIR_ALIENE, "Pair(Aliéneé)"},
        {PAIR_HORS_MONDE, "Pair(Hors-monde)"},
        {PAIR_GOUVERNEMENT, "Pair(Gouvernement)"},
        {SENS_AIGUISE_OUIE, "Sens aiguise(Ouïe)"},
        {SOUVENIRS_PRECIS, "Souvenir precis"},
        {UTILISATION_DE_MECADENDRITES, "Utilisation de mecadandrites"},
        {VOIX_TROUBLANTE, "Voix troublante"}};
    for (const auto& [t, nom] : noms) {
        EXPECT_EQ(p.getTalentNom(t), w(nom)) << t;
    }
    EXPECT_EQ(p.getTalentNom(FOI_INEBRANLABLE), "Foi in\351branlable");
    EXPECT_EQ(p.getTalentNom(PAIR_ALIENE), "Pair(Ali\xE9ne\xE9)");
    std::set<std::string> tous;
    int parenthesesVides = 0;
    for (int t = 0; t < NB_TALENTS; ++t) {
        const std::string nom = p.getTalentNom(static_cast<talent>(t));
        tous.insert(nom);
        parenthesesVides += nom.size() > 2 && nom.compare(nom.size() - 2, 2, "()") == 0 ? 1 : 0;
    }
    EXPECT_EQ(tous.size(), 187u);
    EXPECT_EQ(parenthesesVides, 3);
}

TEST(Catalogues, NomsEtDisciplinesDesPouvoirs)
{
    Personnage p;
    ASSERT_EQ(p.pouvoirs_liste.size(), 82u);
    const std::pair<pouvoir, const char*> noms[] = {{AFFAIBLISSEMENT_DU_VOILE, "Affaiblissement du voile"},
                                                    {ATTENUATON_DE_LA_DOULEUR, "Attenuation de la douleur"},
                                                    {DETECTION_DES_PENSEES, "Detection des pensées"},
                                                    {MARCHE_AUX_MURS, "Marches aux murs"},
                                                    {RESISTANCE_A_LA_POSSESSION, "Resistance à la possession"},
                                                    {VISEE_SURNATURELLE, "Vision surnaturelle"},
                                                    {BIOMANCIE_ASPIRATION_DES_TOXIQUES, "Aspiratio des toxiques"},
                                                    {DIVINATION_APERCU, "Aperçu"},
                                                    {DIVINATION_ESQUIVE_PREMONITOIRE, "Esquive prémonioire"},
                                                    {PYROMANCIE_TEMPETE_DE_FEU, "Tempete de feu"},
                                                    {TELEKINESIE_POUSSEE, "Poussée"},
                                                    {TELEKINESIE_TELEKINESIE, "Telekinesie"},
                                                    {TELEPATHIE_MAITRE_DES_BETES, "Maître des bêtes"},
                                                    {TELEPATHIE_TERREUR, "Terreur"}};
    for (const auto& [q, nom] : noms) {
        EXPECT_EQ(p.getPouvoirNom(q), w(nom)) << q;
    }
    EXPECT_EQ(p.getPouvoirNom(TELEPATHIE_MAITRE_DES_BETES), "Ma\xEEtre des b\xEAtes");

    // 0 to 31 minor powers, then the five disciplines in blocks of ten.
    const char* const disciplines[] = {"Mineur", "Biomancie", "Divination", "Pyromancie", "Telekinesie", "Telepathie"};
    std::set<std::string> tous;
    for (int q = 0; q < NB_POUVOIRS; ++q) {
        const int d = q < 32 ? 0 : 1 + (q - 32) / 10;
        EXPECT_EQ(p.getPouvoirDomaine(static_cast<pouvoir>(q)), d) << q;
        EXPECT_EQ(p.getPouvoirNomDomaine(static_cast<pouvoir>(q)), disciplines[d]) << q;
        tous.insert(p.getPouvoirNom(static_cast<pouvoir>(q)));
    }
    EXPECT_EQ(tous.size(), 82u);
}

// Threshold, action and range are read nowhere through the sheet: checked in the table.
TEST(Catalogues, SeuilActionEtPorteeDesPouvoirs)
{
    struct Ligne {
        pouvoir p;
        unsigned seuil;
        action a;
        unsigned portee;
    };
    const Ligne lignes[] = {{AFFAIBLISSEMENT_DU_VOILE, 9, ACTION_COMPLETE, 30},
                            {INVOCATION_DE_CREATURES, 9, ACTION_COMPLETE, 1000},
                            {INVOCATION_D_OBJET, 5, DEMI_ACTION, 0},
                            {RESISTANCE_A_LA_POSSESSION, 6, REACTION, 0},
                            {TOUCHER_D_ALIENATION, 11, ACTION_COMPLETE, 100},
                            {BIOMANCIE_REGENERATION, 23, ACTION_COMPLETE, 0},
                            {DIVINATION_VISION_A_DISTANCE, 17, ACTION_COMPLETE, 1000},
                            {PYROMANCIE_FLASH_AVEUGLANT, 11, DEMI_ACTION, 12},
                            {PYROMANCIE_HOLOCAUSTE, 23, DEMI_ACTION, 6},
                            {PYROMANCIE_MUR_DE_FEU, 17, DEMI_ACTION, 60},
                            {TELEKINESIE_ARRET_DES_PROJECTILES, 16, REACTION, 1},
                            {TELEPATHIE_DOMINATION, 24, DEMI_ACTION, 10},
                            {TELEPATHIE_TERREUR, 13, DEMI_ACTION, 10}};
    for (const Ligne& l : lignes) {
        const EntreePouvoir& e = CATALOGUE_POUVOIRS[l.p];
        EXPECT_EQ(e.seuil, l.seuil) << l.p;
        EXPECT_EQ(e.focalisation, l.a) << l.p;
        EXPECT_EQ(e.portee, l.portee) << l.p;
    }
    std::map<int, int> parAction;
    std::set<unsigned> portees;
    std::set<unsigned> seuils;
    for (const EntreePouvoir& e : CATALOGUE_POUVOIRS) {
        ++parAction[e.focalisation];
        portees.insert(e.portee);
        seuils.insert(e.seuil);
    }
    EXPECT_EQ(parAction, (std::map<int, int>{{DEMI_ACTION, 54}, {ACTION_COMPLETE, 26}, {REACTION, 2}}));
    EXPECT_EQ(portees, (std::set<unsigned>{0, 1, 5, 6, 10, 12, 20, 30, 50, 60, 100, 1000}));
    EXPECT_EQ(*seuils.begin(), 5u);
    EXPECT_EQ(*seuils.rbegin(), 24u);
}
