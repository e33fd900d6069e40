#ifndef PLATEFORME_PROCESSUS_H
#define PLATEFORME_PROCESSUS_H

// Sets up the process before the program runs, once, from main: the system's
// language for the few texts the program takes from it, the signals, and the
// standard streams (a closed one stays closed to the program's own files).
void preparerProcessus();

#endif
