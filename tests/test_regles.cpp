// The rules of the character sheet and the player that no dialogue shows, as
// data: tests/regles.txt holds cases worked out by hand, each a few operations on
// a fresh player character and what must then hold. The file's head says how it
// reads; a word this runner does not know fails the test with its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "console.h"
#include "joueur.h"
#include "outils.h"

namespace {

using V = std::vector<int>;

// Opens what the sheet keeps protected, and reads what the rules file checks whole.
struct J : Joueur {
    using Personnage::Initialize;
    V caracs() const
    {
        V v;
        for (int k = CC; k < NB_CARACTERISTIQUES; ++k) {
            v.push_back(int(getCaracteristique(caracteristique(k))));
        }
        return v;
    }
    V derives() const
    {
        return {int(demi_deplacement), int(deplacement_complet), int(charge),
                int(course),           int(initiative),          int(fatigue_totale)};
    }
    V etatTenu() const
    {
        return {int(etat.getBlessureActuelle()), int(etat.getBlessureMaximum()), int(etat.getDestin()),
                int(etat.getFortune()),          int(etat.getDegatCritique()),   int(etat.getArgent())};
    }
    // Talents held, or skills worth more than 20 (trained, when the characteristics are 40).
    V tenus(bool talents) const
    {
        V tenu;
        for (int i = 0; i < (talents ? NB_TALENTS : NB_COMPETENCES); ++i) {
            if (talents ? getTalent(talent(i)) != SANS_TALENT : getCompetence(skill(i)) > 20) {
                tenu.push_back(i);
            }
        }
        return tenu;
    }
};

// The enumerators each kind of word may name, by name: the small enumerations
// here, the keys of the game in the order of tests/catalogues.txt.
// clang-format off
#define NOM(e) {#e, e}
std::map<std::string, std::map<std::string, int>> vocabulaire()
{
    std::map<std::string, std::map<std::string, int>> v = {
        {"carac", {NOM(CC), NOM(CT), NOM(F), NOM(E), NOM(AG), NOM(INT), NOM(PER), NOM(FM), NOM(SOC), NOM(NB_CARACTERISTIQUES)}},
        {"maitrise", {NOM(INAPTE), NOM(ACQUISE), NOM(EXPERT), NOM(MAITRE)}},
        {"type", {NOM(BASE), NOM(AVANCEE)}},
        // The sheet keeps ten psychic flags: a fact the rules check, not a count that follows the code.
        {"domaine", {NOM(MINEUR), NOM(BIOMANCIE), NOM(DIVINATION), NOM(PYROMANCIE), NOM(TELEKINESIE), NOM(TELEPATHIE),
                     NOM(NB_DOMAINES), {"NB_DRAPEAUX_PSY", 10}}},
        {"competence", {NOM(FIN_COMPETENCES)}}, {"talent", {NOM(FIN_TALENTS)}}, {"pouvoir", {NOM(FIN_POUVOIRS)}}};
    // clang-format on
    std::map<std::string, int> rangs;
    std::istringstream lignes(lireFichier(VESPERINE_CATALOGUES));
    for (std::string ligne; std::getline(lignes, ligne);) {
        const std::size_t a = ligne.find('|');
        const std::size_t b = ligne.find('|', a + 1);
        v[ligne.substr(0, a)][ligne.substr(a + 1, b - a - 1)] = rangs[ligne.substr(0, a)]++;
    }
    return v;
}
#undef NOM
const auto VOCABULAIRE = vocabulaire();

// A word as a value of its kind: a number for "n"; else one of the kind's names,
// or a number far outside the enumeration (negative, or 999 and more).
int valeur(const std::string& mot, const std::string& sorte, int ligne)
{
    const std::optional<int> n = nombreEntier(mot);
    const auto noms = VOCABULAIRE.find(sorte);
    if (n && (sorte == "n" || *n < 0 || *n >= 999)) {
        return *n;
    }
    if (noms == VOCABULAIRE.end() || noms->second.count(mot) == 0) {
        incompris(VESPERINE_REGLES, ligne, mot);
    }
    return noms->second.at(mot);
}

// The kinds of the words after each name, as an operation ("carac AG 33") and
// as a reading ("= carac AG 33"): with two kinds a reading is of key and value
// pairs, with one it is all the player holds (keys listed in any order).
// clang-format off
const std::map<std::string, std::vector<std::string>> SORTES = {
    {"carac", {"carac", "n"}}, {"maitrise", {"competence", "maitrise"}}, {"type", {"competence", "type"}},
    {"modif", {"competence", "n"}}, {"competence", {"competence", "n"}}, {"talent", {"talent", "n"}},
    {"psy", {"domaine", "n"}}, {"pouvoir", {"pouvoir", "maitrise"}}, {"monde", {"monde"}}, {"carriere", {"carriere"}},
    {"assermentation", {"assermentation"}}, {"divination", {"divination"}}, {"folie", {"n"}}, {"argent", {"n"}},
    {"corruption", {"n"}}, {"experience", {"n"}}, {"initialize", {}}, {"initiative", {}}, {"caracs", {"n"}},
    {"derives", {"n"}}, {"etat", {"n"}}, {"talents", {"talent"}}, {"formees", {"competence"}}};
// clang-format on

// Each operation with its arguments, answering what the call answers (or 0).
const std::map<std::string, std::function<int(J&, int, int)>> OPERATIONS = {
    {"carac", [](J& j, int k, int v) { return j.setCaracteristique(caracteristique(k), unsigned(v)), 0; }},
    {"maitrise", [](J& j, int s, int m) { return j.setCompetence(skill(s), maitrise(m)), 0; }},
    {"type", [](J& j, int s, int t) { return j.setCompetence(skill(s), skillType(t)), 0; }},
    {"modif", [](J& j, int s, int n) { return j.modifCompetence(skill(s), n), 0; }},
    {"talent", [](J& j, int t, int n) { return j.setTalent(talent(t), talent_multiple(n)), 0; }},
    {"psy", [](J& j, int d, int on) { return j.setPsyker(domaine(d), on != 0), 0; }},
    {"pouvoir", [](J& j, int p, int m) { return j.setPouvoir(pouvoir(p), maitrise(m)); }},
    {"monde", [](J& j, int m, int) { return j.setMonde(monde(m)), 0; }},
    {"carriere", [](J& j, int c, int) { return j.setCarriere(c), 0; }},
    {"assermentation", [](J& j, int a, int) { return j.setAssermentation(assermentation(a)), 0; }},
    {"divination", [](J& j, int d, int) { return j.setDivination(divination(d)), 0; }},
    {"folie", [](J& j, int n, int) { return j.setFolie(unsigned(n)), 0; }},
    {"argent", [](J& j, int n, int) { return j.etat.setArgent(unsigned(n)), 0; }},
    {"initialize", [](J& j, int, int) { return j.Initialize(), 0; }},
    {"initiative", [](J& j, int, int) { return j.UpdateInitiative(), 0; }}};

// What a reading holds: of a key, or all of it.
const std::map<std::string, std::function<V(const J&, int)>> LECTURES = {
    {"competence", [](const J& j, int s) { return V{j.getCompetence(skill(s))}; }},
    {"pouvoir", [](const J& j, int p) { return V{j.getPouvoir(pouvoir(p))}; }},
    {"talent", [](const J& j, int t) { return V{j.getTalent(talent(t))}; }},
    {"psy", [](const J& j, int d) { return V{j.getPsyker(domaine(d))}; }},
    {"carac", [](const J& j, int k) { return V{int(j.getCaracteristique(caracteristique(k)))}; }},
    {"folie", [](const J& j, int) { return V{int(j.getFolie())}; }},
    {"corruption", [](const J& j, int) { return V{int(j.getCorruption())}; }},
    {"experience", [](const J& j, int) { return V{int(j.getExperience())}; }},
    {"argent", [](const J& j, int) { return V{int(j.etat.getArgent())}; }},
    {"monde", [](const J& j, int) { return V{j.getMonde()}; }},
    {"carriere", [](const J& j, int) { return V{j.getCarriere()}; }},
    {"assermentation", [](const J& j, int) { return V{j.getAssermentation()}; }},
    {"divination", [](const J& j, int) { return V{j.getDivination()}; }},
    {"caracs", [](const J& j, int) { return j.caracs(); }},
    {"derives", [](const J& j, int) { return j.derives(); }},
    {"etat", [](const J& j, int) { return j.etatTenu(); }},
    {"talents", [](const J& j, int) { return j.tenus(true); }},
    {"formees", [](const J& j, int) { return j.tenus(false); }}};

}  // namespace

