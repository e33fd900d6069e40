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
