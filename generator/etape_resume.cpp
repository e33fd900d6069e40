#include "createur.h"
#include "fiche.h"

void Createur::resume()
{
    joueur.profil.Afficher(out);
    out << std::endl << std::endl;
    ecrireEnTeteCaracteristiques();
    out << std::endl;
    int valeurs[NB_CARACTERISTIQUES];
    for (int k = CC; k <= SOC; ++k) {
        valeurs[k] = static_cast<int>(joueur.getCaracteristique(static_cast<caracteristique>(k)));
    }
    ecrireLigneCaracteristiques(valeurs);
    out << std::endl << std::endl << std::endl;
    for (int s = 0; s < NB_COMPETENCES; ++s) {
        const int valeur = joueur.getCompetence(static_cast<skill>(s));
        if (valeur > 0) {
            out << joueur.getCompetenceNom(static_cast<skill>(s)) << ':' << valeur << std::endl;
        }
    }
    out << std::endl;
    for (int t = 0; t < NB_TALENTS; ++t) {
        if (joueur.getTalent(static_cast<talent>(t)) != SANS_TALENT) {
            out << joueur.getTalentNom(static_cast<talent>(t)) << std::endl;
        }
    }
    out << std::endl
        << "Blessures:" << joueur.etat.getBlessureActuelle() << '/' << joueur.etat.getBlessureMaximum() << std::endl;
    out << std::endl << "Points de destins:" << joueur.etat.getDestin() << std::endl;
}

bool Createur::menuFin(const Passe& p)
{
    resume();
    const std::string lignes = "1)Quitter et enregistrer personnage\n2)Recommencer personnage\n3)Quitter\n";
    for (;;) {
        out << lignes << std::flush;
        // Any refused answer brings the three lines back.
        if (!repondre(choix, 1, 3, lignes)) {
            return false;
        }
        if (choix != 1 || enregistrer(p)) {
            return true;
        }
    }
}

bool Createur::enregistrer(const Passe& p)
{
    const std::string fichier = nomFichierFiche(joueur.profil.getNom());
    const std::string chemin = dossier.empty() ? fichier : dossier + "/" + fichier;
    const std::string raison = ajouterAuFichier(chemin, texteFiche(joueur, p));
    if (raison.empty()) {
        return true;
    }
    // Nothing is lost: the user can try again, start again or quit.
    erreurs << "Impossible d'enregistrer la fiche dans « " << fichier << " » : " << raison << std::endl;
    return false;
}
