#include <iterator>

#include "catalogue.h"
#include "createur.h"
#include "questions.h"

namespace {

// The texts the profile keeps for "1)Masculin" and "2)Feminin".
const char* const SEXES[] = {"Masculin", "Féminin"};
static_assert(std::size(SEXES) == NB_SEXES, "one text per answer");

}  // namespace

bool Createur::etapeProfil()
{
    // The answers, made anew for each character and kept from one run of the
    // questionnaire to the next ("2)Retour").
    Profil reponses;
    do {
        if (!questionnaire(reponses)) {
            return false;
        }
    } while (choix == REPETER);
    ecran << std::endl << std::endl;
    joueur.profil = reponses;
    return true;
}

bool Createur::choixApparence(const char* titre, SorteApparences sorte, bool relancerInvite, std::string& champ)
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

bool Createur::questionnaire(Profil& reponses)
{
    ecran << std::endl << std::endl << "PROFIL DU PERSONNAGE:" << std::endl << std::endl << "Nom du personnage:";
    const std::optional<std::string> nom = console.lireMot();
    if (!nom) {
        return false;
    }
    // The character bears its name as soon as it is typed; the rest waits for the confirmation.
    reponses.setNom(*nom);
    joueur.profil.setNom(*nom);

    ecran << std::endl << std::endl << "Sexe:" << std::endl << std::endl;
    ecran << "1)Masculin" << std::endl << "2)Feminin" << std::endl << std::endl << "Choix:";
    if (!repondre(choix, 1, NB_SEXES)) {
        return false;
    }
    reponses.setSexe(texte(SEXES[choix - 1]));

    std::string stature = reponses.getStature();
    std::string peau = reponses.getPeau();
    std::string cheveux = reponses.getCheveux();
    if (!choixApparence("Stature:", &EntreeMonde::statures, false, stature) ||
        !choixApparence("Peau:", &EntreeMonde::peaux, true, peau) ||
        !choixApparence("Cheveux:", &EntreeMonde::cheveux, true, cheveux)) {
        return false;
    }
    reponses.setStature(stature);
    reponses.setPeau(peau);
    reponses.setCheveux(cheveux);

    int age = 0;
    int taille = 0;
    int poid = 0;
    ecran << std::endl << std::endl << "Age:";
    if (!repondre(age, BORNES_AGE.min, BORNES_AGE.max)) {
        return false;
    }
    ecran << std::endl << std::endl << "Taille(en cm):";
    if (!repondre(taille, BORNES_TAILLE.min, BORNES_TAILLE.max)) {
        return false;
    }
    ecran << std::endl << std::endl << "Poid(en kg):";
    if (!repondre(poid, BORNES_POIDS.min, BORNES_POIDS.max)) {
        return false;
    }
    reponses.setAge(static_cast<unsigned int>(age));
    reponses.setTaille(static_cast<unsigned int>(taille));
    reponses.setPoid(static_cast<unsigned int>(poid));

    // The recap has the layout of the finished profile.
    ecran << std::endl << std::endl;
    reponses.Afficher(ecran);
    ecran << std::endl << std::endl << "Confirmer profil?" << std::endl << std::endl;
    return confirmer("2)Retour");
}
