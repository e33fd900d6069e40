// The rules that only unit tests protect: the skill value rule, movement and
// fatigue at their boundaries, the psychic guard, Initialize, arguments outside
// their enumeration, Profil::Afficher's widths, homeworld and career edge cases,
// sanctioning, divinations and the display names. Whole characters, with their
// homeworlds and careers, are checked by the transcripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <set>
#include <sstream>
#include <tuple>
#include <vector>

#include "encodage.h"
#include "joueur.h"

namespace {

using U = std::vector<unsigned>;
using V = std::vector<int>;
using Ensemble = std::set<int>;

// Exposes what the sheet keeps protected.
class FicheOuverte : public Personnage {
public:
    using Personnage::Initialize;
    // Half move, full move, charge, run, initiative, fatigue threshold.
    U derives() const { return {demi_deplacement, deplacement_complet, charge, course, initiative, fatigue_totale}; }
};

// The values 0 to n - 1 for which f holds.
template <class F> Ensemble indices(int n, F f)
{
    Ensemble s;
    for (int i = 0; i < n; ++i) {
        if (f(i)) {
            s.insert(i);
        }
    }
    return s;
}

U caracteristiques(const Personnage& p)
{
    U c;
    for (int k = CC; k <= SOC; ++k) {
        c.push_back(p.getCaracteristique(caracteristique(k)));
    }
    return c;
}

// The values of the skills given, in that order.
V valeurs(const Personnage& p, const std::vector<skill>& s)
{
    V v(s.size());
    std::transform(s.begin(), s.end(), v.begin(), [&](skill x) { return p.getCompetence(x); });
    return v;
}

// What f gives for each value listed, each followed by '|'.
template <class F, class C = V> std::string noms(const C& v, F f)
{
    std::string s;
    for (int x : v) {
        s += f(x) + "|";
    }
    return s;
}

// The profile as Afficher writes it on a left-aligned stream, as the summary does.
std::string aGauche(const Profil& p)
{
    std::ostringstream out;
    out << std::left;
    p.Afficher(out);
    return out.str();
}

// The eleven skills the homeworlds act on, then ESCALADE (F), ESQUIVE (AG),
// RESISTANCE_AUX_INTOXICATIONS (E) and CHARISME (SOC), which follow their characteristic.
const std::vector<skill> SUIVIES = {{ALPHABETISATION, GENERAL_CREDO_IMPERIAL, GENERAL_GUERRE, GENERAL_IMPERIUM,
                                     LANGUE_HAUT_GOTHIQUE, ORIENTATION_STELLAIRE, ORIENTATION_SURFACE,
                                     PILOTAGE_VAISSEAUX_SPATIAUX, PISTAGE, SURVIE, TECHNOMAITRISE, ESCALADE, ESQUIVE,
                                     RESISTANCE_AUX_INTOXICATIONS, CHARISME}};

// Trained skills, when every characteristic is 40 (an untrained skill is then worth
// 20 or 0, a trained one 40, more above trained), and talents held.
Ensemble formees(const Personnage& p)
{
    return indices(NB_COMPETENCES, [&](int s) { return p.getCompetence(skill(s)) > 20; });
}

Ensemble detenus(const Personnage& p)
{
    return indices(NB_TALENTS, [&](int t) { return p.getTalent(talent(t)) != SANS_TALENT; });
}

}  // namespace

// CHARISME and BARATIN rest on SOC and are basic, ACROBATIE and ESCAMOTAGE on AG
// and advanced; BARATIN is made advanced and ESCAMOTAGE basic.
TEST(Personnage, RegleDeValeurPourChaqueMaitriseEtType)
{
    const std::tuple<unsigned, maitrise, V> cas[] = {{33, INAPTE, {16, 0, 0, 16}},   {33, ACQUISE, {33, 33, 33, 33}},
                                                     {33, EXPERT, {43, 43, 43, 43}}, {33, MAITRE, {53, 53, 53, 53}},
                                                     {1, INAPTE, {0, 0, 0, 0}},      {250, INAPTE, {125, 0, 0, 125}}};
    for (const auto& [carac, m, attendu] : cas) {
        Personnage p;
        p.setCaracteristique(SOC, carac);
        p.setCaracteristique(AG, carac);
        for (skill s : {CHARISME, BARATIN, ACROBATIE, ESCAMOTAGE}) {
            p.setCompetence(s, m);
        }
        p.setCompetence(BARATIN, AVANCEE);
        p.setCompetence(ESCAMOTAGE, BASE);
        EXPECT_EQ(valeurs(p, {CHARISME, BARATIN, ACROBATIE, ESCAMOTAGE}), attendu) << carac << " " << m;
    }
}

