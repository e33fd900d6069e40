#include <algorithm>
#include <iterator>

#include "createur.h"

// One option pick of a career: both alternatives were granted by the career,
// the answer keeps one and takes the other back.
struct OptionCarriere {
    carriere plan;
    bool estTalent;
    const char* titre;
    const char* option1;
    const char* option2;
    const char* invite;  // what follows the options: "Choix:", "Choix" or nothing
    int alternative1;    // a skill or a talent
    int alternative2;
};

namespace {

const char* const MENU_CARRIERES[8] = {"1)Adepte",         "2)Arbitrator",      "3)Assassin", "4)Ecclésiaste",
                                       "5)Garde impérial", "6)Psyker impérial", "7)Racaille", "8)Technoprêtre"};
const char* const NOMS_CARRIERES[8] = {"Adepte",         "Arbitrator",      "Assassin", "Ecclesiaste",
                                       "Garde impérial", "Psyker impérial", "Racaille", "Technoprêtre"};

const OptionCarriere OPTIONS[] = {
    {ADEPTE, false, "Compétences aux choix:", "1)Connaissance generale(Technologie)",
     "2)Connaissance Scholastique(Légendes)", "Choix:", GENERAL_TECHNOLOGIE, SCHOLASTIQUE_LEGENDES},
    {ADEPTE, false, "Compétences aux choix:", "1)Metier(Copiste)", "2)Metier(Valet)", "Choix:", METIER_COPISTE,
     METIER_VALET},
    {ADEPTE, true, "Talents aux choix:", "1)Formation aux armes de corps à corps(primitive)",
     "2)Formation aux armes de point(MS)", "Choix", FORMATION_AUX_ARMES_DE_CORPS_A_CORPS_PRIMITIVE,
     FORMATION_AUX_ARMES_DE_POING_MS},
    {ADEPTE, true, "Talents aux choix:", "1)Quelconque", "2)Sprint", "Choix:", QUELCONQUE, SPRINT},
    {ADEPTE, true, "Talent aux choix", "1)Resistance(Froid)", "2)Sommeil léger", "", RESISTANCE_FROID, SOMMEIL_LEGER},
    {ARBITRATOR, true, "Talent aux choix", "1)Rechargement rapide", "2)Sur ses gardes", "Choix:", RECHARGEMENT_RAPIDE,
     SUR_SES_GARDES},
    {ASSASSIN, true, "Talents aux choix:", "1)Ambidextre", "2)Quelconque", "Choix:", AMBIDEXTRE, QUELCONQUE},
    {ASSASSIN, true, "Talents aux choix:", "1)Formation aux armes de jet", "2)Formation aux armes de poing(laser)",
     "Choix:", FORMATION_AUX_ARMES_DE_JET_PRIMITIVE, FORMATION_AUX_ARMES_DE_POING_LASER},
    {ECCLESIASTE, false, "Compétences aux choix:", "1)Expression artistique(chanteur)", "2)Metier(copiste)",
     "Choix:", EXPRESSION_ARTISTIQUE_CHANTEUR, METIER_COPISTE},
    {ECCLESIASTE, false, "Compétences aux choix:", "1)Metier(Cuisinier)", "2)Metier(Valet)", "", METIER_CUISINIER,
     METIER_VALET},
    {ECCLESIASTE, true, "Talents aux choix:", "1)Formation aux armes de base(primitive)",
     "2)Formation aux armes de jet(primitive)", "Choix:", FORMATION_AUX_ARMES_DE_BASE_PRIMITIVE,
     FORMATION_AUX_ARMES_DE_JET_PRIMITIVE},
    {GARDE_IMPERIAL, false, "Compétences aux choix:", "1)Conduite(Véhicule terrestre)", "2)Natation",
     "Choix:", CONDUITE_VEHICULE_TERRESTRE, NATATION},
    {GARDE_IMPERIAL, true, "Talents aux choix:", "1)Formation aux armes de bases(MS)",
     "2)Formation aux armes de bases(primitive)", "Choix:", FORMATION_AUX_ARMES_DE_BASE_MS,
     FORMATION_AUX_ARMES_DE_BASE_PRIMITIVE},
    {GARDE_IMPERIAL, true, "Talents aux choix:", "1)Formation aux armes de poings(laser)",
     "2)Formations aux armes de poings(primitives)", "Choix:", FORMATION_AUX_ARMES_DE_POING_LASER,
     FORMATION_AUX_ARMES_DE_POING_PRIMITIVE},
    {PSYKER_IMPERIAL, false, "Compétences aux choix:", "1)Metier(Marchand)", "2)Metier(Voyant)",
     "Choix:", METIER_MARCHAND, METIER_VOYANT},
    {PSYKER_IMPERIAL, true, "Talents aux choix:", "1)Formation aux armes de poing(laser)",
     "2)Formation aux armes de poing(MS)", "Choix:", FORMATION_AUX_ARMES_DE_POING_LASER,
     FORMATION_AUX_ARMES_DE_POING_MS},
    {RACAILLE, false, "Compétences aux choix:", "1)Charisme", "2)Esquive", "Choix", CHARISME, ESQUIVE},
    {RACAILLE, true, "Talents aux choix:", "1)Ambidextre", "2)Quelconque", "Choix:", AMBIDEXTRE, QUELCONQUE},
    {TECHNOPRETRE, false, "Compétences aux choix:", "1)Metier(Copiste)", "2)Metier(Graveur)", "", METIER_COPISTE,
     METIER_GRAVEUR},
};

}  // namespace

bool Createur::etapeCarriere(Passe& p)
{
    do {
        out << std::endl << "PLAN DE CARRIERE" << std::endl << std::endl;
        if (!menu(MENU_CARRIERES, std::size(MENU_CARRIERES), p.carriere_choisi)) {
            return false;
        }
        p.carr = texte(NOMS_CARRIERES[p.carriere_choisi - 1]);
        out << std::endl << "Carriere choisi:" << p.carr << std::endl << std::endl;
        if (!confirmer("2)Retour")) {
            return false;
        }
    } while (choix == 2);
    joueur.setCarriere(p.carriere_choisi - 1);
    return optionsCarriere();
}

bool Createur::optionsCarriere()
{
    const carriere plan = joueur.getCarriere();
    if (!dansIntervalle(plan, AUCUNE_CARRIERE)) {
        out << "Erreur";
        return true;
    }
    // The career's picks in order; the first one left unanswered ends the step.
    return std::all_of(std::begin(OPTIONS), std::end(OPTIONS),
                       [&](const OptionCarriere& o) { return o.plan != plan || choisirOption(o); });
}

bool Createur::choisirOption(const OptionCarriere& o)
{
    out << std::endl << texte(o.titre) << std::endl << texte(o.option1) << std::endl;
    out << texte(o.option2) << std::endl << o.invite;
    if (!repondre(choix, 1, 2)) {
        return false;
    }
    const int rendue = choix == 1 ? o.alternative2 : o.alternative1;
    if (o.estTalent) {
        joueur.setTalent(static_cast<talent>(rendue), SANS_TALENT);
    } else {
        joueur.setCompetence(static_cast<skill>(rendue), INAPTE);
    }
    return true;
}
