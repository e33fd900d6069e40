#include "definition.h"

std::string getCaracteristiqueLabel(caracteristique k)
{
    static const char* const labels[NB_CARACTERISTIQUES] = {"CC", "CT", "F", "E", "Ag", "Int", "Per", "FM", "Soc"};
    return dansIntervalle(k, NB_CARACTERISTIQUES) ? labels[k] : "";
}

std::string getDomaineNom(domaine d)
{
    static const char* const noms[NB_DOMAINES] = {"Mineur",     "Biomancie",   "Divination",
                                                  "Pyromancie", "Telekinesie", "Telepathie"};
    return dansIntervalle(d, NB_DOMAINES) ? noms[d] : "";
}
