#include "options.h"

#include <cerrno>
#include <sstream>
#include <string>

#include "console.h"
#include "definition.h"
#include "raisons.h"

#ifndef VESPERINE_VERSION
#error "VESPERINE_VERSION must name the program's version"
#endif

namespace {

const char* const LIGNE_USAGE = "Usage : vesperine [--graine N] [--imprimable] [--hasard [--monde N] [--carriere N] "
                                "NOM...] | --imprimer [-o SORTIE] FICHE... | --help | --version\n";

const char* const AIDE = "Crée un personnage de jeu de rôle de science-fantasy, question par question :\n"
                         "les réponses sont lues sur l'entrée standard, le dialogue est écrit sur la\n"
                         "sortie standard et la fiche dans <nom>.pdf, dans le répertoire courant.\n"
                         "\n"
                         "Options :\n"
                         "  --graine N    les dés sont tirés d'un générateur semé une fois avec N\n"
                         "                (nombre entier de 0 à 4294967295), sans attente : les mêmes\n"
                         "                réponses avec le même N donnent le même personnage (avec\n"
                         "                --hasard, les mêmes noms donnent les mêmes personnages)\n"
                         "  --imprimable  enregistre aussi la fiche à imprimer, un PDF, à côté de la\n"
                         "                fiche : <nom>-imprimable.pdf\n"
                         "  --imprimer FICHE...\n"
                         "                écrit la fiche à imprimer de chaque fichier de fiches, à côté\n"
                         "                de lui (Kael.pdf donne Kael-imprimable.pdf), sans dialogue\n"
                         "  --hasard NOM...\n"
                         "                sans question ni attente, crée pour chaque NOM un personnage\n"
                         "                aux choix tirés au hasard et enregistre sa fiche dans NOM.pdf ;\n"
                         "                une ligne par personnage, précédée de la graine tirée quand\n"
                         "                --graine manque (Graine : N)\n"
                         "  --monde N     avec --hasard : tous du monde d'origine N du menu\n"
                         "  --carriere N  avec --hasard : tous de la carrière N du menu\n"
                         "  -o SORTIE     avec --imprimer et une seule FICHE : le PDF va dans SORTIE\n"
                         "                (- pour la sortie standard)\n"
                         "  -h, --help    affiche cette aide et termine\n"
                         "  --version     affiche la version et termine\n"
                         "\n"
                         "Les PDF sont datés de SOURCE_DATE_EPOCH (secondes depuis 1970) s'il est\n"
                         "défini, sinon de l'heure courante.\n"
                         "\n"
                         "Voir aussi : man 6 vesperine\n";

// The options that take a whole number, with its smallest and largest values.
struct OptionNombre {
    const char* nom;
    std::uint32_t min;
    std::uint32_t max;
};
const OptionNombre GRAINE = {"--graine", 0, UINT32_MAX};
const OptionNombre MONDE = {"--monde", 1, NB_MONDES};           // the homeworld menu's numbers
const OptionNombre CARRIERE = {"--carriere", 1, NB_CARRIERES};  // the career menu's numbers

// The option that `argument` is, alone or followed by "=" and its value; null for any other.
const OptionNombre* optionNombre(const std::string& argument)
{
    for (const OptionNombre* o : {&GRAINE, &MONDE, &CARRIERE}) {
        const std::string nom = o->nom;
        if (argument == nom || argument.compare(0, nom.size() + 1, nom + "=") == 0) {
            return o;
        }
    }
    return nullptr;
}

// A whole number written in decimal digits only, any number of leading zeros
// included, from o.min to o.max.
bool lireNombre(const std::string& texte, const OptionNombre& o, std::uint32_t& nombre)
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
        if (valeur > o.max) {
            return false;  // and no overflow however long the text
        }
    }
    nombre = static_cast<std::uint32_t>(valeur);
    return valeur >= o.min;
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
    std::vector<const char*> arguments;  // only --imprimer and --hasard take them
    arguments.reserve(static_cast<std::size_t>(argc));
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (finDesOptions || argument.empty() || argument[0] != '-') {
            arguments.push_back(argv[i]);
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
        } else if (argument == "--hasard") {
            ligne.hasard = true;
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
        } else if (const OptionNombre* o = optionNombre(argument)) {
            const std::string nom = o->nom;
            std::string valeur;
            if (argument != nom) {
                valeur = argument.substr(nom.size() + 1);
            } else if (i + 1 < argc) {
                valeur = argv[++i];
            } else {
                return erreur(erreurs, "l'option " + nom + " attend un nombre entier");
            }
            std::uint32_t nombre = 0;
            if (!lireNombre(valeur, *o, nombre)) {
                std::ostringstream message;
                message << nom << " attend un nombre entier de " << o->min << " à " << o->max << ", pas « " << valeur
                        << " »";
                return erreur(erreurs, message.str());
            }
            if (o == &GRAINE) {
                ligne.graine = nombre;
                ligne.avecGraine = true;
            } else {
                (o == &MONDE ? ligne.monde : ligne.carriere) = static_cast<int>(nombre);
            }
        } else {
            return erreur(erreurs, "option inconnue « " + argument + " »");
        }
    }
    if (!ligne.imprimer && !ligne.hasard && !arguments.empty()) {
        return erreur(erreurs, std::string("argument inattendu « ") + arguments.front() + " »");
    }
    if (!ligne.imprimer && ligne.sortie) {
        return erreur(erreurs, "l'option -o ne va qu'avec --imprimer");
    }
    if (!ligne.hasard && (ligne.monde != 0 || ligne.carriere != 0)) {
        return erreur(erreurs, std::string("l'option ") + (ligne.monde != 0 ? "--monde" : "--carriere") +
                                   " ne va qu'avec --hasard");
    }
    if (ligne.imprimer && (ligne.avecGraine || ligne.imprimable || ligne.hasard)) {
        std::string autre = "--imprimable";
        if (ligne.hasard) {
            autre = "--hasard";
        } else if (ligne.avecGraine) {
            autre = "--graine";
        }
        return erreur(erreurs, "--imprimer ne va pas avec " + autre);
    }
    if (ligne.hasard && arguments.empty() && demande.empty()) {
        return erreur(erreurs, "--hasard attend au moins un nom de personnage");
    }
    for (const char* nom : arguments) {
        if (ligne.hasard && !estUnMot(nom)) {
            return erreur(erreurs, std::string("nom refusé « ") + nom +
                                       " » : un nom de personnage est un seul mot de 1 à " +
                                       std::to_string(Console::MOT_MAX) + " octets, sans blanc");
        }
    }
    if (ligne.imprimer && arguments.empty() && demande.empty()) {
        return erreur(erreurs, "--imprimer attend au moins un fichier de fiches");
    }
    if (ligne.sortie && arguments.size() > 1) {
        return erreur(erreurs, "l'option -o ne va qu'avec un seul fichier de fiches");
    }
    if (demande == "--version") {
        return repondre("vesperine " VESPERINE_VERSION "\n", "la version", sortie, erreurs);
    }
    if (!demande.empty()) {
        return repondre(std::string(LIGNE_USAGE) + AIDE, "l'aide", sortie, erreurs);
    }
    if (ligne.hasard) {
        ligne.noms = std::move(arguments);
    } else {
        ligne.fiches.assign(arguments.begin(), arguments.end());
    }
    return ligne;
}