// Movement is capped from AG 60; the initiative is the current AG / 10, uncapped.
TEST(Personnage, DeplacementInitiativeEtFatigue)
{
    FicheOuverte p;
    const std::tuple<unsigned, unsigned, U> cas[] = {{35, 9, {3, 6, 9, 9, 3, 1}},     {59, 10, {5, 10, 15, 15, 5, 1}},
                                                     {60, 35, {5, 10, 15, 15, 6, 3}}, {75, 0, {5, 10, 15, 15, 7, 1}},
                                                     {9, 19, {0, 0, 0, 0, 0, 1}},     {0, 20, {0, 0, 0, 0, 0, 2}},
                                                     {10, 99, {1, 2, 3, 3, 1, 9}},    {49, 120, {4, 8, 12, 12, 4, 12}}};
    for (const auto& [ag, e, attendu] : cas) {
        p.setCaracteristique(AG, ag);
        p.setCaracteristique(E, e);
        EXPECT_EQ(p.derives(), attendu) << "AG " << ag << ", E " << e;
    }
    p.setCaracteristique(F, 80);  // nothing else moves them
    p.UpdateInitiative();
    EXPECT_EQ(p.derives(), (U{4, 8, 12, 12, 4, 12}));
}

TEST(Personnage, GardePsychiqueParDiscipline)
{
    Personnage p;
    for (int t = NIVEAU_PSY_1; t <= NIVEAU_PSY_6; ++t) {
        p.setTalent(talent(t), TALENT_X1);  // psychic levels open no discipline
    }
    // A discipline flag set (-1: none), then a power asked, the answer and the mastery held.
    const std::tuple<int, bool, pouvoir, maitrise, int, maitrise> pas[] = {
        {-1, true, TELEPATHIE_TERREUR, ACQUISE, 0, INAPTE},
        {TELEPATHIE, true, TELEPATHIE_TERREUR, ACQUISE, 1, ACQUISE},
        {-1, true, BIOMANCIE_BIOECLAIR, MAITRE, 0, INAPTE},
        {-1, true, TORCHE, ACQUISE, 0, INAPTE},  // minor powers have their own flag
        {MINEUR, true, TORCHE, EXPERT, 1, EXPERT},
        {TELEPATHIE, false, TELEPATHIE_TERREUR, INAPTE, 0, ACQUISE}};
    for (const auto& [drapeau, leve, q, m, reponse, tenue] : pas) {
        p.setPsyker(domaine(drapeau), leve);
        EXPECT_EQ(p.setPouvoir(q, m), reponse) << q;
        EXPECT_EQ(p.getPouvoir(q), tenue) << q;
    }
    // The full form replaces the entry, and the guard follows its new discipline.
    p.setPouvoir("Essai", RUSE, 5, DEMI_ACTION, domaine(7), INAPTE, 0);
    EXPECT_EQ(p.getPouvoirNom(RUSE) + p.getPouvoirNomDomaine(RUSE), "Essai");
    EXPECT_EQ(p.setPouvoir(RUSE, ACQUISE), 0);
    p.setPsyker(domaine(7), true);  // flags 6 to 9 exist, without a discipline
    EXPECT_EQ(p.setPouvoir(RUSE, ACQUISE), 1);
}

