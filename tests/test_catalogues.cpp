// What the game knows, checked whole against tests/catalogues.txt: one entry a
// line, each kind in enumerator order, worked out from the game's tables:
//   competence|KEY|name|characteristic|type
//   talent|KEY|name
//   pouvoir|KEY|name|discipline|threshold|action|range
//   monde, carriere, assermentation, divination|KEY|display name (the "none" value last)
// Everything is read through a player character, as the rest of the program sees it.
// KEY is the enumerator's name, as tests/regles.txt uses it.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "catalogue.h"
#include "encodage.h"
#include "joueur.h"
#include "outils.h"

namespace {

std::vector<std::string> champs(const std::string& ligne)
{
    std::vector<std::string> c;
    std::istringstream in(ligne);
    for (std::string champ; std::getline(in, champ, '|');) {
        c.push_back(champ);
    }
    return c;
}

const char* const CARACS[] = {"CC", "CT", "F", "E", "AG", "INT", "PER", "FM", "SOC"};
const char* const DOMAINES[] = {"MINEUR", "BIOMANCIE", "DIVINATION", "PYROMANCIE", "TELEKINESIE", "TELEPATHIE"};
const char* const ACTIONS[] = {"DEMI_ACTION", "ACTION_COMPLETE", "REACTION"};

// With characteristic k at 40 + 2k, an untrained basic skill is worth 20 + k, an
// untrained advanced one 0, and a trained skill 40 + 2k: its type and characteristic.
std::string competence(Personnage& p, int s)
{
    const std::string type = p.getCompetence(skill(s)) == 0 ? "AVANCEE" : "BASE";
    p.setCompetence(skill(s), ACQUISE);
    const int k = (p.getCompetence(skill(s)) - 40) / 2;
    return p.getCompetenceNom(skill(s)) + "|" + (k >= 0 && k < 9 ? CARACS[k] : "?") + "|" + type;
}

std::string pouvoirDecrit(const Personnage& p, int q)
{
    const EntreePouvoir& e = CATALOGUE_POUVOIRS[q];
    const int d = p.getPouvoirDomaine(pouvoir(q));
    return p.getPouvoirNom(pouvoir(q)) + "|" + (d >= 0 && d < 6 ? DOMAINES[d] : "?") + "|" + std::to_string(e.seuil) +
           "|" + (e.focalisation < 3 ? ACTIONS[e.focalisation] : "?") + "|" + std::to_string(e.portee);
}

}  // namespace

TEST(Catalogues, ChaqueEntreeCommeDansLesTables)
{
    Joueur p;
    for (int k = CC; k <= SOC; ++k) {
        p.setCaracteristique(caracteristique(k), 40 + 2 * static_cast<unsigned>(k));
    }
    // How the n-th entry of each kind reads, in Windows-1252.
    const std::map<std::string, std::function<std::string(int)>> decrire = {
        {"competence", [&](int s) { return competence(p, s); }},
        {"pouvoir", [&](int q) { return pouvoirDecrit(p, q); }},
        {"talent", [&](int t) { return p.getTalentNom(talent(t)); }},
        {"monde", [&](int m) { return p.getMonde(monde(m)); }},
        {"carriere", [&](int c) { return p.getCarriere(carriere(c)); }},
        {"assermentation", [&](int a) { return p.getAssermentation(assermentation(a)); }},
        {"divination", [&](int d) { return p.getDivination(divination(d)); }}};
    std::map<std::string, int> vus;  // entries seen of each kind
    std::set<std::string> cles;
    std::istringstream lignes(lireFichier(VESPERINE_CATALOGUES));
    int numero = 0;
    for (std::string ligne; std::getline(lignes, ligne);) {
        ++numero;
        const std::vector<std::string> c = champs(ligne);
        if (c.size() < 3 || decrire.count(c[0]) == 0 || c[1].empty() ||
            c[1].find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") != std::string::npos ||
            !cles.insert(c[0] + "|" + c[1]).second) {
            incompris(VESPERINE_CATALOGUES, numero, ligne);
        }
        std::string attendu = c[2];
        for (std::size_t i = 3; i < c.size(); ++i) {
            attendu += "|" + c[i];
        }
        EXPECT_EQ(versUtf8(decrire.at(c[0])(vus[c[0]]++)), attendu) << "tests/catalogues.txt:" << numero;
    }
    EXPECT_EQ(vus, (std::map<std::string, int>{{"assermentation", NB_ASSERMENTATIONS + 1},
                                               {"carriere", NB_CARRIERES + 1},
                                               {"competence", NB_COMPETENCES},
                                               {"divination", NB_DIVINATIONS + 1},
                                               {"monde", NB_MONDES + 1},
                                               {"pouvoir", NB_POUVOIRS},
                                               {"talent", NB_TALENTS}}));
    EXPECT_EQ(p.competences_liste.size() + p.talents_liste.size() + p.pouvoirs_liste.size(),
              std::size_t{NB_COMPETENCES + NB_TALENTS + NB_POUVOIRS});
}
