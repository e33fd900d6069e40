#include <algorithm>
#include <iterator>

#include "catalogue.h"

// The four homeworlds, in `monde` order.
constexpr EntreeMonde CATALOGUE_MONDES[] = {
    {HORS_MONDE, {{F, -5}, {FM, +5}}, {ORIENTATION_STELLAIRE, PILOTAGE_VAISSEAUX_SPATIAUX}, {}},
    {MONDE_IMPERIAL,
     {{FM, +3}},
     {ALPHABETISATION, LANGUE_HAUT_GOTHIQUE, GENERAL_CREDO_IMPERIAL, GENERAL_GUERRE, GENERAL_IMPERIUM},
     {}},
    {MONDE_RUCHE, {{E, -5}, {AG, +5}}, {}, {}},
    {MONDE_SAUVAGE,
     {{F, +5}, {E, +5}, {FM, -5}, {SOC, -5}},
     {ORIENTATION_SURFACE, PISTAGE, SURVIE},
     {{TECHNOMAITRISE, -10}, {RESISTANCE_AUX_INTOXICATIONS, +10}}},
};
static_assert(std::size(CATALOGUE_MONDES) == NB_MONDES, "one row per enumerator");
static_assert(clesEnOrdre(CATALOGUE_MONDES), "row i carries key i");

bool estCompetenceDesMondes(skill s)
{
    return std::any_of(std::begin(CATALOGUE_MONDES), std::end(CATALOGUE_MONDES), [s](const EntreeMonde& m) {
        return std::find(m.competencesDeBase.begin(), m.competencesDeBase.end(), s) != m.competencesDeBase.end() ||
               std::any_of(m.decalages.begin(), m.decalages.end(),
                           [s](const ModificationCompetence& d) { return d.competence == s; });
    });
}
