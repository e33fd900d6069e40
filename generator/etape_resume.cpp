#include "createur.h"
#include "encodage.h"
#include "fiche.h"
#include "noms_affiches.h"
#include "raisons.h"
#include "tableaux.h"

void Createur::resume()
{
    // What the sheet holds, in the screen's own layout; a save writes this same view.
    vue = ficheDuJoueur(joueur, texte(nomMondeAffiche(joueur.getMonde())),
                        texte(nomCarriereAffiche(joueur.getCarriere())));
    const Fiche& f = vue;
    joueur.profil.Afficher(ecran);
    ecran << std::endl << std::endl;
    ecran << enTeteCaracteristiques() << std::endl;
    ecran << ligneCaracteristiques(f.caracteristiques) << std::endl << std::endl << std::endl;
    ecran << lignesCompetences(f) << std::endl;
    ecran << lignesTalents(f) << std::endl;
    ecran << "Blessures:" << f.blessuresActuelles << '/' << f.blessuresMaximum << std::endl;
    ecran << std::endl << "Points de destins:" << f.destin << std::endl;
}

bool Createur::menuFin()
{
    resume();
    const std::string lignes = "1)Quitter et enregistrer personnage\n2)Recommencer personnage\n3)Quitter\n";
    for (;;) {
        ecran << lignes << std::flush;
        // Any refused answer brings the three lines back.
        if (!repondre(choix, ENREGISTRER, QUITTER, lignes)) {
            return false;
        }
        if (choix != ENREGISTRER || enregistrer()) {
            return true;
        }
    }
}

bool Createur::enregistrer()
{
    // The file is named after the name as it was typed; the sheet holds it in Windows-1252.
    std::string nomTape = console.dernierMotTape();
    if (versWindows1252(nomTape) != joueur.profil.getNom()) {
        nomTape = versUtf8(joueur.profil.getNom());  // the name came some other way
    }
    const std::string fichier = nomFichierFiche(nomTape);
    const std::string chemin = dossier.empty() ? fichier : dossier + "/" + fichier;
    const std::optional<Echec> echec = stockage.ajouterFiche(chemin, texteFiche(vue));
    if (!echec) {
        // The sheet is saved whatever follows: it is never offered for saving again.
        if (apres) {
            ecran.flush();
            apresEchoue = !apres(vue, fichier);
        }
        return true;
    }
    // The file is as it was and nothing is lost: the user can try again, start again or quit.
    erreurs << "Impossible d'enregistrer la fiche dans « " << fichier << " » : " << enFrancais(*echec) << std::endl;
    return false;
}
