#ifndef GENERATOR_CREATEUR_H
#define GENERATOR_CREATEUR_H

#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "console.h"
#include "definition.h"
#include "joueur.h"
#include "stockage.h"
#include "vue_fiche.h"

struct Apparences;
struct EntreeMonde;
struct OptionCarriere;

// The creation dialogue: one player character, built step by step from the
// banner to the saved sheet, as often as the user starts again. It runs on any
// pair of streams and throws its dice through the dice source of des.h.
//
// The dialogue keeps its own homeworld and career names (menu lines and the
// names shown once chosen) instead of Joueur::getMonde and getCarriere: they
// are spelled differently on purpose ("Monde-ruche" against "Monde-Ruche",
// "Garde impérial" against "Garde imperial"), and the transcripts hold both.
class Createur {
public:
    // Sheets are written in `repertoire`, through `fichiers`; the program passes
    // the current directory. The streams must outlive the dialogue.
    Createur(std::istream& entree, std::ostream& sortie, std::ostream& sortieErreurs, std::string repertoire,
             Stockage& fichiers = stockageReel());

    // What is done once a sheet is saved, with the character's view (its
    // homeworld and career as the dialogue showed them) and the sheet's file
    // name in the directory of the sheets; it answers false when it failed,
    // having said why. The program's --imprimable writes the printable sheet here.
    using ApresEnregistrement = std::function<bool(const Fiche& fiche, const std::string& fichier)>;
    void apresEnregistrement(ApresEnregistrement action) { apres = std::move(action); }

    // Runs the dialogue to its end: passes from the banner to the end menu, one
    // after the other while the end menu's answer is "2)Recommencer personnage".
    // 0 once the user quits (after a successful save, or without one); 1 when the
    // input ends first, after a line end on `sortie` and the reason on
    // `sortieErreurs`, or when what follows a save failed (the sheet is saved).
    int executer();

    // The answers the dialogue compares `choix` with, for the steps and for whoever
    // answers in the player's place (hasard.h). A two-way question: "1)Confirmer",
    // or the step again ("2)Retour", "2)Retirer les caractéristiques", "2)Relancer").
    static constexpr int CONFIRMER = 1;
    static constexpr int REPETER = 2;
    // A career's option pick: "1)..." keeps the first alternative, "2)..." the second.
    static constexpr int PREMIERE_ALTERNATIVE = 1;
    static constexpr int SECONDE_ALTERNATIVE = 2;
    // The end menu: "1)Quitter et enregistrer personnage", "2)Recommencer personnage", "3)Quitter".
    static constexpr int ENREGISTRER = 1;
    static constexpr int RECOMMENCER = 2;
    static constexpr int QUITTER = 3;

private:
    // The steps of one pass, in this order; each answers false when the input
    // ends before it is done, and true once the user has confirmed it. What a
    // step rolls or is answered lives in the step; what it settles goes to `joueur`.
    bool etapeMonde();             // etape_monde.cpp: menu, then Joueur::setMonde
    bool etapeCaracteristiques();  // etape_caracteristiques.cpp: roll from the homeworld's values
    bool etapeCarriere();          // etape_carriere.cpp: menu, Joueur::setCarriere, option picks
    bool optionsCarriere();
    bool choisirOption(const OptionCarriere& o);
    bool etapeBlessures();  // etape_blessures.cpp: homeworld base plus a D5
    bool etapeDestin();     // etape_destin.cpp: a D10 against the homeworld's table
    bool etapeProfil();     // etape_profil.cpp: the questionnaire until confirmed
    // One run of the questionnaire into `reponses`, up to the confirmation.
    bool questionnaire(Profil& reponses);
    // The homeworld's stature, skin or hair menu (`sorte`); the chosen look's text
    // goes into `champ`. Without a homeworld "ERREUR", nothing read, `champ` unchanged.
    using SorteApparences = Apparences EntreeMonde::*;
    bool choixApparence(const char* titre, SorteApparences sorte, bool relancerInvite, std::string& champ);
    void resume();  // etape_resume.cpp: summary (its view kept in `vue`), end menu, save
    bool menuFin();

    // Writes the options of a menu, each as its number, ')' and its label (UTF-8),
    // then "Choix:", and reads an answer from 1 to their number into `reponse`;
    // false when the input ends. REQUIRES: `libelles` holds `nombre` texts, at least one.
    bool menu(const char* const* libelles, std::size_t nombre, int& reponse,
              const std::string& relance = std::string());
    // "1)Confirmer", the line that repeats the step, "Choix:", and the answer,
    // CONFIRMER or REPETER, in `choix`.
    bool confirmer(const char* repeter);
    // Reads an answer from min to max into `cible`, writing `relance` again after
    // each refused one; false when the input ends. REQUIRES: min <= max.
    bool repondre(int& cible, int min, int max, const std::string& relance = std::string());

    // Appends the sheet whole, or not at all, to its file in `dossier` (named after
    // the name as typed, see nomFichierFiche); on failure says why on `erreurs`
    // and answers false.
    bool enregistrer();

    Console console;
    std::ostream& ecran;  // the console's output: Windows-1252 text, converted on the way out
    std::ostream& erreurs;
    std::string dossier;
    Stockage& stockage;
    ApresEnregistrement apres;
    bool apresEchoue = false;  // what followed the save failed: the run ends with 1
    Fiche vue;                 // the character as the summary showed it: what a save writes
    Joueur joueur;             // one for the whole run: a restart reuses it, setMonde and setCarriere reset it
    // The answer to every numbered question but the homeworld and career menus:
    // confirm or repeat, option picks, profile menus, end menu. One variable for
    // all, never reset: after the end menu, RECOMMENCER starts a new pass.
    int choix = 0;
};

// A program text, written in UTF-8 here, as the Windows-1252 the dialogue writes.
std::string texte(const char* utf8);

#endif
