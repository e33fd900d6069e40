// The dice: faces from fixed draws, the twentieth draw kept, one wait and one
// clock seed per die, and every face within the die. No test sleeps.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "des.h"
#include "des_scriptes.h"

namespace {

// A source whose draw depends on its rank after the last seed (1 for the first),
// with a clock that advances one second on every wait, and a log of what it is asked.
class SourceJournal : public SourceDes {
public:
    explicit SourceJournal(std::function<int(int)> f) : tirage(std::move(f)) {}
    void attendreUneSeconde() override
    {
        ++horloge;
        journal.push_back("attente");
    }
    std::time_t heure() override { return horloge; }
    void semer(unsigned int graine) override
    {
        graines.push_back(graine);
        rang = 0;
        journal.push_back("graine");
    }
    int tirer() override
    {
        journal.push_back("tirage");
        return tirage(++rang);
    }

    std::vector<std::string> journal;
    std::vector<unsigned int> graines;

private:
    std::function<int(int)> tirage;
    std::time_t horloge = 5000;
    int rang = 0;
};

int lancer(int faces) { return faces == 5 ? D5() : faces == 10 ? D10() : D100(); }

}  // namespace

TEST(Des, FacesDesTiragesFixes)
{
    // A draw, then the faces it gives on D5, D10 and D100.
    const std::pair<int, std::array<int, 3>> cas[] = {{16384, {3, 6, 51}}, {0, {1, 1, 1}},     {32767, {5, 10, 100}},
                                                      {3276, {1, 1, 10}},  {3277, {1, 2, 11}}, {6554, {2, 3, 21}}};
    for (const auto& [r, faces] : cas) {
        SourceFixe fixe(r);
        SourceDesTemporaire garde(fixe);
        EXPECT_EQ(D5(), faces[0]) << r;
        EXPECT_EQ(D10(), faces[1]) << r;
        EXPECT_EQ(D100(), faces[2]) << r;
    }
}

TEST(Des, LaVingtiemeTireeEstGardee)
{
    SourceJournal seule([](int rang) { return rang == 20 ? 32767 : 0; });
    {
        SourceDesTemporaire garde(seule);
        EXPECT_EQ(D10(), 10);
    }
    SourceJournal sauf([](int rang) { return rang == 20 ? 0 : 32767; });
    {
        SourceDesTemporaire garde(sauf);
        EXPECT_EQ(D5(), 1);
    }
    // Every rank gives its own face on a D100: 19th 87, 20th 92, 21st 97.
    SourceJournal parRang([](int rang) { return rang <= 21 ? rang * 1500 : 0; });
    SourceDesTemporaire garde(parRang);
    EXPECT_EQ(D100(), 92);
    EXPECT_EQ(D10(), 10);
}

TEST(Des, UneAttenteEtUneGraineParDe)
{
    SourceJournal source([](int) { return 16384; });
    SourceDesTemporaire garde(source);
    EXPECT_EQ(D10(), 6);
    std::vector<std::string> attendu = {"attente", "graine"};
    attendu.insert(attendu.end(), 20, "tirage");
    EXPECT_EQ(source.journal, attendu);
    EXPECT_EQ(source.graines, std::vector<unsigned int>{5001});

    EXPECT_EQ(D5(), 3);
    EXPECT_EQ(D100(), 51);
    // Each die read the clock after its own wait: three different seeds.
    EXPECT_EQ(source.graines, (std::vector<unsigned int>{5001, 5002, 5003}));
    EXPECT_EQ(source.journal.size(), 3 * 22u);
}

// Over every draw from 0 to 32767 each die shows each of its faces, in order,
// as often as another to within one.
TEST(Des, ToutesLesTireesDonnentUneFaceDuDe)
{
    for (int n : {5, 10, 100}) {
        std::map<int, int> compte;
        int precedente = 1;
        for (int r = 0; r <= 32767; ++r) {
            SourceFixe fixe(r);
            SourceDesTemporaire garde(fixe);
            const int face = lancer(n);
            ASSERT_GE(face, 1) << n << " " << r;
            ASSERT_LE(face, n) << n << " " << r;
            ASSERT_GE(face, precedente) << n << " " << r;
            precedente = face;
            ++compte[face];
        }
        ASSERT_EQ(compte.size(), static_cast<std::size_t>(n));
        for (const auto& [face, fois] : compte) {
            EXPECT_TRUE(fois == 32768 / n || fois == 32768 / n + 1) << n << ": " << face << " x" << fois;
        }
    }
}
