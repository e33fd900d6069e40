#ifndef VESPERINE_DES_H
#define VESPERINE_DES_H

#include <ctime>

// Where the dice take their wait, their clock and their draws. The program uses
// the real one; tests put in their own, with fixed draws and no waiting.
class SourceDes {
public:
    virtual ~SourceDes() = default;
    virtual void attendreUneSeconde() = 0;
    virtual std::time_t heure() = 0;
    virtual void semer(unsigned int graine) = 0;
    // The generator's next value, brought into 0 to 32767.
    virtual int tirer() = 0;
};

// The real clock, a real one-second wait and the C library's rand/srand.
SourceDes& sourceReelle();

// A source that never waits and draws the same value every time (0 to 32767).
class SourceFixe : public SourceDes {
public:
    explicit SourceFixe(int tirage) : valeur(tirage) {}
    void attendreUneSeconde() override {}
    std::time_t heure() override { return 0; }
    void semer(unsigned int) override {}
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

// One throw of a die: waits one second, reseeds the generator from the clock and
// keeps the twentieth draw.
int D5();
int D10();
int D100();

#endif
