#include "options.h"

#include <cerrno>
#include <string>

#include "raisons.h"

#ifndef VESPERINE_VERSION
#error "VESPERINE_VERSION must name the program's version"
#endif

namespace {

const char* const LIGNE_USAGE =
    "Usage : vesperine [--graine N] [--imprimable] | --imprimer [-o SORTIE] FICHE... | --help | --version\n";

const char* const AIDE = "Crée un personnage de jeu de rôle de science-fantasy, question par question :\n"
                         "les réponses sont lues sur l'entrée standard, le dialogue est écrit sur la\n"
                         "sortie standard et la fiche dans <nom>.pdf, dans le répertoire courant.\n"
                         "\n"
                         "Options :\n"
                         "  --graine N    les dés sont tirés d'un générateur semé une fois avec N\n"
                         "                (nombre entier de 0 à 4294967295), sans attente : les mêmes\n"
                         "                réponses avec le même N donnent le même personnage\n"
                         "  --imprimable  enregistre aussi la fiche à imprimer, un PDF, à côté de la\n"
                         "                fiche : <nom>-imprimable.pdf\n"
                         "  --imprimer FICHE...\n"
                         "                écrit la fiche à imprimer de chaque fichier de fiches, à côté\n"
                         "                de lui (Kael.pdf donne Kael-imprimable.pdf), sans dialogue\n"
                         "  -o SORTIE     avec --imprimer et une seule FICHE : le PDF va dans SORTIE\n"
                         "                (- pour la sortie standard)\n"
                         "  -h, --help    affiche cette aide et termine\n"
                         "  --version     affiche la version et termine\n"
                         "\n"
                         "Les PDF sont datés de SOURCE_DATE_EPOCH (secondes depuis 1970) s'il est\n"
                         "défini, sinon de l'heure courante.\n"
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
        erreurs << " : " << enFrancais(raisonSysteme(raison));
    }
    erreurs << std::endl;
    return fin(1);
}

}  // namespace

LigneDeCommande lireLigneDeCommande(int argc, const char* const argv[], std::ostream& sortie, std::ostream& erreurs)
{
    LigneDeCommande ligne;
    std::string demande;  // --help, -h or --version, the first one given
    bool finDesOptions = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (finDesOptions || argument.empty() || argument[0] != '-') {
            ligne.fiches.push_back(argument);  // an argument: only --imprimer takes them
        } else if (argument == "--") {
            finDesOptions = true;
        } else if (argument == "--help" || argument == "-h" || argument == "--version") {
            if (demande.empty()) {
                demande = argument;
            }
        } else if (argument == "--imprimable") {
            ligne.imprimable = true;
        } else if (argument == "--imprimer") {
            ligne.imprimer = true;
        } else if (argument == "-o") {
            if (i + 1 == argc) {
                return erreur(erreurs, "l'option -o attend un nom de fichier");
            }
            if (ligne.sortie) {
                return erreur(erreurs, "l'option -o est donnée deux fois");
            }
            ligne.sortie = argv[++i];
            if (ligne.sortie->empty()) {
                return erreur(erreurs, "l'option -o attend un nom de fichier, pas un nom vide");
            }
        } else if (argument == "--graine" || argument.compare(0, 9, "--graine=") == 0) {
            std::string valeur;
            if (argument != "--graine") {
                valeur = argument.substr(9);
            } else if (i + 1 < argc) {
                valeur = argv[++i];
            } else {
                return erreur(erreurs, "l'option --graine attend un nombre entier");
            }
            if (!lireGraine(valeur, ligne.graine)) {
                return erreur(erreurs, "--graine attend un nombre entier de 0 à 4294967295, pas « " + valeur + " »");
            }
            ligne.avecGraine = true;
        } else {
            return erreur(erreurs, "option inconnue « " + argument + " »");
        }
    }
    if (!ligne.imprimer && !ligne.fiches.empty()) {
        return erreur(erreurs, "argument inattendu « " + ligne.fiches.front() + " »");
    }
    if (!ligne.imprimer && ligne.sortie) {
        return erreur(erreurs, "l'option -o ne va qu'avec --imprimer");
    }
    if (ligne.imprimer && (ligne.avecGraine || ligne.imprimable)) {
        return erreur(erreurs,
                      std::string("--imprimer ne va pas avec ") + (ligne.avecGraine ? "--graine" : "--imprimable"));
    }
    if (ligne.imprimer && ligne.fiches.empty() && demande.empty()) {
        return erreur(erreurs, "--imprimer attend au moins un fichier de fiches");
    }
    if (ligne.sortie && ligne.fiches.size() > 1) {
        return erreur(erreurs, "l'option -o ne va qu'avec un seul fichier de fiches");
    }
    if (demande == "--version") {
        return repondre("vesperine " VESPERINE_VERSION "\n", "la version", sortie, erreurs);
    }
    if (!demande.empty()) {
        return repondre(std::string(LIGNE_USAGE) + AIDE, "l'aide", sortie, erreurs);
    }
    return ligne;
}
