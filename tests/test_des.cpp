// The dice's formula: faces from fixed draws, the twentieth draw kept, one wait
// and one clock seed per die; a draw outside 0 to 32767 counts as 0. No test
// sleeps. The seeded generator of --graine is the graine_* transcripts'.
#include <gtest/gtest.h>

#include <vector>

#include "des.h"

namespace {

using V = std::vector<int>;

// Draws 32767 only at the twentieth draw after a seed, 0 otherwise; a wait
// advances its clock (from 1000) one second, and it keeps the seeds.
class VingtiemeSeule : public SourceDes {
public:
    void attendreUneSeconde() override { ++secondes; }
    std::time_t heure() override { return secondes; }
    void semer(unsigned int graine) override
    {
        graines.push_back(graine);
        rang = 0;
    }
    int tirer() override { return ++rang == 20 ? 32767 : 0; }
    std::vector<unsigned int> graines;

private:
    std::time_t secondes = 1000;
    int rang = 0;
};

}  // namespace

TEST(Des, FacesDesTiragesFixes)
{
    // A draw, then the faces it gives on D5, D10 and D100; a faulty source shows 1.
    const std::pair<int, V> cas[] = {{16384, {3, 6, 51}}, {0, {1, 1, 1}},     {32767, {5, 10, 100}},
                                     {3276, {1, 1, 10}},  {3277, {1, 2, 11}}, {6554, {2, 3, 21}},
                                     {-1, {1, 1, 1}},     {32768, {1, 1, 1}}};
    for (const auto& [r, faces] : cas) {
        SourceFixe fixe(r);
        SourceDesTemporaire garde(fixe);
        EXPECT_EQ((V{D5(), D10(), D100()}), faces) << r;
    }
}

// One more draw or one fewer would show 1; each die reads the clock after its own wait.
TEST(Des, VingtiemeTirageApresUneAttenteEtUneGraine)
{
    VingtiemeSeule source;
    SourceDesTemporaire garde(source);
    EXPECT_EQ((V{D10(), D5(), D100()}), (V{10, 5, 100}));
    EXPECT_EQ(source.graines, (std::vector<unsigned int>{1001, 1002, 1003}));
}
