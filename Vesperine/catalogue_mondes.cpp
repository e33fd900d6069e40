#include <algorithm>
#include <iterator>

#include "catalogue.h"

// The four homeworlds, in `monde` order. Each row: key; characteristic changes;
// skills made basic; skill shifts; wounds base; fate points; statures, skins and
// hair, each as the menu lists them and then as the profile keeps them.
constexpr EntreeMonde CATALOGUE_MONDES[] = {
    {HORS_MONDE,
     {{F, -5}, {FM, +5}},
     {ORIENTATION_STELLAIRE, PILOTAGE_VAISSEAUX_SPATIAUX},
     {},
     6,
     {2, 3, 3},
     {{"Squelettique", "Rachitique", "Emacie", "Osseux", "Decharne"},
      {"Squelettique", "Rachitique", "Emacie", "Osseux", "Decharne"}},
     {{"Nacree", "Claire", "Bleutee", "Grisatre", "Laiteuse"}, {"Nacree", "Claire", "Bleutee", "Grisatre", "Laiteuse"}},
     {{"Roux carotte", "Blonds", "Roux cuivré", "Noirs", "Aubrun"},
      {"Roux Carotte", "Blonds", "Roux cuivré", "Noirs", "Aubrun"}}},
    {MONDE_IMPERIAL,
     {{FM, +3}},
     {ALPHABETISATION, LANGUE_HAUT_GOTHIQUE, GENERAL_CREDO_IMPERIAL, GENERAL_GUERRE, GENERAL_IMPERIUM},
     {},
     8,
     {2, 2, 3},
     {{"Mince", "Svelte", "En pleine forme", "Bien bati", "Corpulent"},
      {"Mince", "Svelte", "En pleine forme", "Bien bati", "Corpulent"}},
     {{"Noire", "Halée", "Claire", "Cuivre", "Tachée"}, {"Noire", "Halee", "Claire", "Cuirve", "Tachée"}},
     {{"Teints", "Blonds", "Chatains", "Noirs", "Gris"}, {"Teints", "Blonds", "Chatains", "Noirs", "Gris"}}},
    {MONDE_RUCHE,
     {{E, -5}, {AG, +5}},
     {},
     {},
     8,
     {1, 2, 3},
     {{"Freluquet", "Efflanque", "Maigre", "Degingande", "Musculeux"},
      {"Freluquet", "Efflanque", "Maigre", "Degingande", "Musuculeux"}},
     {{"Noire", "Halee", "Claire", "Cuivree", "Tachée"}, {"Noire", "Halee", "Claire", "Cuivree", "Tachée"}},
     {{"Chatains", "Blond filasse", "Teints", "Gris", "Noirs"},
      {"Chatains", "Blond filasse", "Teints", "Gris", "Noirs"}}},
    {MONDE_SAUVAGE,
     {{F, +5}, {E, +5}, {FM, -5}, {SOC, -5}},
     {ORIENTATION_SURFACE, PISTAGE, SURVIE},
     {{TECHNOMAITRISE, -10}, {RESISTANCE_AUX_INTOXICATIONS, +10}},
     9,
     {1, 2, 2},
     {{"Longiligne", "Svelte", "Muscle", "Trapu", "Charpente"},
      {"Longiligne", "Svelte", "Muscle", "Trapu", "Charpente"}},
     {{"Noire", "Halée", "Claire", "Cuivree", "Bronzee"}, {"Noire", "Halee", "Claire", "Cuivree", "Bronzee"}},
     {{"Roux", "Blonds", "Chatains", "Noirs", "Gris"}, {"Roux", "Blonds", "Chatains", "Noirs", "Gris"}}},
};
static_assert(std::size(CATALOGUE_MONDES) == NB_MONDES, "one row per enumerator");
static_assert(clesEnOrdre(CATALOGUE_MONDES), "row i carries key i");

const EntreeMonde* entreeMonde(monde m) { return dansIntervalle(m, NB_MONDES) ? &CATALOGUE_MONDES[m] : nullptr; }

bool estCompetenceDesMondes(skill s)
{
    return std::any_of(std::begin(CATALOGUE_MONDES), std::end(CATALOGUE_MONDES), [s](const EntreeMonde& m) {
        return std::find(m.competencesDeBase.begin(), m.competencesDeBase.end(), s) != m.competencesDeBase.end() ||
               std::any_of(m.decalages.begin(), m.decalages.end(),
                           [s](const ModificationCompetence& d) { return d.competence == s; });
    });
}
