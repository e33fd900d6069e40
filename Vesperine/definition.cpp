#include "definition.h"

#include <iterator>

#include "encodage.h"
#include "table.h"

namespace {

const char* const LABELS_CARACTERISTIQUES[] = {"CC", "CT", "F", "E", "Ag", "Int", "Per", "FM", "Soc"};
static_assert(std::size(LABELS_CARACTERISTIQUES) == NB_CARACTERISTIQUES, "one label per characteristic");
const char* const NOMS_CARACTERISTIQUES[] = {"Capacité de combat", "Capacité de tir", "Force",
                                             "Endurance",          "Agilité",         "Intelligence",
                                             "Perception",         "Force mentale",   "Sociabilité"};
static_assert(std::size(NOMS_CARACTERISTIQUES) == NB_CARACTERISTIQUES, "one full name per characteristic");

const char* const NOMS_DOMAINES[] = {"Mineur", "Biomancie", "Divination", "Pyromancie", "Telekinesie", "Telepathie"};
static_assert(std::size(NOMS_DOMAINES) == NB_DOMAINES, "one name per discipline");

}  // namespace

std::string getCaracteristiqueLabel(caracteristique k) { return nomIndexe(LABELS_CARACTERISTIQUES, k, ""); }

std::string getCaracteristiqueNom(caracteristique k)
{
    return versWindows1252(nomIndexe(NOMS_CARACTERISTIQUES, k, ""));
}

std::string getDomaineNom(domaine d) { return nomIndexe(NOMS_DOMAINES, d, ""); }
