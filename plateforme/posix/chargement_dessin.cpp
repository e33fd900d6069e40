#include "chargement_dessin.h"

#include <climits>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef VESPERINE_MODULE_INSTALLE
#error "VESPERINE_MODULE_INSTALLE must name the module's directory relative to the executable's"
#endif

namespace {

const char* const FICHIER_MODULE = "vesperine-pdf.so";

// The directory of the running executable, or an empty string.
std::string dossierExecutable()
{
    char chemin[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", chemin, sizeof chemin);
    if (n <= 0 || static_cast<std::size_t>(n) == sizeof chemin) {
        return {};
    }
    const std::string executable(chemin, static_cast<std::size_t>(n));
    return executable.substr(0, executable.rfind('/'));
}

// The address of the symbol `nom` of `module`, as a function pointer of type T.
template <typename T> T symbole(void* module, const char* nom)
{
    // POSIX gives a function's address as a void*: copied, not cast.
    void* adresse = dlsym(module, nom);
    T fonction = nullptr;
    static_assert(sizeof fonction == sizeof adresse, "a function's address fits in a void*");
    std::memcpy(static_cast<void*>(&fonction), static_cast<const void*>(&adresse), sizeof fonction);
    return fonction;
}

}  // namespace

DessinFiches chargerModuleDessin(const std::string& chemin, const std::string& signature, std::string& raison)
{
    const std::string module = "module d'impression « " + chemin + " »";
    struct stat vu = {};
    if (stat(chemin.c_str(), &vu) != 0 || !S_ISREG(vu.st_mode)) {
        // A FIFO would hang the loader, a directory would not load.
        raison = module + " : ce n'est pas un fichier ordinaire";
        return nullptr;
    }
    void* charge = dlopen(chemin.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (charge == nullptr) {
        // dlerror's text is the system's, in English: the program words it itself.
        raison = module + " impossible à charger : ce n'est pas un module de ce programme, ou une bibliothèque "
                          "qu'il demande manque";
        return nullptr;
    }
    const auto version = symbole<SignatureDessin>(charge, POINT_SIGNATURE_DESSIN);
    const auto dessin = symbole<DessinFiches>(charge, POINT_ENTREE_DESSIN);
    if (version == nullptr || dessin == nullptr || signature != version()) {
        raison = module + " : il vient d'une autre version du programme (" +
                 (version == nullptr ? std::string("inconnue") : std::string(version())) + ", et non " + signature +
                 ") ; réinstallez vesperine";
        dlclose(charge);
        return nullptr;
    }
    return dessin;
}

DessinFiches chargerDessin(const std::string& signature, std::string& raison)
{
    static DessinFiches charge = nullptr;
    if (charge != nullptr) {
        return charge;
    }
    const std::string dossier = dossierExecutable();
    if (dossier.empty()) {
        raison = "module d'impression introuvable : le dossier du programme est inconnu";
        return nullptr;
    }
    for (const std::string& candidat :
         {dossier + "/" + FICHIER_MODULE, dossier + "/" VESPERINE_MODULE_INSTALLE "/" + FICHIER_MODULE}) {
        struct stat vu = {};
        if (lstat(candidat.c_str(), &vu) == 0) {
            charge = chargerModuleDessin(candidat, signature, raison);
            return charge;
        }
    }
    raison = "module d'impression introuvable : ni « " + dossier + "/" + FICHIER_MODULE + " » ni « " + dossier +
             "/" VESPERINE_MODULE_INSTALLE "/" + FICHIER_MODULE + " » (installation incomplète ?)";
    return nullptr;
}
