// The command line as a table: tests/options.txt, whose head says how it reads.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <vector>

#include "options.h"
#include "outils.h"

namespace {

// The command line "vesperine " + `arguments`, split at blanks, read as main
// reads it; the words are kept until the next call (the names point into them).
LigneDeCommande lireArguments(const std::string& arguments, std::ostream& sortie, std::ostream& erreurs)
{
    std::istringstream mots("vesperine " + arguments);
    static std::vector<std::string> texte;
    texte.assign(std::istream_iterator<std::string>(mots), {});
    std::vector<const char*> argv;
    for (const std::string& a : texte) {
        argv.push_back(a.c_str());
    }
    return lireLigneDeCommande(static_cast<int>(argv.size()), argv.data(), sortie, erreurs);
}

struct CasOptions {
    int ligne;  // of its first command line
    std::vector<std::string> commandes;
    std::string issue;  // "" until its "?" line
    std::string sortie;
    std::string erreurs;
};

// The exit status; or what runs: the dialogue or the characters drawn, how
// their dice are seeded, whether they print, what is fixed and the names; or
// the print, its output and its files.
std::string issue(const LigneDeCommande& l)
{
    if (l.terminer) {
        return std::to_string(l.statut);
    }
    std::string quoi = l.imprimer ? "imprimer" : l.hasard ? "hasard" : "dialogue";
    if (l.avecGraine) {
        quoi += " graine " + std::to_string(l.graine);
    }
    if (l.imprimable) {
        quoi += " imprimable";
    }
    quoi += l.monde != 0 ? " monde " + std::to_string(l.monde) : "";
    quoi += l.carriere != 0 ? " carriere " + std::to_string(l.carriere) : "";
    if (l.sortie) {
        quoi += " -o " + *l.sortie;
    }
    for (const std::string& fiche : l.fiches) {
        quoi += " " + fiche;
    }
    for (const char* nom : l.noms) {
        quoi += std::string(" ") + nom;
    }
    return quoi;
}

}  // namespace

TEST(Options, ChaqueCasDeLaTable)
{
    std::vector<CasOptions> cas;
    std::istringstream lignes(lireFichier(VESPERINE_OPTIONS));
    int numero = 0;
    for (std::string ligne; std::getline(lignes, ligne);) {
        ++numero;
        if (ligne.empty() || ligne[0] == '#') {
            continue;
        }
        const char sorte = ligne[0];
        const std::string texte = ligne.size() == 1 ? "" : ligne.substr(2);
        if (sorte == '$' && (cas.empty() || !cas.back().issue.empty())) {
            cas.push_back({numero, {}, "", "", ""});
        }
        // "$" lines first, then one "?" line, then the streams' lines.
        const bool aSaPlace = !cas.empty() && (sorte == '$' || (sorte == '?') == cas.back().issue.empty());
        if (std::string("$?>!").find(sorte) == std::string::npos || (ligne.size() > 1 && ligne[1] != ' ') ||
            !aSaPlace || (sorte == '?' && texte.empty())) {
            incompris(VESPERINE_OPTIONS, numero, ligne);
        }
        if (sorte == '$') {
            cas.back().commandes.push_back(texte);
        } else if (sorte == '?') {
            cas.back().issue = texte;
        } else {
            (sorte == '>' ? cas.back().sortie : cas.back().erreurs) += texte + "\n";
        }
    }
    for (const CasOptions& c : cas) {
        for (const std::string& commande : c.commandes) {
            std::ostringstream sortie;
            std::ostringstream erreurs;
            const std::string ici = "tests/options.txt:" + std::to_string(c.ligne) + ": $ " + commande;
            EXPECT_EQ(issue(lireArguments(commande, sortie, erreurs)), c.issue) << ici;
            EXPECT_EQ(sortie.str(), c.sortie) << ici;
            EXPECT_EQ(erreurs.str(), c.erreurs) << ici;
        }
    }
}
