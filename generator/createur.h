#ifndef GENERATOR_CREATEUR_H
#define GENERATOR_CREATEUR_H

#include <istream>
#include <ostream>
#include <string>

#include "console.h"
#include "definition.h"
#include "joueur.h"
#include "systeme_fichiers.h"

struct MenuApparence;
struct OptionCarriere;

// The values of one pass of the creation, made anew for each character.
struct Passe {
    std::string world;
    int monde_choisi = 0;
    int caracter[NB_CARACTERISTIQUES] = {};
    int carriere_choisi = 0;
    std::string carr;
    int modificateursB = 0;
    int total = 0;
    int dice = 0;
    int Destiny = 0;
    std::string nom;
    std::string sexe;
    std::string stature;
    std::string peau;
    std::string cheveux;
    int age = 0;
    int taille = 0;
    int poid = 0;
};

// The creation dialogue: one player character, built step by step from the
// banner to the saved sheet, as often as the user starts again.
class Createur {
public:
    // Sheets are written in `repertoire`, through `fichiers`; the program passes
    // the current directory.
    Createur(std::istream& entree, std::ostream& sortie, std::ostream& err, std::string repertoire,
             SystemeFichiers& fichiers = systemeFichiersReel());

    // Runs the dialogue to its end. 0 once the user quits (after a successful
    // save, or without one); 1 when the input ends first.
    int executer();

private:
    // Each step answers false when the input ends before it is done.
    bool etapeMonde(Passe& p);
    bool etapeCaracteristiques(Passe& p);
    bool etapeCarriere(Passe& p);
    bool optionsCarriere();
    bool choisirOption(const OptionCarriere& o);
    bool etapeBlessures(Passe& p);
    bool etapeDestin(Passe& p);
    bool etapeProfil(Passe& p);
    bool questionnaire(Passe& p);
    // A stature, skin or hair menu of the player's homeworld; stores the chosen text in `champ`.
    bool choixApparence(const char* titre, const MenuApparence* menus, bool relancerInvite, std::string& champ);
    void resume();
    bool menuFin(const Passe& p);

    // The option lines of a menu, "Choix:", and an answer from 1 to their number.
    bool menu(const char* const* lignes, std::size_t nombre, int& reponse, const std::string& relance = std::string());
    // "1)Confirmer", the line that repeats the step, "Choix:", and the answer in `choix`.
    bool confirmer(const char* repeter);
    // Reads an answer from min to max into `cible`; false when the input ends.
    bool repondre(int& cible, int min, int max, const std::string& relance = std::string());

    bool enregistrer(const Passe& p);

    Console console;
    std::ostream& out;
    std::ostream& erreurs;
    std::string dossier;
    SystemeFichiers& systeme;
    Joueur joueur;
    int choix = 0;
};

// A program text, written in UTF-8 here, as the Windows-1252 the dialogue writes.
std::string texte(const char* utf8);

#endif