TEST(Personnage, InitializeRemetLaFicheAuDepart)
{
    const std::vector<skill> onze(SUIVIES.begin(), SUIVIES.begin() + 11);  // the homeworlds' eleven
    FicheOuverte p;
    for (int k = CC; k <= SOC; ++k) {
        p.setCaracteristique(caracteristique(k), 40 + static_cast<unsigned>(k));
    }
    for (skill s : onze) {
        p.setCompetence(s, BASE);
        p.setCompetence(s, ACQUISE);
    }
    p.setCompetence(CHARISME, EXPERT);  // not one of the eleven: kept
    p.setCompetence(ACROBATIE, BASE);   // likewise
    p.modifCompetence(DUPERIE, 9);
    p.setTalent(VOIX_TROUBLANTE, "Voix d'or", TALENT_X12);
    EXPECT_EQ(p.getTalent(VOIX_TROUBLANTE), TALENT_X12);
    p.setPsyker(BIOMANCIE, true);
    p.setPouvoir(BIOMANCIE_BIOECLAIR, ACQUISE);
    p.setPsyker(DIVINATION, true);
    p.setPouvoir(DIVINATION_APERCU, MAITRE);
    p.setPsyker(DIVINATION, false);  // Initialize is refused this power: it stays
    p.profil.setNom("Ilse");
    p.etat.setArgent(70);

    p.Initialize();

    EXPECT_EQ(caracteristiques(p), U(9, 20));
    EXPECT_EQ(valeurs(p, onze), V(11, 0));
    EXPECT_EQ(valeurs(p, {CHARISME, ACROBATIE, DUPERIE}), (V{30, 10, 10}));
    EXPECT_EQ(indices(NB_TALENTS, [&](int t) { return p.getTalent(talent(t)) == SANS_TALENT; }).size(), 187u);
    EXPECT_EQ(p.getTalentNom(VOIX_TROUBLANTE), "Voix d'or");
    EXPECT_EQ((V{p.getPouvoir(BIOMANCIE_BIOECLAIR), p.getPouvoir(DIVINATION_APERCU)}), (V{INAPTE, MAITRE}));
    EXPECT_TRUE(p.getPsyker(BIOMANCIE));
    EXPECT_EQ(p.derives(), (U{2, 4, 6, 6, 2, 2}));
    EXPECT_EQ(p.profil.getNom() + std::to_string(p.etat.getArgent()), "Ilse70");
}

// Just below the first value and just past the last, setters do nothing and getters
// answer a neutral value (all of them 0); the entries at both ends stay as they were.
TEST(Personnage, ArgumentsHorsEnumeration)
{
    Personnage p;
    p.setPsyker(BIOMANCIE, true);
    for (const bool dessous : {true, false}) {
        const auto hors = [&](int n) { return dessous ? -1 : n; };
        const auto k = caracteristique(hors(9));
        const auto d = domaine(hors(10));
        const auto s = skill(hors(120));
        const auto t = talent(hors(187));
        const auto q = pouvoir(hors(82));
        p.setCaracteristique(k, 99);
        p.setPsyker(d, true);
        p.setCompetence(s, MAITRE);
        p.setCompetence(s, BASE);
        p.modifCompetence(s, 40);
        p.setTalent(t, TALENT_X1);
        p.setTalent(t, "Intrus", TALENT_X1);
        p.setPouvoir("Intrus", q, 5, DEMI_ACTION, BIOMANCIE, ACQUISE, 0);
        EXPECT_EQ((V{static_cast<int>(p.getCaracteristique(k)), p.getPsyker(d), p.getCompetence(s), p.getTalent(t),
                     p.setPouvoir(q, ACQUISE), p.getPouvoir(q), p.getPouvoirDomaine(q)}),
                  V(7, 0));
        EXPECT_EQ(getCaracteristiqueLabel(k) + getDomaineNom(domaine(hors(6))) + p.getCompetenceNom(s) +
                      p.getTalentNom(t) + p.getPouvoirNom(q) + p.getPouvoirNomDomaine(q),
                  "");
    }
    EXPECT_EQ(caracteristiques(p), U(9, 20));
    EXPECT_EQ(valeurs(p, {ACROBATIE, VIGILANCE}), (V{0, 10}));
    EXPECT_EQ(indices(NB_TALENTS, [&](int t) { return p.getTalent(talent(t)) == SANS_TALENT; }).size(), 187u);
    EXPECT_EQ(indices(NB_POUVOIRS, [&](int q) { return p.getPouvoir(pouvoir(q)) == INAPTE; }).size(), 82u);
    EXPECT_EQ(p.getTalentNom(AGILITE_FELINE) + p.getTalentNom(VOIX_TROUBLANTE) +
                  p.getPouvoirNom(AFFAIBLISSEMENT_DU_VOILE) + p.getPouvoirNom(TELEPATHIE_TERREUR),
              "Agilite felineVoix troublanteAffaiblissement du voileTerreur");
}

// Afficher on a left-aligned stream, as the program calls it, and on standard
// output by default, whose alignment puts the fill first.
TEST(Profil, AfficherAuxLargeursExactes)
{
    Profil p;
    std::ostringstream capture;
    std::streambuf* ancien = std::cout.rdbuf(capture.rdbuf());
    p.Afficher();
    std::cout.rdbuf(ancien);
    EXPECT_EQ(capture.str(), "Nom:     Sexe:          Stature:\nPeau:                   Cheveux:\n"
                             "Age:   18Taille:     150Poid:   40\n\n\n");
    p.setNom("Zo\351");  // three bytes, filled to five
    p.setSexe("Femme");
    p.setPeau("Tres tres sombre et burinee");  // wider than its field: printed whole
    p.setCheveux("Noirs");
    p.setTaille(123456789);
    EXPECT_EQ(aGauche(p), "Nom:Zo\351  Sexe:Femme     Stature:\nPeau:Tres tres sombre et burineeCheveux:Noirs\n"
                          "Age:18   Taille:123456789Poid:40   \n\n\n");
}

