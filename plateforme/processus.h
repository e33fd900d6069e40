#ifndef PLATEFORME_PROCESSUS_H
#define PLATEFORME_PROCESSUS_H

#include <string>
#include <vector>

// Sets up the process before the program runs, once, from main: the system's
// language for the few texts the program takes from it, the signals, and the
// standard streams (a closed one stays closed to the program's own files).
// On Windows a standard stream that is a console is read and written as UTF-16.
// REQUIRES: called after std::ios::sync_with_stdio, which gives the streams new buffers.
void preparerProcessus();

// The command line, argv[0] first, each argument in UTF-8: argv itself on POSIX
// systems; on Windows the wide command line, which carries every character
// whatever the code page (argv has them in the ANSI one).
std::vector<std::string> argumentsDuProcessus(int argc, char* argv[]);

#endif
