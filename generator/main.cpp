#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "processus.h"
#include "programme.h"
#include "stockage.h"

namespace {

// The process around the program (see preparerProcessus) and the standard
// streams; then the program itself on the terminal, the current directory and
// the real files.
int lancer(int argc, char* argv[])
{
    // The streams buffer on their own: a word of a gigabyte is read in seconds, not
    // one C library call per byte.
    std::ios::sync_with_stdio(false);
    preparerProcessus();
    const std::vector<std::string> arguments = argumentsDuProcessus(argc, argv);
    std::vector<const char*> mots;
    mots.reserve(arguments.size());
    for (const std::string& argument : arguments) {
        mots.push_back(argument.c_str());
    }
    return programme(static_cast<int>(mots.size()), mots.data(), std::cin, std::cout, std::cerr, stockageReel());
}

}  // namespace

// No exception leaves the program: one that nothing else caught (memory
// exhausted, a library failure) ends it with a French message and status 1.
// A save under way has taken its sheet back by then.
int main(int argc, char* argv[])
{
    const char* const FIN = " ; création interrompue, aucune fiche enregistrée.";
    try {
        return lancer(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "vesperine : mémoire insuffisante" << FIN << std::endl;
    } catch (const std::exception& e) {
        std::cerr << "vesperine : erreur inattendue (" << e.what() << ")" << FIN << std::endl;
    } catch (...) {
        std::cerr << "vesperine : erreur inattendue" << FIN << std::endl;
    }
    return 1;
}
