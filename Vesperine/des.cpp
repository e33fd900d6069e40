#include "des.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

class SourceReelle : public SourceDes {
public:
    void attendreUneSeconde() override { std::this_thread::sleep_for(std::chrono::seconds(1)); }
    std::time_t heure() override { return std::time(nullptr); }
    void semer(unsigned int graine) override { std::srand(graine); }
    int tirer() override
    {
        // The faces are computed for a generator of 0 to 32767; this C library's
        // reaches further, so each draw is scaled down into that range.
        const long long r = std::rand();
        return static_cast<int>(r * 32768 / (static_cast<long long>(RAND_MAX) + 1));
    }
};

SourceDes* sourceCourante = nullptr;

constexpr int TIRAGES_PAR_JET = 20;

}  // namespace

int SourceDes::jeter(int faces)
{
    attendreUneSeconde();  // so that two dice in a row never share a seed
    semer(static_cast<unsigned int>(heure()));
    const int plusBasse = 1;
    const int plusHaute = faces;
    const int nombreFaces = plusHaute - plusBasse + 1;
    int face = plusBasse;
    for (int i = 0; i < TIRAGES_PAR_JET; ++i) {
        int r = tirer();
        if (r < 0 || r > 32767) {
            r = 0;  // a faulty source must not throw a face outside the die
        }
        face = static_cast<int>(static_cast<double>(r * nombreFaces) / 32768.0) + plusBasse;
    }
    return face;
}

SourceDes& sourceReelle()
{
    static SourceReelle reelle;
    return reelle;
}

void utiliserSourceDes(SourceDes& s) { sourceCourante = &s; }

SourceDes& sourceDesCourante() { return sourceCourante != nullptr ? *sourceCourante : sourceReelle(); }

int D5() { return sourceDesCourante().jeter(5); }
int D10() { return sourceDesCourante().jeter(10); }
int D100() { return sourceDesCourante().jeter(100); }
