// What the game knows, checked whole against tests/catalogues.txt: one entry a
// line, each kind in enumerator order, worked out from the game's tables:
//   competence|KEY|name|characteristic|type
//   talent|KEY|name
//   pouvoir|KEY|name|discipline|threshold|action|range
//   monde, carriere, assermentation, divination|KEY|display name (the "none" value last)
// Everything is read through a player character, as the rest of the program sees it.
#include <gtest/gtest.h>

#include <functional>
#include <map>
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
    return versUtf8(p.getCompetenceNom(skill(s))) + "|" + (k >= 0 && k < 9 ? CARACS[k] : "?") + "|" + type;
}

std::string pouvoirDecrit(const Personnage& p, int q)
{
    const EntreePouvoir& e = CATALOGUE_POUVOIRS[q];
    const int d = p.getPouvoirDomaine(pouvoir(q));
    return versUtf8(p.getPouvoirNom(pouvoir(q))) + "|" + (d >= 0 && d < 6 ? DOMAINES[d] : "?") + "|" +
           std::to_string(e.seuil) + "|" + (e.focalisation < 3 ? ACTIONS[e.focalisation] : "?") + "|" +
           std::to_string(e.portee);
}

}  // namespace

TEST(Catalogues, ChaqueEntreeCommeDansLesTables)
{
    Joueur p;
    for (int k = CC; k <= SOC; ++k) {
        p.setCaracteristique(caracteristique(k), 40 + 2 * static_cast<unsigned>(k));
    }
    // Entries seen of each kind, and the display name of the n-th value of each named kind.
    std::map<std::string, int> vus;
    const std::map<std::string, std::function<std::string(int)>> noms = {
        {"talent", [&](int t) { return p.getTalentNom(talent(t)); }},
        {"monde", [&](int m) { return p.getMonde(monde(m)); }},
        {"carriere", [&](int c) { return p.getCarriere(carriere(c)); }},
        {"assermentation", [&](int a) { return p.getAssermentation(assermentation(a)); }},
        {"divination", [&](int d) { return p.getDivination(divination(d)); }}};
    std::istringstream lignes(lireFichier(VESPERINE_CATALOGUES));
    for (std::string ligne; std::getline(lignes, ligne);) {
        const std::vector<std::string> c = champs(ligne);
        ASSERT_GE(c.size(), 3u) << ligne;
        std::string attendu = c[2];
        for (std::size_t i = 3; i < c.size(); ++i) {
            attendu += "|" + c[i];
        }
        const int n = vus[c[0]]++;
        if (c[0] == "competence") {
            EXPECT_EQ(competence(p, n), attendu) << c[1];
        } else if (c[0] == "pouvoir") {
            EXPECT_EQ(pouvoirDecrit(p, n), attendu) << c[1];
        } else {
            ASSERT_EQ(noms.count(c[0]), 1u) << ligne;
            EXPECT_EQ(versUtf8(noms.at(c[0])(n)), attendu) << c[1];
        }
    }
    EXPECT_EQ(vus, (std::map<std::string, int>{{"assermentation", NB_ASSERMENTATIONS + 1},
                                               {"carriere", NB_CARRIERES + 1},
                                               {"competence", NB_COMPETENCES},
                                               {"divination", NB_DIVINATIONS + 1},
                                               {"monde", NB_MONDES + 1},
                                               {"pouvoir", NB_POUVOIRS},
                                               {"talent", NB_TALENTS}}));
    EXPECT_EQ(p.competences_liste.size() + p.talents_liste.size() + p.pouvoirs_liste.size(), 120u + 187u + 82u);
}
