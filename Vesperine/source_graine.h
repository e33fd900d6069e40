#ifndef VESPERINE_SOURCE_GRAINE_H
#define VESPERINE_SOURCE_GRAINE_H

#include <cstdint>
#include <ctime>
#include <random>

#include "des.h"

// Dice that never wait and draw from one generator seeded once: the same seed
// gives the same throws on every machine and with every compiler, since both the
// generator (a 32-bit Mersenne Twister) and the way a draw is taken from it are
// fixed here, unlike rand() or the standard's distributions.
class SourceGraine : public SourceDes {
public:
    explicit SourceGraine(std::uint32_t graine) : generateur(graine) {}
    void attendreUneSeconde() override {}
    std::time_t heure() override { return 0; }
    // The clock seed of each die is ignored: the generator is seeded only once.
    void semer(unsigned int) override {}
    // The generator's next value shifted right by 17 bits: 0 to 32767.
    int tirer() override;

private:
    std::mt19937 generateur;
};

#endif
