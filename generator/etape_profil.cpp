#include "catalogue.h"
#include "createur.h"

namespace {

// Everything but the name, which is stored as soon as it is typed.
void decrire(Profil& profil, const Passe& p)
{
    profil.setCheveux(p.cheveux);
    profil.setSexe(p.sexe);
    profil.setStature(p.stature);
    profil.setPeau(p.peau);
    profil.setAge(static_cast<unsigned int>(p.age));
    profil.setPoid(static_cast<unsigned int>(p.poid));
    profil.setTaille(static_cast<unsigned int>(p.taille));
}

}  // namespace

bool Createur::etapeProfil(Passe& p)
{
    do {
        if (!questionnaire(p)) {
            return false;
        }
    } while (choix == 2);
    ecran << std::endl << std::endl;
    decrire(joueur.profil, p);
    return true;
}

bool Createur::choixApparence(const char* titre, Apparences EntreeMonde::*sorte, bool relancerInvite,
                              std::string& champ)
{
    ecran << std::endl << std::endl << titre << std::endl << std::endl;
    const EntreeMonde* origine = entreeMonde(joueur.getMonde());
    if (origine == nullptr) {
        ecran << "ERREUR";  // no homeworld, no choices: the field stays as it was
        return true;
    }
    const Apparences& apparences = origine->*sorte;
    // The skin and hair menus write their prompt again after a refused answer.
    if (!menu(apparences.libelles, NB_APPARENCES, choix, relancerInvite ? "Choix:" : "")) {
        return false;
    }
    champ = texte(apparences.textes[choix - 1]);
    return true;
}

bool Createur::questionnaire(Passe& p)
{
    ecran << std::endl << std::endl << "PROFIL DU PERSONNAGE:" << std::endl << std::endl << "Nom du personnage:";
    const std::optional<std::string> nom = console.lireMot();
    if (!nom) {
        return false;
    }
    p.nom = *nom;
    joueur.profil.setNom(p.nom);

    ecran << std::endl << std::endl << "Sexe:" << std::endl << std::endl;
    ecran << "1)Masculin" << std::endl << "2)Feminin" << std::endl << std::endl << "Choix:";
    if (!repondre(choix, 1, 2)) {
        return false;
    }
    p.sexe = texte(choix == 1 ? "Masculin" : "Féminin");

    if (!choixApparence("Stature:", &EntreeMonde::statures, false, p.stature) ||
        !choixApparence("Peau:", &EntreeMonde::peaux, true, p.peau) ||
        !choixApparence("Cheveux:", &EntreeMonde::cheveux, true, p.cheveux)) {
        return false;
    }

    ecran << std::endl << std::endl << "Age:";
    if (!repondre(p.age, 17, 70)) {
        return false;
    }
    ecran << std::endl << std::endl << "Taille(en cm):";
    if (!repondre(p.taille, 155, 210)) {
        return false;
    }
    ecran << std::endl << std::endl << "Poid(en kg):";
    if (!repondre(p.poid, 45, 120)) {
        return false;
    }

    // The recap has the layout of the finished profile, drawn from the answers.
    ecran << std::endl << std::endl;
    Profil recapitulatif;
    recapitulatif.setNom(p.nom);
    decrire(recapitulatif, p);
    recapitulatif.Afficher(ecran);
    ecran << std::endl << std::endl << "Confirmer profil?" << std::endl << std::endl;
    return confirmer("2)Retour");
}
