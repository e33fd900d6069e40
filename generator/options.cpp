#include "options.h"

#include <string>

#ifndef VESPERINE_VERSION
#error "VESPERINE_VERSION must name the program's version"
#endif

namespace {

const char* const LIGNE_USAGE = "Usage : vesperine [--graine N] | --help | --version\n";

const char* const AIDE = "Crée un personnage de jeu de rôle de science-fantasy, question par question :\n"
                         "les réponses sont lues sur l'entrée standard, le dialogue est écrit sur la\n"
                         "sortie standard et la fiche dans <nom>.pdf, dans le répertoire courant.\n"
                         "\n"
                         "Options :\n"
                         "  --graine N    les dés sont tirés d'un générateur semé une fois avec N\n"
                         "                (nombre entier de 0 à 4294967295), sans attente : les mêmes\n"
                         "                réponses avec le même N donnent le même personnage\n"
                         "  -h, --help    affiche cette aide et termine\n"
                         "  --version     affiche la version et termine\n"
                         "\n"
                         "Voir aussi : man 6 vesperine\n";

// A whole number written in decimal digits only, within 32 bits.
bool lireGraine(const std::string& texte, std::uint32_t& graine)
{
    if (texte.empty() || texte.size() > 10) {
        return false;
    }
    std::uint64_t valeur = 0;
    for (const char c : texte) {
        if (c < '0' || c > '9') {
            return false;
        }
        valeur = valeur * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (valeur > UINT32_MAX) {
        return false;
    }
    graine = static_cast<std::uint32_t>(valeur);
    return true;
}

LigneDeCommande fin(int statut)
{
    LigneDeCommande ligne;
    ligne.terminer = true;
    ligne.statut = statut;
    return ligne;
}

LigneDeCommande erreur(std::ostream& erreurs, const std::string& message)
{
    erreurs << "vesperine : " << message << '\n' << LIGNE_USAGE;
    return fin(2);
}

}  // namespace

LigneDeCommande lireLigneDeCommande(int argc, const char* const argv[], std::ostream& sortie, std::ostream& erreurs)
{
    LigneDeCommande ligne;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            sortie << LIGNE_USAGE << AIDE;
            return fin(0);
        }
        if (argument == "--version") {
            sortie << "vesperine " VESPERINE_VERSION "\n";
            return fin(0);
        }
        const std::string prefixe = "--graine=";
        if (argument == "--graine" || argument.compare(0, prefixe.size(), prefixe) == 0) {
            std::string valeur;
            if (argument != "--graine") {
                valeur = argument.substr(prefixe.size());
            } else if (i + 1 < argc) {
                valeur = argv[++i];
            } else {
                return erreur(erreurs, "l'option --graine attend un nombre entier");
            }
            if (!lireGraine(valeur, ligne.graine)) {
                return erreur(erreurs, "--graine attend un nombre entier de 0 à 4294967295, pas « " + valeur + " »");
            }
            ligne.avecGraine = true;
            continue;
        }
        if (!argument.empty() && argument[0] == '-') {
            return erreur(erreurs, "option inconnue « " + argument + " »");
        }
        return erreur(erreurs, "argument inattendu « " + argument + " »");
    }
    return ligne;
}
