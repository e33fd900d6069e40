#include "fiche.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "encodage.h"
#include "tableaux.h"

std::string texteFiche(const Fiche& f)
{
    std::ostringstream t;
    t << std::left;
    t << "Nom:" << std::setw(15) << f.nom << "Sexe:" << std::setw(10) << f.sexe << "Stature:" << f.stature << '\n';
    t << "Peau:" << std::setw(8) << f.peau << "Cheveux:" << f.cheveux << '\n';
    t << "Age:" << std::setw(5) << f.age << "Taille:" << std::setw(8) << f.taille << "Poid:" << std::setw(5) << f.poid
      << '\n';
    t << enTeteCaracteristiques() << '\n' << ligneCaracteristiques(f.caracteristiques) << '\n';
    t << "\nCOMPETENCES:\n\n" << lignesCompetences(f);
    t << "\n\nTALENTS:\n\n" << lignesTalents(f);
    t << "\nBlessures:" << f.blessuresActuelles << '/' << f.blessuresMaximum << '\n';
    t << "\nPoints de destins:" << f.destin << '\n';
    return t.str();
}

std::string texteFiche(const Joueur& joueur) { return texteFiche(ficheDuJoueur(joueur, "", "")); }

std::string nomFichierFiche(const std::string& nomTape)
{
    const std::string suffixe = ".pdf";
    constexpr std::size_t NOM_FICHIER_MAX = 255;  // bytes, on the usual file systems
    std::string fichier;
    for (std::size_t i = 0; i < nomTape.size();) {
        // A byte that starts no UTF-8 character counts alone.
        const std::size_t n = std::max<std::size_t>(longueurCaractereUtf8(nomTape, i), 1);
        if (fichier.size() + n + suffixe.size() > NOM_FICHIER_MAX) {
            break;
        }
        fichier.append(nomTape, i, n);
        i += n;
    }
    for (char& c : fichier) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    // No hidden file ("." would give "..pdf").
    if (fichier.empty() || fichier[0] == '.') {
        fichier.replace(0, fichier.empty() ? 0 : 1, "_");
    }
    return fichier + suffixe;
}
