#include "raisons.h"

namespace {

const char* mots(Cause cause)
{
    switch (cause) {
    case Cause::ABSENT:
        return "ce fichier n'existe pas";
    case Cause::DOSSIER_ABSENT:
        return "le dossier n'existe pas";
    case Cause::PAS_UN_DOSSIER:
        return "un élément du chemin n'est pas un dossier";
    case Cause::LIEN:
        return "c'est un lien symbolique";
    case Cause::DOSSIER:
        return "c'est un dossier";
    case Cause::PAS_ORDINAIRE:
        return "ce n'est pas un fichier ordinaire";
    case Cause::UN_PDF:
        return "c'est un PDF, pas un fichier de fiches";
    case Cause::PAS_UN_PDF:
        return "ce n'est pas un PDF, il n'est pas remplacé";
    case Cause::NOM_INSTABLE:
        return "le nom a mené à un autre fichier à chaque essai";
    case Cause::IMPRESSIONS_EN_COURS:
        return "trop d'impressions de ce fichier en cours";
    case Cause::PLUS_DE_PLACE:
        return "plus de place sur le disque";
    case Cause::QUOTA:
        return "quota dépassé";
    case Cause::TROP_GROS:
        return "fichier trop gros";
    case Cause::LECTURE_SEULE:
        return "lecture seule";
    case Cause::PERMISSION:
        return "permission refusée";
    case Cause::ENTREE_SORTIE:
        return "erreur d'entrée-sortie";
    case Cause::MEMOIRE:
        return "mémoire insuffisante";
    case Cause::NOM_TROP_LONG:
        return "nom de fichier trop long";
    case Cause::VERROU_IMPOSSIBLE:
        return "aucun verrou disponible";
    case Cause::TROP_DE_FICHIERS:
        return "trop de fichiers ouverts";
    case Cause::OCCUPE:
        return "fichier occupé";
    case Cause::FERME:
        return "fermé ou inutilisable";
    case Cause::AUTRE:
        break;
    }
    return nullptr;
}

}  // namespace

std::string enFrancais(const Raison& raison)
{
    if (const char* texte = mots(raison.cause)) {
        return texte;
    }
    return raison.texteSysteme.empty() ? "erreur inconnue du système" : raison.texteSysteme;
}

std::string enFrancais(const Echec& echec)
{
    switch (echec.suite) {
    case Echec::Suite::AUCUNE:
        break;
    case Echec::Suite::DEBUT_NON_RETIRE:
        return enFrancais(echec.raison) +
               " ; le début de fiche écrit n'a pas pu être retiré : " + enFrancais(echec.raisonSuite);
    case Echec::Suite::TEMPORAIRE_RESTE:
        return enFrancais(echec.raison) + " ; le fichier temporaire « " + echec.temporaire +
               " » n'a pas pu être supprimé : " + enFrancais(echec.raisonSuite);
    case Echec::Suite::DOSSIER_NON_SYNCHRONISE:
        return "le fichier est écrit, mais son dossier n'a pas pu être synchronisé : " + enFrancais(echec.raison);
    }
    return enFrancais(echec.raison);
}
