#include "catalogue.h"
#include "encodage.h"
#include "joueur.h"

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
    if (static_cast<unsigned int>(c) >= NB_CARRIERES) {
        return;  // no career, or none known: nothing is granted
    }
    const EntreeCarriere& e = CATALOGUE_CARRIERES[c];
    for (int i = 0; i < e.nbCompetences; ++i) {
        setCompetence(e.competences[i], ACQUISE);
    }
    for (int i = 0; i < e.nbTalents; ++i) {
        setTalent(e.talents[i], TALENT_X1);
    }
}

carriere Joueur::getCarriere() const { return plan; }

std::string Joueur::getCarriere(carriere c) const
{
    switch (c) {
    case ADEPTE:
        return "Adepte";
    case ARBITRATOR:
        return "Arbitrator";
    case ASSASSIN:
        return "Assassin";
    case ECCLESIASTE:
        return "Ecclesiaste";
    case GARDE_IMPERIAL:
        return "Garde imperial";
    case PSYKER_IMPERIAL:
        return "Psyker imperial";
    case RACAILLE:
        return "Racaille";
    case TECHNOPRETRE:
        return versWindows1252("Technoprêtre");
    default:
        return "Aucune carriere";
    }
}
