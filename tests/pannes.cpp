#include "pannes.h"

#include <sstream>
#include <stdexcept>

const std::set<std::string> ERREURS = {"ENOSPC", "EIO",   "EFBIG",  "EDQUOT", "EINTR",
                                       "EACCES", "EROFS", "ENOLCK", "EMFILE", "ENOENT"};
const std::set<std::string> SIGNAUX = {"SIGINT", "SIGTERM", "SIGHUP", "SIGQUIT"};

Pannes lirePannes(const std::string& description, const std::string& operations)
{
    const std::set<std::string> autresProgrammes = {"lien", "supprime", "remplace"};
    Pannes pannes;
    std::istringstream lignes(description);
    for (std::string ligne; std::getline(lignes, ligne);) {
        std::istringstream mots(ligne);
        std::string operation;
        int numero = 0;
        std::string effet;
        if (!(mots >> operation)) {
            continue;  // an empty line
        }
        if ((" " + operations + " ").find(" " + operation + " ") == std::string::npos || !(mots >> numero >> effet) ||
            numero < 1 ||
            (ERREURS.count(effet) == 0 && SIGNAUX.count(effet) == 0 &&
             !(effet == "courte" && operation == "ecriture") &&
             !(autresProgrammes.count(effet) != 0 && (operation == "ouverture" || operation == "verrouillage")))) {
            throw std::invalid_argument("panne illisible : " + ligne);
        }
        Panne& p = pannes[operation][numero];
        p.courte = p.courte || effet == "courte";
        p.autreProgramme = autresProgrammes.count(effet) != 0 ? effet : p.autreProgramme;
        p.erreur = ERREURS.count(effet) != 0 ? effet : p.erreur;
        if (SIGNAUX.count(effet) != 0) {
            p.signaux.push_back(effet);
        }
    }
    return pannes;
}
