#include <algorithm>
#include <iterator>

#include "createur.h"
#include "noms_affiches.h"
#include "questions.h"
#include "table.h"

// One option pick of a career: both alternatives were granted by the career,
// the answer keeps one and takes the other back.
struct OptionCarriere {
    bool estTalent;
    const char* titre;
    const char* option1;
    const char* option2;
    const char* invite;  // what follows the options: "Choix:", "Choix" or nothing
    int alternative1;    // a skill or a talent
    int alternative2;
};

namespace {

// Menu label and name shown once chosen, ADEPTE to TECHNOPRETRE: the dialogue's
// own spellings, not Joueur::getCarriere's.
const char* const LIBELLES_CARRIERES[] = {"Adepte",         "Arbitrator",      "Assassin", "Ecclésiaste",
                                          "Garde impérial", "Psyker impérial", "Racaille", "Technoprêtre"};
const char* const NOMS_CARRIERES[] = {"Adepte",         "Arbitrator",      "Assassin", "Ecclesiaste",
                                      "Garde impérial", "Psyker impérial", "Racaille", "Technoprêtre"};
static_assert(std::size(LIBELLES_CARRIERES) == NB_CARRIERES, "one menu label per career");
static_assert(std::size(NOMS_CARRIERES) == NB_CARRIERES, "one name per career");

// The option picks of each career, in the order they are asked.
struct OptionsDeCarriere {
    carriere cle;
    ListeCourte<OptionCarriere, 5> options;
};

constexpr OptionsDeCarriere OPTIONS[] = {
    {ADEPTE,
     {
         {false, "Compétences aux choix:", "1)Connaissance generale(Technologie)",
          "2)Connaissance Scholastique(Légendes)", "Choix:", GENERAL_TECHNOLOGIE, SCHOLASTIQUE_LEGENDES},
         {false, "Compétences aux choix:", "1)Metier(Copiste)", "2)Metier(Valet)", "Choix:", METIER_COPISTE,
          METIER_VALET},
         {true, "Talents aux choix:", "1)Formation aux armes de corps à corps(primitive)",
          "2)Formation aux armes de point(MS)", "Choix", FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE,
          FORMATION_AUX_ARMES_DE_POING_MS},
         {true, "Talents aux choix:", "1)Quelconque", "2)Sprint", "Choix:", QUELCONQUE, SPRINT},
         {true, "Talent aux choix", "1)Resistance(Froid)", "2)Sommeil léger", "", RESISTANCE_FROID, SOMMEIL_LEGER},
     }},
    {ARBITRATOR,
     {
         {true, "Talent aux choix", "1)Rechargement rapide", "2)Sur ses gardes", "Choix:", RECHARGEMENT_RAPIDE,
          SUR_SES_GARDES},
     }},
    {ASSASSIN,
     {
         {true, "Talents aux choix:", "1)Ambidextre", "2)Quelconque", "Choix:", AMBIDEXTRE, QUELCONQUE},
         {true, "Talents aux choix:", "1)Formation aux armes de jet", "2)Formation aux armes de poing(laser)",
          "Choix:", FORMATION_AUX_ARMES_DE_JET_PRIMITIVE, FORMATION_AUX_ARMES_DE_POING_LASER},
     }},
    {ECCLESIASTE,
     {
         {false, "Compétences aux choix:", "1)Expression artistique(chanteur)", "2)Metier(copiste)",
          "Choix:", EXPRESSION_ARTISTIQUE_CHANTEUR, METIER_COPISTE},
         {false, "Compétences aux choix:", "1)Metier(Cuisinier)", "2)Metier(Valet)", "", METIER_CUISINIER,
          METIER_VALET},
         {true, "Talents aux choix:", "1)Formation aux armes de base(primitive)",
          "2)Formation aux armes de jet(primitive)", "Choix:", FORMATION_AUX_ARMES_DE_BASE_PRIMITIVE,
          FORMATION_AUX_ARMES_DE_JET_PRIMITIVE},
     }},
    {GARDE_IMPERIAL,
     {
         {false, "Compétences aux choix:", "1)Conduite(Véhicule terrestre)", "2)Natation",
          "Choix:", CONDUITE_VEHICULE_TERRESTRE, NATATION},
         {true, "Talents aux choix:", "1)Formation aux armes de bases(MS)", "2)Formation aux armes de bases(primitive)",
          "Choix:", FORMATION_AUX_ARMES_DE_BASE_MS, FORMATION_AUX_ARMES_DE_BASE_PRIMITIVE},
         {true, "Talents aux choix:", "1)Formation aux armes de poings(laser)",
          "2)Formations aux armes de poings(primitives)", "Choix:", FORMATION_AUX_ARMES_DE_POING_LASER,
          FORMATION_AUX_ARMES_DE_POING_PRIMITIVE},
     }},
    {PSYKER_IMPERIAL,
     {
         {false, "Compétences aux choix:", "1)Metier(Marchand)", "2)Metier(Voyant)", "Choix:", METIER_MARCHAND,
          METIER_VOYANT},
         {true, "Talents aux choix:", "1)Formation aux armes de poing(laser)", "2)Formation aux armes de poing(MS)",
          "Choix:", FORMATION_AUX_ARMES_DE_POING_LASER, FORMATION_AUX_ARMES_DE_POING_MS},
     }},
    {RACAILLE,
     {
         {false, "Compétences aux choix:", "1)Charisme", "2)Esquive", "Choix", CHARISME, ESQUIVE},
         {true, "Talents aux choix:", "1)Ambidextre", "2)Quelconque", "Choix:", AMBIDEXTRE, QUELCONQUE},
     }},
    {TECHNOPRETRE,
     {
         {false, "Compétences aux choix:", "1)Metier(Copiste)", "2)Metier(Graveur)", "", METIER_COPISTE,
          METIER_GRAVEUR},
     }},
};
static_assert(std::size(OPTIONS) == NB_CARRIERES, "the picks of every career");
static_assert(clesEnOrdre(OPTIONS), "row i carries key i");

}  // namespace

