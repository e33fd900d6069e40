#include "vue_fiche.h"

Fiche ficheDuJoueur(const Joueur& joueur, std::string monde, std::string carriere)
{
    const Profil& profil = joueur.profil;
    Fiche f;
    f.nom = profil.getNom();
    f.sexe = profil.getSexe();
    f.stature = profil.getStature();
    f.peau = profil.getPeau();
    f.cheveux = profil.getCheveux();
    f.age = profil.getAge();
    f.taille = profil.getTaille();
    f.poid = profil.getPoid();
    f.monde = std::move(monde);
    f.carriere = std::move(carriere);
    for (int k = CC; k <= SOC; ++k) {
        // The sheet writes each value as an int.
        f.caracteristiques[k] = static_cast<int>(joueur.getCaracteristique(static_cast<caracteristique>(k)));
    }
    for (int s = 0; s < NB_COMPETENCES; ++s) {
        const int valeur = joueur.getCompetence(static_cast<skill>(s));
        if (valeur > 0) {
            f.competences.push_back({joueur.getCompetenceNom(static_cast<skill>(s)), valeur});
        }
    }
    for (int t = 0; t < NB_TALENTS; ++t) {
        if (joueur.getTalent(static_cast<talent>(t)) != SANS_TALENT) {
            f.talents.push_back(joueur.getTalentNom(static_cast<talent>(t)));
        }
    }
    f.blessuresActuelles = joueur.etat.getBlessureActuelle();
    f.blessuresMaximum = joueur.etat.getBlessureMaximum();
    f.destin = joueur.etat.getDestin();
    return f;
}
