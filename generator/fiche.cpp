#include "fiche.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "encodage.h"
#include "tableaux.h"

std::string texteFiche(const Joueur& joueur)
{
    const Profil& p = joueur.profil;
    std::ostringstream f;
    f << std::left;
    f << "Nom:" << std::setw(15) << p.getNom() << "Sexe:" << std::setw(10) << p.getSexe()
      << "Stature:" << p.getStature() << '\n';
    f << "Peau:" << std::setw(8) << p.getPeau() << "Cheveux:" << p.getCheveux() << '\n';
    f << "Age:" << std::setw(5) << p.getAge() << "Taille:" << std::setw(8) << p.getTaille() << "Poid:" << std::setw(5)
      << p.getPoid() << '\n';
    f << enTeteCaracteristiques() << '\n' << ligneCaracteristiques(joueur) << '\n';
    f << "\nCOMPETENCES:\n\n" << lignesCompetences(joueur);
    f << "\n\nTALENTS:\n\n" << lignesTalents(joueur);
    f << "\nBlessures:" << joueur.etat.getBlessureActuelle() << '/' << joueur.etat.getBlessureMaximum() << '\n';
    f << "\nPoints de destins:" << joueur.etat.getDestin() << '\n';
    return f.str();
}

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
