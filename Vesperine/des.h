#ifndef VESPERINE_DES_H
#define VESPERINE_DES_H

#include <ctime>

// Where the dice take their faces. A throw is, by default, the game's formula on
// four steps of the source: a wait, the clock, a seed and draws. The real source
// (sourceReelle) and the fixed and seeded ones keep the formula and give their
// draws, and the steps they need (by default no wait, a clock at 0 and no seed);
// a source for tests may replace the whole throw and give faces.
class SourceDes {
public:
    virtual ~SourceDes() = default;
    // One throw of a die of `faces` faces, 1 to `faces`: waits one second, seeds
    // the generator from the clock and keeps the twentieth draw (a draw outside 0
    // to 32767 counts as 0), scaled to the die as a 0 to 32767 generator's draw.
    // REQUIRES: faces >= 1.
    virtual int jeter(int faces);

    virtual void attendreUneSeconde() {}
    virtual std::time_t heure() { return 0; }
    virtual void semer(unsigned int) {}
    // The generator's next value, brought into 0 to 32767.
    virtual int tirer() = 0;
};

// The real clock, a real one-second wait and the C library's rand/srand.
SourceDes& sourceReelle();

// A source that never waits and draws the same value every time (0 to 32767).
class SourceFixe : public SourceDes {
public:
    explicit SourceFixe(int tirage) : valeur(tirage) {}
    int tirer() override { return valeur; }

private:
    int valeur;
};

// Replaces the source of every later throw; sourceReelle() puts the real one back.
// REQUIRES: `source` outlives its use; SourceDesTemporaire sees to that.
void utiliserSourceDes(SourceDes& source);

// The source of the next throw: the real one until another is installed.
SourceDes& sourceDesCourante();

// Installs a source for the guard's lifetime, then puts back the one that was
// there before (the real one, or an outer guard's). Tests, the benchmark and the
// fuzz target install their dice with it.
class SourceDesTemporaire {
public:
    explicit SourceDesTemporaire(SourceDes& source) : precedente(sourceDesCourante()) { utiliserSourceDes(source); }
    ~SourceDesTemporaire() { utiliserSourceDes(precedente); }
    SourceDesTemporaire(const SourceDesTemporaire&) = delete;
    SourceDesTemporaire& operator=(const SourceDesTemporaire&) = delete;

private:
    SourceDes& precedente;
};

// One throw of a die of the current source (SourceDes::jeter).
int D5();
int D10();
int D100();

#endif
