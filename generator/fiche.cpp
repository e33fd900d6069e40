#include "fiche.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <sstream>

#include "createur.h"
#include "encodage.h"
#include "tableaux.h"

std::string texteFiche(const Joueur& joueur, const Passe& p)
{
    std::ostringstream f;
    f << std::left;
    f << "Nom:" << std::setw(15) << p.nom << "Sexe:" << std::setw(10) << p.sexe << "Stature:" << p.stature << '\n';
    f << "Peau:" << std::setw(8) << p.peau << "Cheveux:" << p.cheveux << '\n';
    f << "Age:" << std::setw(5) << p.age << "Taille:" << std::setw(8) << p.taille << "Poid:" << std::setw(5) << p.poid
      << '\n';
    f << enTeteCaracteristiques() << '\n' << ligneCaracteristiques(joueur) << '\n';
    f << "\nCOMPETENCES:\n\n" << lignesCompetences(joueur);
    f << "\n\nTALENTS:\n\n" << lignesTalents(joueur);
    f << "\nBlessures:" << joueur.etat.getBlessureActuelle() << '/' << joueur.etat.getBlessureMaximum() << '\n';
    f << "\nPoints de destins:" << joueur.etat.getDestin() << '\n';
    return f.str();
}

std::string nomFichierFiche(const std::string& nom)
{
    std::string fichier = versUtf8(nom);
    for (char& c : fichier) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    return fichier + ".pdf";
}

std::string ajouterAuFichier(const std::string& chemin, const std::string& contenu)
{
    std::FILE* flux = std::fopen(chemin.c_str(), "a");
    if (flux == nullptr) {
        return std::strerror(errno);
    }
    errno = 0;
    const bool ecrit = std::fwrite(contenu.data(), 1, contenu.size(), flux) == contenu.size();
    const bool vide = std::fflush(flux) == 0;
    const int erreur = errno;
    const bool ferme = std::fclose(flux) == 0;
    if (ecrit && vide && ferme) {
        return {};
    }
    const int cause = erreur != 0 ? erreur : errno;
    return cause != 0 ? std::strerror(cause) : "erreur d'écriture";
}