// UTF-8 to Windows-1252 and back: Latin-1 accents and every character of the block 0x80
// to 0x9F, where Windows-1252 departs from Latin-1. A character it lacks becomes '?';
// invalid UTF-8 (here an overlong form) stays as it is.
TEST(Encodage, Windows1252DesNoms)
{
    const std::string utf8 = "Véhicule àçïÿ €‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    const std::string octets = "V\351hicule \340\347\357\377 \x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                               "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F";
    EXPECT_EQ(versWindows1252(utf8), octets);
    EXPECT_EQ(versUtf8(octets), utf8);
    EXPECT_EQ(versWindows1252("a→b\xC0\xAF"), "a?b\xC0\xAF");
}

// Each homeworld applied twice, one after the other on the same character; then
// AUCUN_MONDE and values outside the enumeration, which only store.
TEST(Monde, DepartDeChaqueMondeSansCumulEtAucunMonde)
{
    const std::tuple<monde, U, V> cas[] = {
        {MONDE_SAUVAGE, {20, 20, 25, 25, 20, 20, 20, 15, 15}, {0, 0, 0, 0, 0, 0, 10, 0, 10, 10, -10, 12, 10, 22, 7}},
        {MONDE_IMPERIAL, {20, 20, 20, 20, 20, 20, 20, 23, 20}, {10, 10, 10, 10, 10, 0, 0, 0, 0, 0, 0, 10, 10, 10, 10}},
        {MONDE_RUCHE, {20, 20, 20, 15, 25, 20, 20, 20, 20}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 12, 7, 10}},
        {HORS_MONDE, {20, 20, 15, 20, 20, 20, 20, 25, 20}, {0, 0, 0, 0, 0, 10, 0, 10, 0, 0, 0, 7, 10, 10, 10}}};
    Joueur j;
    for (const auto& [m, carac, suivies] : cas) {
        for (int fois = 1; fois <= 2; ++fois) {
            j.setMonde(m);
            EXPECT_EQ(j.getMonde(), m);
            EXPECT_EQ(caracteristiques(j), carac) << m << " x" << fois;
            EXPECT_EQ(valeurs(j, SUIVIES), suivies) << m << " x" << fois;
        }
    }
    j.setCarriere(ADEPTE);  // kept too
    for (int v : {4, 5, -1}) {
        j.setMonde(monde(v));
        EXPECT_EQ(j.getMonde(), v);
        EXPECT_EQ(caracteristiques(j), (U{20, 20, 15, 20, 20, 20, 20, 25, 20})) << v;
        EXPECT_EQ(valeurs(j, SUIVIES), (V{20, 0, 0, 20, 0, 10, 0, 10, 0, 0, 0, 7, 10, 10, 10})) << v;
        EXPECT_EQ(detenus(j).size(), 6u) << v;
    }
}

// A career clears what the career before granted and anything granted since;
// a value outside the eight careers grants nothing.
TEST(Carriere, EffaceLaPrecedente)
{
    Joueur j;
    for (int k = CC; k <= SOC; ++k) {
        j.setCaracteristique(caracteristique(k), 40);
    }
    j.setCarriere(RACAILLE);
    j.setTalent(CHIMIOCASTRATION, TALENT_X1);
    j.setCompetence(LOGIQUE, EXPERT);
    j.setCarriere(GARDE_IMPERIAL);
    EXPECT_EQ(detenus(j), (Ensemble{FORMATION_AUX_ARMES_DE_BASE_LASER, FORMATION_AUX_ARMES_DE_BASE_MS,
                                    FORMATION_AUX_ARMES_DE_BASE_PRIMITIVE, FORMATION_AUX_ARMES_DE_POING_LASER,
                                    FORMATION_AUX_ARMES_DE_POING_PRIMITIVE}));
    EXPECT_EQ(formees(j), (Ensemble{CONDUITE_VEHICULE_TERRESTRE, NATATION, LANGUE_BAS_GOTHIQUE}));
    for (int c : {8, -1}) {
        j.setCarriere(c);
        EXPECT_EQ(static_cast<int>(j.getCarriere()), c);
        EXPECT_EQ(formees(j).size() + detenus(j).size(), 0u) << c;
    }
}

