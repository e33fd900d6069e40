#ifndef PLATEFORME_POSIX_SIGNAUX_RETENUS_H
#define PLATEFORME_POSIX_SIGNAUX_RETENUS_H

#include <csignal>

// For its lifetime: the termination signals (SIGINT, SIGTERM, SIGHUP, SIGQUIT)
// wait, and SIGXFSZ is ignored so that a write past the file-size limit fails
// with EFBIG. Both are put back as they were on leaving, which delivers a
// signal that came meanwhile. Held around the writing of a file, so that it
// ends whole or is taken back.
class SignauxRetenus {
public:
    SignauxRetenus();
    ~SignauxRetenus();
    SignauxRetenus(const SignauxRetenus&) = delete;
    SignauxRetenus& operator=(const SignauxRetenus&) = delete;

    // For its lifetime the signals are let through again, as they were before;
    // for a wait during which nothing is written yet.
    class Lacher {
    public:
        explicit Lacher(const SignauxRetenus& s);
        ~Lacher();
        Lacher(const Lacher&) = delete;
        Lacher& operator=(const Lacher&) = delete;

    private:
        const SignauxRetenus& signaux;
    };

private:
    sigset_t masqueAvant = {};
    sigset_t masqueRetenu = {};
    struct sigaction tailleAvant = {};
};

#endif
