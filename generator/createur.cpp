#include "createur.h"

#include "encodage.h"

std::string texte(const char* utf8) { return versWindows1252(utf8); }

Createur::Createur(std::istream& entree, std::ostream& sortie, std::ostream& sortieErreurs, std::string repertoire,
                   Stockage& fichiers)
    : console(entree, sortie), ecran(console.out()), erreurs(sortieErreurs), dossier(std::move(repertoire)),
      stockage(fichiers)
{
}

bool Createur::repondre(int& cible, int min, int max, const std::string& relance)
{
    const std::optional<int> reponse = console.lireChoix(min, max, relance);
    if (reponse) {
        cible = *reponse;
    }
    return reponse.has_value();
}

bool Createur::menu(const char* const* libelles, std::size_t nombre, int& reponse, const std::string& relance)
{
    for (std::size_t i = 0; i < nombre; ++i) {
        ecran << i + 1 << ')' << texte(libelles[i]) << std::endl;
    }
    ecran << "Choix:";
    return repondre(reponse, 1, static_cast<int>(nombre), relance);
}

bool Createur::confirmer(const char* repeter)
{
    ecran << "1)Confirmer" << std::endl << texte(repeter) << std::endl << "Choix:";
    return repondre(choix, CONFIRMER, REPETER);
}

int Createur::executer()
{
    do {
        ecran << "VESPERINE GENERATOR" << std::endl << std::endl;
        const bool fini = etapeMonde() && etapeCaracteristiques() && etapeCarriere() && etapeBlessures() &&
                          etapeDestin() && etapeProfil() && menuFin();
        if (!fini) {
            // The input ended or failed: nothing is saved, and the shell prompt starts on a line of its own.
            ecran << std::endl;
            const std::optional<std::string>& erreur = console.erreurLecture();
            erreurs << (erreur ? "Impossible de lire l'entrée standard : " + *erreur + " ;"
                               : std::string("Fin de l'entrée standard :"))
                    << " création interrompue, aucune fiche enregistrée." << std::endl;
            return 1;
        }
    } while (choix == RECOMMENCER);
    return apresEchoue ? 1 : 0;
}
