#include "signaux_retenus.h"

#include <initializer_list>

SignauxRetenus::SignauxRetenus()
{
    sigset_t retenus;
    sigemptyset(&retenus);
    for (const int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaddset(&retenus, s);
    }
    sigprocmask(SIG_BLOCK, &retenus, &masqueAvant);
    sigprocmask(SIG_SETMASK, nullptr, &masqueRetenu);
    struct sigaction ignorer = {};
    ignorer.sa_handler = SIG_IGN;  // NOLINT(cppcoreguidelines-pro-type-union-access)
    sigemptyset(&ignorer.sa_mask);
    sigaction(SIGXFSZ, &ignorer, &tailleAvant);
}

SignauxRetenus::~SignauxRetenus()
{
    sigaction(SIGXFSZ, &tailleAvant, nullptr);
    sigprocmask(SIG_SETMASK, &masqueAvant, nullptr);
}

SignauxRetenus::Lacher::Lacher(const SignauxRetenus& s) : signaux(s)
{
    sigprocmask(SIG_SETMASK, &s.masqueAvant, nullptr);
}

SignauxRetenus::Lacher::~Lacher() { sigprocmask(SIG_SETMASK, &signaux.masqueRetenu, nullptr); }
