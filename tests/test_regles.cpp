// The rules of the character sheet and the player that no dialogue shows, as
// data: tests/regles.txt holds cases worked out by hand, each a few operations on
// a fresh player character and what must then hold. The file's head says how it
// reads. Names are the enumerators', taken from tests/catalogues.txt for the keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

#include "joueur.h"
#include "outils.h"

namespace {

// Opens what the sheet keeps protected.
struct JoueurOuvert : Joueur {
    using Personnage::Initialize;
    std::vector<int> derives() const
    {
        return {static_cast<int>(demi_deplacement), static_cast<int>(deplacement_complet),
                static_cast<int>(charge),           static_cast<int>(course),
                static_cast<int>(initiative),       static_cast<int>(fatigue_totale)};
    }
};

// Every enumerator's value by its name.
std::map<std::string, int> vocabulaire()
{
    std::map<std::string, int> v;
    const std::vector<std::vector<std::string>> petites = {
        {"CC", "CT", "F", "E", "AG", "INT", "PER", "FM", "SOC"},
        {"INAPTE", "ACQUISE", "EXPERT", "MAITRE"},
        {"BASE", "AVANCEE"},
        {"MINEUR", "BIOMANCIE", "DIVINATION", "PYROMANCIE", "TELEKINESIE", "TELEPATHIE"}};
    for (const auto& noms : petites) {
        for (std::size_t i = 0; i < noms.size(); ++i) {
            v[noms[i]] = static_cast<int>(i);
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

class Cas {
public:
    explicit Cas(const std::map<std::string, int>& v) : noms(v) {}

    // Carries out one line: an operation, or after "=" a check.
    void ligne(std::istringstream& mots)
    {
        std::string verbe;
        mots >> verbe;
        if (verbe == "=") {
            verifier(mots);
            return;
        }
        const int a = lire(mots);
        int resultat = 0;
        if (verbe == "carac") {
            j.setCaracteristique(caracteristique(a), static_cast<unsigned>(lire(mots)));
        } else if (verbe == "maitrise") {
            j.setCompetence(skill(a), maitrise(lire(mots)));
        } else if (verbe == "type") {
            j.setCompetence(skill(a), skillType(lire(mots)));
        } else if (verbe == "modif") {
            j.modifCompetence(skill(a), lire(mots));
        } else if (verbe == "talent") {
            j.setTalent(talent(a), talent_multiple(lire(mots)));
        } else if (verbe == "psy") {
            j.setPsyker(domaine(a), lire(mots) != 0);
        } else if (verbe == "pouvoir") {
            resultat = j.setPouvoir(pouvoir(a), maitrise(lire(mots)));
        } else if (verbe == "monde") {
            j.setMonde(monde(a));
        } else if (verbe == "carriere") {
            j.setCarriere(a);
        } else if (verbe == "assermentation") {
            j.setAssermentation(assermentation(a));
        } else if (verbe == "divination") {
            j.setDivination(divination(a));
        } else if (verbe == "folie") {
            j.setFolie(static_cast<unsigned>(a));
        } else if (verbe == "argent") {
            j.etat.setArgent(static_cast<unsigned>(a));
        } else if (verbe == "initialize") {
            j.Initialize();
        } else if (verbe == "initiative") {
            j.UpdateInitiative();
        } else {
            ADD_FAILURE() << "unknown operation " << verbe;
        }
        std::string fleche;
        if (mots >> fleche) {
            EXPECT_EQ(fleche, "->");
            EXPECT_EQ(resultat, lire(mots));
        }
    }

private:
    // The next word as a value: an enumerator's name, or a number.
    int lire(std::istringstream& mots)
    {
        std::string mot;
        mots >> mot;
        const auto nom = noms.find(mot);
        if (nom != noms.end()) {
            return nom->second;
        }
        return mot.find_first_not_of("-0123456789") == std::string::npos && !mot.empty() ? std::stoi(mot) : -9999;
    }

    std::vector<int> suite(std::istringstream& mots)
    {
        std::vector<int> v;
        while (mots >> std::ws && !mots.eof()) {
            v.push_back(lire(mots));
        }
        return v;
    }

    // "= quoi valeurs...": what the player holds now. Keyed checks take pairs
    // ("= competence ACROBATIE 0 ESQUIVE 10"); the others take their values.
    void verifier(std::istringstream& mots)
    {
        std::string quoi;
        mots >> quoi;
        std::vector<int> attendu = suite(mots);
        std::vector<int> tenu;
        if (quoi == "caracs") {
            for (int k = CC; k <= SOC; ++k) {
                tenu.push_back(static_cast<int>(j.getCaracteristique(caracteristique(k))));
            }
        } else if (quoi == "derives") {
            tenu = j.derives();
        } else if (quoi == "talents" || quoi == "formees") {
            // Talents held, or skills worth more than 20 (trained, when the characteristics are 40).
            const bool talents = quoi == "talents";
            for (int i = 0; i < (talents ? NB_TALENTS : NB_COMPETENCES); ++i) {
                if (talents ? j.getTalent(talent(i)) != SANS_TALENT : j.getCompetence(skill(i)) > 20) {
                    tenu.push_back(i);
                }
            }
            std::sort(attendu.begin(), attendu.end());
        } else if (quoi == "competence" || quoi == "pouvoir" || quoi == "talent" || quoi == "psy" || quoi == "carac") {
            std::vector<int> valeurs;
            for (std::size_t i = 0; i + 1 < attendu.size(); i += 2) {
                tenu.push_back(valeur(quoi, attendu[i]));
                valeurs.push_back(attendu[i + 1]);
            }
            attendu = valeurs;
        } else {
            tenu.push_back(valeur(quoi, 0));
        }
        EXPECT_EQ(tenu, attendu) << quoi;
    }

    int valeur(const std::string& quoi, int cle) const
    {
        if (quoi == "competence") {
            return j.getCompetence(skill(cle));
        }
        if (quoi == "pouvoir") {
            return j.getPouvoir(pouvoir(cle));
        }
        if (quoi == "talent") {
            return j.getTalent(talent(cle));
        }
        if (quoi == "psy") {
            return j.getPsyker(domaine(cle)) ? 1 : 0;
        }
        if (quoi == "carac") {
            return static_cast<int>(j.getCaracteristique(caracteristique(cle)));
        }
        const std::map<std::string, int> seules = {{"folie", static_cast<int>(j.getFolie())},
                                                   {"corruption", static_cast<int>(j.getCorruption())},
                                                   {"experience", static_cast<int>(j.getExperience())},
                                                   {"argent", static_cast<int>(j.etat.getArgent())},
                                                   {"monde", j.getMonde()},
                                                   {"carriere", j.getCarriere()},
                                                   {"assermentation", j.getAssermentation()},
                                                   {"divination", j.getDivination()}};
        const auto v = seules.find(quoi);
        return v != seules.end() ? v->second : -9999;
    }

    const std::map<std::string, int>& noms;
    JoueurOuvert j;
};

}  // namespace

TEST(Regles, CasDeTestsRegles)
{
    const std::map<std::string, int> noms = vocabulaire();
    std::istringstream lignes(lireFichier(VESPERINE_REGLES));
    std::unique_ptr<Cas> cas = std::make_unique<Cas>(noms);
    int numero = 0;
    for (std::string ligne; std::getline(lignes, ligne);) {
        ++numero;
        if (ligne.empty()) {
            cas = std::make_unique<Cas>(noms);  // a fresh player for the next case
        } else if (ligne[0] != '#') {
            SCOPED_TRACE("tests/regles.txt:" + std::to_string(numero) + ": " + ligne);
            std::istringstream mots(ligne);
            cas->ligne(mots);
        }
    }
}
