// On Windows the drawing is linked into the program: one executable, no module
// to look for or to load, and the whole program is under 2 MB.
#include "chargement_dessin.h"

DessinFiches chargerDessin(const std::string& /*signature*/, std::string& /*raison*/) { return dessinerFiches; }

DessinFiches chargerModuleDessin(const std::string& /*chemin*/, const std::string& /*signature*/, std::string& raison)
{
    raison = "pas de module de dessin sous Windows : le dessin est dans le programme";
    return nullptr;
}
