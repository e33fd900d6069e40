#include "options.h"

#include <cerrno>
#include <cstring>
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

// A whole number written in decimal digits only, any number of leading zeros
// included, whose value fits in 32 bits.
bool lireGraine(const std::string& texte, std::uint32_t& graine)
{
    if (texte.empty()) {
        return false;
    }
    std::uint64_t valeur = 0;
    for (const char c : texte) {
        if (c < '0' || c > '9') {
            return false;
        }
        valeur = valeur * 10 + static_cast<std::uint64_t>(c - '0');
        if (valeur > UINT32_MAX) {
            return false;  // and no overflow however long the text
        }
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

// Writes the help or the version whole: 0, or 1 after saying on `erreurs` why it could not.
LigneDeCommande repondre(const std::string& texte, const char* quoi, std::ostream& sortie, std::ostream& erreurs)
{
    errno = 0;
    sortie << texte << std::flush;
    if (sortie) {
        return fin(0);
    }
    const int raison = errno;  // left by the failed write, when the stream is a file's
    erreurs << "vesperine : impossible d'écrire " << quoi;
    if (raison != 0) {
        erreurs << " : " << std::strerror(raison);
    }
    erreurs << std::endl;
    return fin(1);
}

}  // namespace

LigneDeCommande lireLigneDeCommande(int argc, const char* const argv[], std::ostream& sortie, std::ostream& erreurs)
{
    LigneDeCommande ligne;
    std::string demande;  // --help, -h or --version, the first one given
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            if (demande.empty()) {
                demande = argument;
            }
            continue;
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
    if (demande == "--version") {
        return repondre("vesperine " VESPERINE_VERSION "\n", "la version", sortie, erreurs);
    }
    if (!demande.empty()) {
        return repondre(std::string(LIGNE_USAGE) + AIDE, "l'aide", sortie, erreurs);
    }
    return ligne;
}
