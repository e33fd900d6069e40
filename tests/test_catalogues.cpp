// The three catalogues checked whole against tests/catalogues.txt, one entry a
// line in enumerator order, worked out from the game's tables:
//   competence|KEY|name|characteristic|type
//   talent|KEY|name
//   pouvoir|KEY|name|discipline|threshold|action|range
// Names and characteristics are read through a character sheet, as the rest of
// the program sees them.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "catalogue.h"
#include "encodage.h"
#include "outils.h"
#include "personnage.h"

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
    Personnage p;
    for (int k = CC; k <= SOC; ++k) {
        p.setCaracteristique(caracteristique(k), 40 + 2 * static_cast<unsigned>(k));
    }
    int vus[3] = {};
    std::istringstream lignes(lireFichier(VESPERINE_CATALOGUES));
    for (std::string ligne; std::getline(lignes, ligne);) {
        const std::vector<std::string> c = champs(ligne);
        ASSERT_GE(c.size(), 3u) << ligne;
        std::string attendu = c[2];
        for (std::size_t i = 3; i < c.size(); ++i) {
            attendu += "|" + c[i];
        }
        if (c[0] == "competence") {
            EXPECT_EQ(competence(p, vus[0]++), attendu) << c[1];
        } else if (c[0] == "talent") {
            EXPECT_EQ(versUtf8(p.getTalentNom(talent(vus[1]++))), attendu) << c[1];
        } else {
            EXPECT_EQ(pouvoirDecrit(p, vus[2]++), attendu) << c[1];
        }
    }
    EXPECT_EQ(vus[0], NB_COMPETENCES);
    EXPECT_EQ(vus[1], NB_TALENTS);
    EXPECT_EQ(vus[2], NB_POUVOIRS);
    EXPECT_EQ(p.competences_liste.size() + p.talents_liste.size() + p.pouvoirs_liste.size(), 120u + 187u + 82u);
}
