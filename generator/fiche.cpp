#include "fiche.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <sstream>

#include "createur.h"
#include "encodage.h"

std::string texteFiche(const Joueur& joueur, const Passe& p)
{
    std::ostringstream f;
    f << std::left;
    f << "Nom:" << std::setw(15) << p.nom << "Sexe:" << std::setw(10) << p.sexe << "Stature:" << p.stature << '\n';
    f << "Peau:" << std::setw(8) << p.peau << "Cheveux:" << p.cheveux << '\n';
    f << "Age:" << std::setw(5) << p.age << "Taille:" << std::setw(8) << p.taille << "Poid:" << std::setw(5) << p.poid
      << '\n';
    for (int k = CC; k <= SOC; ++k) {
        f << std::setw(6) << getCaracteristiqueLabel(static_cast<caracteristique>(k));
    }
    f << '\n';
    for (int k = CC; k <= SOC; ++k) {
        f << std::setw(6) << joueur.getCaracteristique(static_cast<caracteristique>(k));
    }
    f << "\n\nCOMPETENCES:\n\n";
    for (int s = 0; s < NB_COMPETENCES; ++s) {
        const int valeur = joueur.getCompetence(static_cast<skill>(s));
        if (valeur > 0) {
            f << joueur.getCompetenceNom(static_cast<skill>(s)) << ':' << valeur << '\n';
        }
    }
    f << "\n\nTALENTS:\n\n";
    for (int t = 0; t < NB_TALENTS; ++t) {
        if (joueur.getTalent(static_cast<talent>(t)) != SANS_TALENT) {
            f << joueur.getTalentNom(static_cast<talent>(t)) << '\n';
        }
    }
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