// Each outcome in turn, on top of the ones before; those without effect, none and
// values outside the enumeration only store. Columns: insanity, corruption, INT, E,
// FM, money, CHIMIOCASTRATION held, and LOGIQUE, which follows INT.
TEST(Assermentation, EffetsAjoutesAuxPrecedents)
{
    const std::pair<int, U> cas[] = {{TRAQUE, {17, 0, 30, 20, 20, 15, 0, 15}},
                                     {TRAQUE, {27, 0, 30, 20, 20, 15, 0, 15}},
                                     {SOUVENIRS_ABOMINABLES, {32, 0, 30, 20, 20, 15, 0, 15}},
                                     {HORREUR, {37, 0, 30, 20, 20, 15, 0, 15}},
                                     {RECONSTRUCTION_CRANIENNE, {37, 0, 80, 20, 20, 65, 0, 40}},
                                     {RECONSTRUCTION_CRANIENNE, {37, 0, 130, 20, 20, 115, 0, 65}},
                                     {MARIE_AU_TRONE, {37, 0, 130, 20, 20, 215, 1, 65}},
                                     {URTICAIRE_DES_SORCIERS, {37, 0, 130, 23, 20, 215, 1, 65}},
                                     {HYPNO_ENDOCTRINEMENT, {37, 0, 130, 23, 23, 215, 1, 65}}};
    Joueur j;
    j.setFolie(7);
    j.etat.setArgent(15);
    j.setCaracteristique(INT, 30);
    for (const auto& [a, attendu] : cas) {
        j.setAssermentation(assermentation(a));
        EXPECT_EQ(j.getAssermentation(), a);
        EXPECT_EQ((U{j.getFolie(), j.getCorruption(), j.getCaracteristique(INT), j.getCaracteristique(E),
                     j.getCaracteristique(FM), j.etat.getArgent(), static_cast<unsigned>(j.getTalent(CHIMIOCASTRATION)),
                     static_cast<unsigned>(j.getCompetence(LOGIQUE))}),
                  attendu)
            << a;
    }
    const auto reste = [&] {
        return std::make_tuple(caracteristiques(j), valeurs(j, SUIVIES), detenus(j), j.getFolie(), j.getCorruption(),
                               j.getExperience(), j.etat.getArgent());
    };
    const auto avant = reste();
    for (int a : {4, 5, 6, 7, 8, 9, 13, 14, -1}) {
        j.setAssermentation(assermentation(a));
        EXPECT_EQ(j.getAssermentation(), a);
        EXPECT_EQ(reste(), avant) << a;
    }
    for (int d : V{VIOLENCE, AUCUNE_DIVINATION, 40, -1}) {  // a divination is stored and does nothing else
        j.setDivination(divination(d));
        EXPECT_EQ(j.getDivination(), d);
        EXPECT_EQ(reste(), avant) << d;
    }
}

// The defaults; every display name is in tests/catalogues.txt.
TEST(Joueur, DefautsEtNoms)
{
    Joueur j;
    EXPECT_EQ((V{j.getMonde(), j.getDivination(), j.getAssermentation()}),
              (V{AUCUN_MONDE, AUCUNE_DIVINATION, AUCUNE_ASSERMENTATION}));
    EXPECT_EQ((U{j.getExperience(), j.getFolie(), j.getCorruption()}), (U{400, 0, 0}));
    // Names depend on the argument only; below the first value and past the "none" one,
    // each enumeration has its fallback.
    j.setMonde(MONDE_RUCHE);
    j.setCarriere(ASSASSIN);
    j.setAssermentation(TRAQUE);
    j.setDivination(GUERRE);
    EXPECT_EQ(j.getMonde(monde(-1)) + "|" + j.getMonde(monde(5)),
              "Aucun monde s\351l\351ctionn\351|Aucun monde s\351l\351ctionn\351");
    EXPECT_EQ(j.getCarriere(carriere(-1)) + "|" + j.getCarriere(carriere(9)), "Aucune carriere|Aucune carriere");
    EXPECT_EQ(j.getAssermentation(assermentation(-1)) + "|" + j.getAssermentation(assermentation(14)),
              "Aucune assermentation|Aucune assermentation");
    EXPECT_EQ(j.getDivination(divination(-1)) + "|" + j.getDivination(divination(29)), "Erreur|Erreur");
}
