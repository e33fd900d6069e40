#include <iterator>

#include "createur.h"

// A homeworld's five choices of stature, skin or hair: the menu lines, and the
// texts the profile stores (as a rule the line without its number, with a few
// exceptions of their own).
struct MenuApparence {
    const char* lignes[5];
    const char* textes[5];
};

namespace {

// Each indexed by homeworld, HORS_MONDE to MONDE_SAUVAGE.
const MenuApparence STATURES[] = {
    {{"1)Squelettique", "2)Rachitique", "3)Emacie", "4)Osseux", "5)Decharne"},
     {"Squelettique", "Rachitique", "Emacie", "Osseux", "Decharne"}},
    {{"1)Mince", "2)Svelte", "3)En pleine forme", "4)Bien bati", "5)Corpulent"},
     {"Mince", "Svelte", "En pleine forme", "Bien bati", "Corpulent"}},
    {{"1)Freluquet", "2)Efflanque", "3)Maigre", "4)Degingande", "5)Musculeux"},
     {"Freluquet", "Efflanque", "Maigre", "Degingande", "Musuculeux"}},
    {{"1)Longiligne", "2)Svelte", "3)Muscle", "4)Trapu", "5)Charpente"},
     {"Longiligne", "Svelte", "Muscle", "Trapu", "Charpente"}},
};

const MenuApparence PEAUX[] = {
    {{"1)Nacree", "2)Claire", "3)Bleutee", "4)Grisatre", "5)Laiteuse"},
     {"Nacree", "Claire", "Bleutee", "Grisatre", "Laiteuse"}},
    {{"1)Noire", "2)Halée", "3)Claire", "4)Cuivre", "5)Tachée"}, {"Noire", "Halee", "Claire", "Cuirve", "Tachée"}},
    {{"1)Noire", "2)Halee", "3)Claire", "4)Cuivree", "5)Tachée"}, {"Noire", "Halee", "Claire", "Cuivree", "Tachée"}},
    {{"1)Noire", "2)Halée", "3)Claire", "4)Cuivree", "5)Bronzee"}, {"Noire", "Halee", "Claire", "Cuivree", "Bronzee"}},
};

const MenuApparence CHEVEUX[] = {
    {{"1)Roux carotte", "2)Blonds", "3)Roux cuivré", "4)Noirs", "5)Aubrun"},
     {"Roux Carotte", "Blonds", "Roux cuivré", "Noirs", "Aubrun"}},
    {{"1)Teints", "2)Blonds", "3)Chatains", "4)Noirs", "5)Gris"}, {"Teints", "Blonds", "Chatains", "Noirs", "Gris"}},
    {{"1)Chatains", "2)Blond filasse", "3)Teints", "4)Gris", "5)Noirs"},
     {"Chatains", "Blond filasse", "Teints", "Gris", "Noirs"}},
    {{"1)Roux", "2)Blonds", "3)Chatains", "4)Noirs", "5)Gris"}, {"Roux", "Blonds", "Chatains", "Noirs", "Gris"}},
};

static_assert(std::size(STATURES) == NB_MONDES, "one stature menu per homeworld");
static_assert(std::size(PEAUX) == NB_MONDES, "one skin menu per homeworld");
static_assert(std::size(CHEVEUX) == NB_MONDES, "one hair menu per homeworld");

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

bool Createur::choixApparence(const char* titre, const MenuApparence* menus, bool relancerInvite, std::string& champ)
{
    ecran << std::endl << std::endl << titre << std::endl << std::endl;
    const monde m = joueur.getMonde();
    if (!dansIntervalle(m, NB_MONDES)) {
        ecran << "ERREUR";  // no homeworld, no choices: the field stays as it was
        return true;
    }
    const MenuApparence& apparence = menus[m];
    // The skin and hair menus write their prompt again after a refused answer.
    if (!menu(apparence.lignes, std::size(apparence.lignes), choix, relancerInvite ? "Choix:" : "")) {
        return false;
    }
    champ = texte(apparence.textes[choix - 1]);
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

    if (!choixApparence("Stature:", STATURES, false, p.stature) || !choixApparence("Peau:", PEAUX, true, p.peau) ||
        !choixApparence("Cheveux:", CHEVEUX, true, p.cheveux)) {
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
