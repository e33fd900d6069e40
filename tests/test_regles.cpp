// The rules of the character sheet and the player that no dialogue shows, as
// data: tests/regles.txt holds cases worked out by hand, each a few operations on
// a fresh player character and what must then hold. The file's head says how it
// reads. Names are the enumerators', taken from tests/catalogues.txt for the keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "joueur.h"
#include "outils.h"

namespace {

// Opens what the sheet keeps protected.
struct J : Joueur {
    using Personnage::Initialize;
    std::vector<int> derives() const
    {
        return {static_cast<int>(demi_deplacement), static_cast<int>(deplacement_complet),
                static_cast<int>(charge),           static_cast<int>(course),
                static_cast<int>(initiative),       static_cast<int>(fatigue_totale)};
    }
};

// Each operation with its two arguments, answering what the call answers (or 0).
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

// What "= quoi" reads: of a key ("= competence ACROBATIE 0 ESQUIVE 10"), or alone ("= folie 7").
const std::map<std::string, std::function<int(const J&, int)>> LECTURES = {
    {"competence", [](const J& j, int s) { return j.getCompetence(skill(s)); }},
    {"pouvoir", [](const J& j, int p) { return int(j.getPouvoir(pouvoir(p))); }},
    {"talent", [](const J& j, int t) { return int(j.getTalent(talent(t))); }},
    {"psy", [](const J& j, int d) { return int(j.getPsyker(domaine(d))); }},
    {"carac", [](const J& j, int k) { return int(j.getCaracteristique(caracteristique(k))); }},
    {"folie", [](const J& j, int) { return int(j.getFolie()); }},
    {"corruption", [](const J& j, int) { return int(j.getCorruption()); }},
    {"experience", [](const J& j, int) { return int(j.getExperience()); }},
    {"argent", [](const J& j, int) { return int(j.etat.getArgent()); }},
    {"monde", [](const J& j, int) { return int(j.getMonde()); }},
    {"carriere", [](const J& j, int) { return int(j.getCarriere()); }},
    {"assermentation", [](const J& j, int) { return int(j.getAssermentation()); }},
    {"divination", [](const J& j, int) { return int(j.getDivination()); }}};

// Every enumerator's value by its name.
std::map<std::string, int> vocabulaire()
{
    std::map<std::string, int> v;
    std::istringstream petites("CC CT F E AG INT PER FM SOC\nINAPTE ACQUISE EXPERT MAITRE\nBASE AVANCEE\n"
                               "MINEUR BIOMANCIE DIVINATION PYROMANCIE TELEKINESIE TELEPATHIE\n");
    for (std::string ligne; std::getline(petites, ligne);) {
        std::istringstream noms(ligne);
        int i = 0;
        for (std::string nom; noms >> nom;) {
            v[nom] = i++;
        }
    }
    std::map<std::string, int> rangs;
    std::istringstream lignes(lireFichier(VESPERINE_CATALOGUES));
    for (std::string ligne; std::getline(lignes, ligne);) {
        const std::size_t a = ligne.find('|');
        const std::size_t b = ligne.find('|', a + 1);
        EXPECT_TRUE(v.emplace(ligne.substr(a + 1, b - a - 1), rangs[ligne.substr(0, a)]++).second) << ligne;
    }
    return v;
}

// The words of a line after its verb, as values: enumerators' names or numbers.
std::vector<int> valeurs(std::istringstream& mots, const std::map<std::string, int>& noms)
{
    std::vector<int> v;
    for (std::string mot; mots >> mot;) {
        const auto nom = noms.find(mot);
        const bool nombre = mot.find_first_not_of("-0123456789") == std::string::npos;
        v.push_back(nom != noms.end() ? nom->second : nombre ? std::stoi(mot) : -9999);
    }
    return v;
}

// "= quoi valeurs...": what the player holds now against what is written.
void verifier(const J& j, const std::string& quoi, std::vector<int> attendu)
{
    std::vector<int> tenu;
    if (quoi == "caracs") {
        for (int k = CC; k <= SOC; ++k) {
            tenu.push_back(static_cast<int>(j.getCaracteristique(caracteristique(k))));
        }
    } else if (quoi == "derives") {
        tenu = j.derives();
    } else if (quoi == "etat") {
        tenu = {int(j.etat.getBlessureActuelle()), int(j.etat.getBlessureMaximum()), int(j.etat.getDestin()),
                int(j.etat.getFortune()),          int(j.etat.getDegatCritique()),   int(j.etat.getArgent())};
    } else if (quoi == "talents" || quoi == "formees") {
        // Talents held, or skills worth more than 20 (trained, when the characteristics are 40).
        const bool talents = quoi == "talents";
        for (int i = 0; i < (talents ? NB_TALENTS : NB_COMPETENCES); ++i) {
            if (talents ? j.getTalent(talent(i)) != SANS_TALENT : j.getCompetence(skill(i)) > 20) {
                tenu.push_back(i);
            }
        }
        std::sort(attendu.begin(), attendu.end());
    } else if (LECTURES.count(quoi) != 0 && attendu.size() == 1) {
        tenu.push_back(LECTURES.at(quoi)(j, 0));
    } else if (LECTURES.count(quoi) != 0) {
        std::vector<int> paires;
        paires.swap(attendu);
        for (std::size_t i = 0; i + 1 < paires.size(); i += 2) {
            tenu.push_back(LECTURES.at(quoi)(j, paires[i]));
            attendu.push_back(paires[i + 1]);
        }
    } else {
        ADD_FAILURE() << "nothing to check named " << quoi;
    }
    EXPECT_EQ(tenu, attendu) << quoi;
}

}  // namespace

TEST(Regles, CasDeTestsRegles)
{
    const std::map<std::string, int> noms = vocabulaire();
    std::istringstream lignes(lireFichier(VESPERINE_REGLES));
    auto j = std::make_unique<J>();
    int numero = 0;
    for (std::string ligne; std::getline(lignes, ligne);) {
        ++numero;
        SCOPED_TRACE("tests/regles.txt:" + std::to_string(numero) + ": " + ligne);
        std::istringstream mots(ligne);
        std::string verbe;
        if (ligne.empty()) {
            j = std::make_unique<J>();  // a fresh player for the next case
        } else if (ligne[0] == '#') {
            continue;
        } else if (mots >> verbe && verbe == "=") {
            std::string quoi;
            mots >> quoi;
            verifier(*j, quoi, valeurs(mots, noms));
        } else if (OPERATIONS.count(verbe) == 0) {
            ADD_FAILURE() << "unknown operation " << verbe;
        } else {
            // "pouvoir P M -> 1" also checks what the call answers.
            const std::size_t fleche = ligne.find(" -> ");
            std::istringstream arguments(ligne.substr(verbe.size(), fleche - verbe.size()));
            std::vector<int> v = valeurs(arguments, noms);
            v.resize(2);
            const int reponse = OPERATIONS.at(verbe)(*j, v[0], v[1]);
            if (fleche != std::string::npos) {
                std::istringstream attendue(ligne.substr(fleche + 4));
                EXPECT_EQ(std::vector<int>{reponse}, valeurs(attendue, noms));
            }
        }
    }
}
