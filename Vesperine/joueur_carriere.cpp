#include <iterator>

#include "catalogue.h"
#include "encodage.h"
#include "joueur.h"

namespace {

// The player rules' own career names; the creation dialogue spells them its own way.
const char* const NOMS_CARRIERES[] = {"Adepte",         "Arbitrator",      "Assassin", "Ecclesiaste",
                                      "Garde imperial", "Psyker imperial", "Racaille", "Technoprêtre"};
static_assert(std::size(NOMS_CARRIERES) == NB_CARRIERES, "one name per career");

}  // namespace

void Joueur::setCarriere(int c)
{
    plan = static_cast<carriere>(c);
    for (int t = 0; t < NB_TALENTS; ++t) {
        setTalent(static_cast<talent>(t), SANS_TALENT);
    }
    // Only the mastery is cleared: a skill that the homeworld made basic stays basic.
    for (int s = 0; s < NB_COMPETENCES; ++s) {
        setCompetence(static_cast<skill>(s), INAPTE);
    }
    if (!dansIntervalle(c, NB_CARRIERES)) {
        return;  // no career, or none known: nothing is granted
    }
    const EntreeCarriere& e = CATALOGUE_CARRIERES[c];
    for (const skill s : e.competences) {
        setCompetence(s, ACQUISE);
    }
    for (const talent t : e.talents) {
        setTalent(t, TALENT_X1);
    }
}

carriere Joueur::getCarriere() const { return plan; }

std::string Joueur::getCarriere(carriere c) const
{
    return versWindows1252(nomIndexe(NOMS_CARRIERES, c, "Aucune carriere"));
}
