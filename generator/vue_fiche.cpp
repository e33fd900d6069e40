#include "vue_fiche.h"

#include <iomanip>
#include <sstream>

#include "tableaux.h"

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

std::string texteFiche(const Fiche& f)
{
    std::ostringstream t;
    t << std::left;
    t << "Nom:" << std::setw(15) << f.nom << "Sexe:" << std::setw(10) << f.sexe << "Stature:" << f.stature << '\n';
    t << "Peau:" << std::setw(8) << f.peau << "Cheveux:" << f.cheveux << '\n';
    t << "Age:" << std::setw(5) << f.age << "Taille:" << std::setw(8) << f.taille << "Poid:" << std::setw(5) << f.poid
      << '\n';
    t << enTeteCaracteristiques() << '\n' << ligneCaracteristiques(f.caracteristiques) << '\n';
    t << "\nCOMPETENCES:\n\n";
    for (const Fiche::Competence& c : f.competences) {
        t << c.nom << ':' << c.valeur << '\n';
    }
    t << "\n\nTALENTS:\n\n";
    for (const std::string& nom : f.talents) {
        t << nom << '\n';
    }
    t << "\nBlessures:" << f.blessuresActuelles << '/' << f.blessuresMaximum << '\n';
    t << "\nPoints de destins:" << f.destin << '\n';
    return t.str();
}