const char* nomCarriereAffiche(carriere c) { return nomIndexe(NOMS_CARRIERES, c, ""); }

std::size_t nombreOptionsCarriere(carriere c)
{
    return dansIntervalle(c, NB_CARRIERES) ? OPTIONS[c].options.size() : 0;
}

bool Createur::etapeCarriere()
{
    int reponse = 0;  // 1 to NB_CARRIERES, in `carriere` order
    do {
        ecran << std::endl << "PLAN DE CARRIERE" << std::endl << std::endl;
        if (!menu(LIBELLES_CARRIERES, std::size(LIBELLES_CARRIERES), reponse)) {
            return false;
        }
        const char* nom = nomCarriereAffiche(static_cast<carriere>(reponse - 1));
        ecran << std::endl << "Carriere choisi:" << texte(nom) << std::endl << std::endl;
        if (!confirmer("2)Retour")) {
            return false;
        }
    } while (choix == REPETER);
    joueur.setCarriere(reponse - 1);
    return optionsCarriere();
}

bool Createur::optionsCarriere()
{
    const carriere plan = joueur.getCarriere();
    if (!dansIntervalle(plan, NB_CARRIERES)) {
        ecran << "Erreur";
        return true;
    }
    // The career's picks in order; the first one left unanswered ends the step.
    const auto& options = OPTIONS[plan].options;
    return std::all_of(options.begin(), options.end(), [&](const OptionCarriere& o) { return choisirOption(o); });
}

bool Createur::choisirOption(const OptionCarriere& o)
{
    ecran << std::endl << texte(o.titre) << std::endl << texte(o.option1) << std::endl;
    ecran << texte(o.option2) << std::endl << o.invite;
    if (!repondre(choix, PREMIERE_ALTERNATIVE, SECONDE_ALTERNATIVE)) {
        return false;
    }
    const int rendue = choix == PREMIERE_ALTERNATIVE ? o.alternative2 : o.alternative1;
    if (o.estTalent) {
        joueur.setTalent(static_cast<talent>(rendue), SANS_TALENT);
    } else {
        joueur.setCompetence(static_cast<skill>(rendue), INAPTE);
    }
    return true;
}