TEST(Regles, CasDeTestsRegles)
{
    std::istringstream lignes(lireFichier(VESPERINE_REGLES));
    auto j = std::make_unique<J>();
    int numero = 0;
    for (std::string ligne; std::getline(lignes, ligne);) {
        ++numero;
        SCOPED_TRACE("tests/regles.txt:" + std::to_string(numero) + ": " + ligne);
        std::istringstream in(ligne);
        const std::vector<std::string> mots{std::istream_iterator<std::string>(in), {}};
        if (mots.empty()) {
            j = std::make_unique<J>();  // a fresh player for the next case
            continue;
        }
        if (mots[0][0] == '#') {
            continue;
        }
        const bool lecture = mots[0] == "=";
        const std::string nom = lecture && mots.size() > 1 ? mots[1] : mots[0];
        if (SORTES.count(nom) == 0 || (lecture ? LECTURES.count(nom) : OPERATIONS.count(nom)) == 0) {
            incompris(VESPERINE_REGLES, numero, nom);
        }
        // After the name, a word of each kind in turn (any number of pairs or of
        // values for a reading), then for an operation "-> n", what it must answer.
        const std::vector<std::string>& sortes = SORTES.at(nom);
        const std::size_t debut = lecture ? 2 : 1;
        const std::size_t fin = std::find(mots.begin(), mots.end(), "->") - mots.begin();
        const bool forme = lecture ? fin == mots.size() && (fin - debut) % sortes.size() == 0
                                   : fin - debut == sortes.size() && (fin == mots.size() || fin + 2 == mots.size());
        if (!forme) {
            incompris(VESPERINE_REGLES, numero, ligne);
        }
        V v;
        for (std::size_t i = debut; i < fin; ++i) {
            v.push_back(valeur(mots[i], sortes[(i - debut) % sortes.size()], numero));
        }
        if (lecture && sortes.size() == 2) {
            V tenu;
            V attendu;
            for (std::size_t i = 0; i < v.size(); i += 2) {
                tenu.push_back(LECTURES.at(nom)(*j, v[i])[0]);
                attendu.push_back(v[i + 1]);
            }
            EXPECT_EQ(tenu, attendu);
        } else if (lecture) {
            if (sortes[0] != "n") {
                std::sort(v.begin(), v.end());
            }
            EXPECT_EQ(LECTURES.at(nom)(*j, 0), v);
        }
        if (!lecture) {
            v.resize(2);
            const int reponse = OPERATIONS.at(nom)(*j, v[0], v[1]);
            if (fin < mots.size()) {
                EXPECT_EQ(reponse, valeur(mots[fin + 1], "n", numero));
            }
        }
    }
}
