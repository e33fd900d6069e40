#include "chargement_dessin.h"

#include <climits>
#include <cstring>
#include <dlfcn.h>
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

}  // namespace

DessinFiches chargerModuleDessin(const std::string& chemin, std::string& raison)
{
    void* module = dlopen(chemin.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        const char* detail = dlerror();
        raison = "module d'impression « " + chemin + " » impossible à charger : " + (detail != nullptr ? detail : "");
        return nullptr;
    }
    // POSIX gives a function's address as a void*: copied, not cast.
    void* symbole = dlsym(module, POINT_ENTREE_DESSIN);
    if (symbole == nullptr) {
        raison = "le module d'impression « " + chemin + " » n'a pas de point d'entrée " + POINT_ENTREE_DESSIN;
        dlclose(module);
        return nullptr;
    }
    DessinFiches dessin = nullptr;
    static_assert(sizeof dessin == sizeof symbole, "a function's address fits in a void*");
    std::memcpy(static_cast<void*>(&dessin), static_cast<const void*>(&symbole), sizeof dessin);
    return dessin;
}

DessinFiches chargerDessin(std::string& raison)
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
        if (access(candidat.c_str(), F_OK) == 0) {
            charge = chargerModuleDessin(candidat, raison);
            return charge;
        }
    }
    raison = "module d'impression introuvable : ni « " + dossier + "/" + FICHIER_MODULE + " » ni « " + dossier +
             "/" VESPERINE_MODULE_INSTALLE "/" + FICHIER_MODULE + " » (installation incomplète ?)";
    return nullptr;
}
